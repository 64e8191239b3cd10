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
  layout.buildEveryControl();
  setModal(true);

  connectTargetFrame(layout, kTargetA);
  connectTargetFrame(layout, kTargetB);
  auto* operations = new QButtonGroup(layout.control<QGroupBox>("Frame3"));
  for (const OperationOption& option : kOperationOptions) {
    operations->addButton(layout.control<QRadioButton>(option.name),
                          static_cast<int>(option.operation));
  }
  connect(operations, &QButtonGroup::idClicked, this, [this](int operation) {
    model_.chooseOperation(static_cast<StageOperation>(operation));
  });

  connect(layout.control<QPushButton>("Command1"), &QPushButton::clicked, this, [this] {
    chosen_ = model_.execute();
    if (chosen_) {
      accept();
    }
  });
  connect(layout.control<QPushButton>("Command2"), &QPushButton::clicked, this, &QDialog::reject);
}

void StageOperationsDialog::connectTargetFrame(const LayoutBuilder& layout, int side) {
  // One group per frame, so each side keeps its own choice.
  auto* options =
      new QButtonGroup(layout.control<QGroupBox>(side == kTargetA ? "Frame1" : "Frame2"));
  options->setExclusive(true);
  for (int stage = 0; stage < kStageCount; ++stage) {
    const int option = side * kStageCount + stage;
    options->addButton(layout.control<QPushButton>(arrayName("Option1", option)), option);
  }
  connect(options, &QButtonGroup::idClicked, this, [this](int option) {
    if (const std::optional<int> chosen = model_.chooseTarget(option)) {
      showTarget(*chosen);
    }
  });

  nameBoxes_[side] = layout.control<QLineEdit>(arrayName("Text1", side));
  previews_[side] = layout.control<PictureBox>(arrayName("Picture1", side));
  QPalette ground = previews_[side]->palette();
  ground.setColor(QPalette::Window, QColor::fromRgb(kStagePreviewGround));
  previews_[side]->setPalette(ground);
  // Preview A stands on the dialog itself, in front of its frame.
  previews_[side]->raise();
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
