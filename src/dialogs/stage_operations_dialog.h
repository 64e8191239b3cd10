// Form2, the modal dialog that rearranges the stages of the stage set: target A on the left,
// target B on the right, each with its stage's name and preview, the four operations below, and
// "実行" / "閉じる". Controls carry the game's names as object names ("Option1(12)", "Text1(1)",
// "Picture1(0)", …). The dialog only forwards clicks to StageOperationsModel and shows what it
// says; exec() returns Accepted only after an operation was performed on the stage set.
#pragma once

#include <array>

#include <QDialog>

#include "core/stage_set.h"
#include "dialogs/stage_operations_model.h"
#include "platform/platform.h"
#include "view/image24.h"

class QLineEdit;

namespace vantoki {

class PictureBox;

class StageOperationsDialog : public QDialog {
  Q_OBJECT

 public:
  // The stage set is changed in place; `miniStrip` (221 × 13, see dialogs/stage_preview.h) must
  // outlive the dialog.
  StageOperationsDialog(StageSet& stageSet, Platform& platform, const Image24& miniStrip,
                        QWidget* parent = nullptr);

 private:
  void buildTargetFrame(int side);
  void buildOperationFrame();
  void showTarget(int side);

  StageOperationsModel model_;
  std::array<QLineEdit*, 2> nameBoxes_{};
  std::array<PictureBox*, 2> previews_{};
};

}  // namespace vantoki
