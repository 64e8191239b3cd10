// The stage operations dialog's behaviour, object "Form2" (layout/layout_table.h): a click on a
// stage option of either frame chooses that side's target and shows its name and preview, with
// one option held down per frame; a click on an operation chooses it, one at a time; "実行"
// executes (dialogs/stage_operations_model.h) and closes the dialog once the player confirmed;
// "閉じる" closes it with nothing chosen.
#pragma once

#include <optional>

#include "dialogs/stage_operations_model.h"
#include "screen/dialog_controller.h"

namespace vantoki {

class StageOperationsController : public DialogController {
 public:
  // The stage set, the platform and `miniStrip` must outlive the controller.
  StageOperationsController(const StageSet& stageSet, Platform& platform, const Image24& miniStrip);

  void click(std::string_view control) override;

  // The operation the player confirmed; empty until then, and when the dialog closed without one.
  const std::optional<StageOperationChoice>& chosen() const { return chosen_; }

 private:
  void showTarget(int side, int option);

  StageOperationsModel model_;
  std::optional<StageOperationChoice> chosen_;
};

}  // namespace vantoki
