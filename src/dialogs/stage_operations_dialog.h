// The modal dialog that chooses how to rearrange the stages of the stage set: target A on the
// left, target B on the right, each with its stage's name and preview, the four operations below,
// and "実行" / "閉じる". It is object "Form2", and its controls carry the object names of the
// layout table ("Option1(12)", "Text1(1)", "Picture1(0)", …). The dialog only forwards clicks to
// StageOperationsModel and shows what it says; exec() returns Accepted once the player confirmed
// an operation, which chosenOperation() then holds. The stage set itself is never changed here.
#pragma once

#include <array>
#include <optional>

#include <QDialog>

#include "core/stage_set.h"
#include "dialogs/stage_operations_model.h"
#include "platform/platform.h"
#include "view/image24.h"

class QLineEdit;

namespace vantoki {

class LayoutBuilder;
class PictureBox;

class StageOperationsDialog : public QDialog {
  Q_OBJECT

 public:
  // The stage set and `miniStrip` (221 × 13, see dialogs/stage_preview.h) must outlive the
  // dialog.
  StageOperationsDialog(const StageSet& stageSet, Platform& platform, const Image24& miniStrip,
                        QWidget* parent = nullptr);

  const std::optional<StageOperationChoice>& chosenOperation() const { return chosen_; }

 private:
  void connectTargetFrame(const LayoutBuilder& layout, int side);
  void showTarget(int side);

  StageOperationsModel model_;
  std::optional<StageOperationChoice> chosen_;
  std::array<QLineEdit*, 2> nameBoxes_{};
  std::array<PictureBox*, 2> previews_{};
};

// Shows the dialog modal to `owner` and returns the operation the player confirmed, if any.
std::optional<StageOperationChoice> runStageOperationsDialog(const StageSet& stageSet,
                                                             Platform& platform,
                                                             const Image24& miniStrip,
                                                             QWidget* owner);

}  // namespace vantoki
