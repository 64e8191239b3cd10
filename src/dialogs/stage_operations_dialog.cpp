#include "dialogs/stage_operations_dialog.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "dialogs/stage_preview.h"
#include "view/qimage_bridge.h"
#include "widgets/controls.h"
#include "widgets/picture_box.h"

namespace vantoki {
namespace {

constexpr int kTargetFrameLefts[2] = {8, 224};
constexpr int kTargetFrameTop = 8;
constexpr int kStageOptionsPerRow = 5;

struct OperationOption {
  const char* name;
  const char* caption;
  StageOperation operation;
};

const OperationOption kOperationOptions[] = {
    {"Option2", "『ターゲットＡ』のステージを『ターゲットＢ』のステージの後ろに移動する",
     StageOperation::MoveBehind},
    {"Option3", "『ターゲットＡ』のステージと『ターゲットＢ』のステージを入れ替える",
     StageOperation::Swap},
    {"Option4", "『ターゲットＡ』のステージを『ターゲットＢ』のステージ上にコピーする",
     StageOperation::CopyOver},
    {"Option5", "『ターゲットＡ』のステージを削除する", StageOperation::Delete},
};

}  // namespace

StageOperationsDialog::StageOperationsDialog(StageSet& stageSet, Platform& platform,
                                             const Image24& miniStrip, QWidget* parent)
    : QDialog(parent), model_(stageSet, platform, miniStrip) {
  setObjectName("Form2");
  setWindowTitle("ステージデータ操作");
  setModal(true);
  setFixedSize(443, 501);
  paintWindowBackground(this);

  buildTargetFrame(kTargetA);
  buildTargetFrame(kTargetB);
  buildOperationFrame();
  QPushButton* execute = button(this, "Command1", "実行", 8, 468, 209, 25);
  QPushButton* close = button(this, "Command2", "閉じる", 224, 468, 209, 25);

  connect(execute, &QPushButton::clicked, this, [this] {
    if (model_.execute()) {
      accept();
    }
  });
  connect(close, &QPushButton::clicked, this, &QDialog::reject);
}

void StageOperationsDialog::buildTargetFrame(int side) {
  const bool sideA = side == kTargetA;
  QGroupBox* targetFrame =
      frame(this, sideA ? "Frame1" : "Frame2", sideA ? "ターゲットＡ" : "ターゲットＢ",
            kTargetFrameLefts[side], kTargetFrameTop, 209, 329);
  // One group per frame, so each side keeps its own choice.
  auto* options = new QButtonGroup(targetFrame);
  options->setExclusive(true);
  for (int stage = 0; stage < kStageCount; ++stage) {
    const int option = side * kStageCount + stage;
    QPushButton* stageOption = button(
        targetFrame, arrayName("Option1", option), QString("%1").arg(stage + 1, 2, 10, QChar('0')),
        8 + 40 * (stage % kStageOptionsPerRow), 20 + 28 * (stage / kStageOptionsPerRow), 33, 25);
    stageOption->setCheckable(true);
    options->addButton(stageOption, option);
  }
  connect(options, &QButtonGroup::idClicked, this, [this](int option) {
    if (const std::optional<int> chosen = model_.chooseTarget(option)) {
      showTarget(*chosen);
    }
  });

  label(targetFrame, sideA ? "Label1" : "Label2", "ステージ名", 8, 84, 61, 13);
  nameBoxes_[side] = nameBox(targetFrame, arrayName("Text1", side), 8, 96, 193, 22);

  // Preview A stands on the dialog itself, in front of its frame; preview B inside its frame.
  // Both land on the same spot of their frames.
  QWidget* previewParent = sideA ? static_cast<QWidget*>(this) : targetFrame;
  const QPoint previewPlace = sideA ? QPoint(16, 132) : QPoint(8, 124);
  previews_[side] =
      place(new PictureBox(previewParent), arrayName("Picture1", side), previewPlace.x(),
            previewPlace.y(), kStagePreviewPixels, kStagePreviewPixels);
  QPalette ground = previews_[side]->palette();
  ground.setColor(QPalette::Window, QColor::fromRgb(kStagePreviewGround));
  previews_[side]->setPalette(ground);
  if (sideA) {
    previews_[side]->raise();
  }
}

void StageOperationsDialog::buildOperationFrame() {
  QGroupBox* operationFrame = frame(this, "Frame3", "動作", 8, 344, 425, 117);
  auto* operations = new QButtonGroup(operationFrame);
  int top = 20;
  for (const OperationOption& option : kOperationOptions) {
    auto* radio =
        place(new QRadioButton(option.caption, operationFrame), option.name, 12, top, 397, 21);
    operations->addButton(radio, static_cast<int>(option.operation));
    top += 24;
  }
  connect(operations, &QButtonGroup::idClicked, this, [this](int operation) {
    model_.chooseOperation(static_cast<StageOperation>(operation));
  });
}

void StageOperationsDialog::showTarget(int side) {
  nameBoxes_[side]->setText(QString::fromStdString(model_.targetName(side)));
  previews_[side]->setPicture(toQImage(model_.targetPreview(side)));
}

}  // namespace vantoki
