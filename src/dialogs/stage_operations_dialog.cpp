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
StageOperationsDialog::StageOperationsDialog(const StageSet& stageSet, Platform& platform,
                                             const Image24& miniStrip, QWidget* parent)
    : QDialog(parent), model_(stageSet, platform, miniStrip) {
  LayoutBuilder layout(this, stageOperationsLayout());
  setWindowTitle("ステージデータ操作");
  setModal(true);

  buildTargetFrame(layout, kTargetA);
  buildTargetFrame(layout, kTargetB);
  buildOperationFrame(layout);
  QPushButton* execute = layout.button("Command1", "実行");
  QPushButton* close = layout.button("Command2", "閉じる");

  connect(execute, &QPushButton::clicked, this, [this] {
    chosen_ = model_.execute();
    if (chosen_) {
      accept();
    }
  });
  connect(close, &QPushButton::clicked, this, &QDialog::reject);
}

void StageOperationsDialog::buildTargetFrame(LayoutBuilder& layout, int side) {
  const bool sideA = side == kTargetA;
  QGroupBox* targetFrame =
      layout.frame(sideA ? "Frame1" : "Frame2", sideA ? "ターゲットＡ" : "ターゲットＢ");
  // One group per frame, so each side keeps its own choice.
  auto* options = new QButtonGroup(targetFrame);
  options->setExclusive(true);
  for (int stage = 0; stage < kStageCount; ++stage) {
    const int option = side * kStageCount + stage;
    QPushButton* stageOption = layout.button(arrayName("Option1", option),
                                             QString("%1").arg(stage + 1, 2, 10, QChar('0')));
    stageOption->setCheckable(true);
    options->addButton(stageOption, option);
  }
  connect(options, &QButtonGroup::idClicked, this, [this](int option) {
    if (const std::optional<int> chosen = model_.chooseTarget(option)) {
      showTarget(*chosen);
    }
  });

  layout.label(sideA ? "Label1" : "Label2", "ステージ名");
  nameBoxes_[side] = layout.nameBox(arrayName("Text1", side));

  previews_[side] = layout.add<PictureBox>(arrayName("Picture1", side));
  QPalette ground = previews_[side]->palette();
  ground.setColor(QPalette::Window, QColor::fromRgb(kStagePreviewGround));
  previews_[side]->setPalette(ground);
  // Preview A stands on the dialog itself, in front of its frame.
  previews_[side]->raise();
}

void StageOperationsDialog::buildOperationFrame(LayoutBuilder& layout) {
  QGroupBox* operationFrame = layout.frame("Frame3", "動作");
  auto* operations = new QButtonGroup(operationFrame);
  for (const OperationOption& option : kOperationOptions) {
    operations->addButton(layout.add<QRadioButton>(option.name, option.caption),
                          static_cast<int>(option.operation));
  }
  connect(operations, &QButtonGroup::idClicked, this, [this](int operation) {
    model_.chooseOperation(static_cast<StageOperation>(operation));
  });
}

void StageOperationsDialog::showTarget(int side) {
  nameBoxes_[side]->setText(QString::fromStdString(model_.targetName(side)));
  previews_[side]->setPicture(toQImage(model_.targetPreview(side)));
}

std::optional<StageOperationChoice> runStageOperationsDialog(const StageSet& stageSet,
                                                             Platform& platform,
                                                             const Image24& miniStrip,
                                                             QWidget* owner) {
  StageOperationsDialog dialog(stageSet, platform, miniStrip, owner);
  if (dialog.exec() != QDialog::Accepted) {
    return std::nullopt;
  }
  return dialog.chosenOperation();
}

}  // namespace vantoki
