#include "dialogs/stage_operations_controller.h"

#include "layout/layout_table.h"

namespace vantoki {
namespace {

constexpr std::string_view kTargetOptions = "Option1";  // (0..19): A's ten, then B's
constexpr std::string_view kNameBoxes = "Text1";        // (side)
constexpr std::string_view kPreviews = "Picture1";      // (side)
constexpr std::string_view kExecuteButton = "Command1";
constexpr std::string_view kCloseButton = "Command2";

}  // namespace

StageOperationsController::StageOperationsController(const StageSet& stageSet, Platform& platform,
                                                     const Image24& miniStrip)
    : DialogController(stageOperationsLayout()), model_(stageSet, platform, miniStrip) {}

void StageOperationsController::click(std::string_view control) {
  for (int option = 0; option < kTargetOptionCount; ++option) {
    if (control == arrayName(kTargetOptions, option)) {
      if (const std::optional<int> side = model_.chooseTarget(option)) {
        showTarget(*side, option);
      }
      return;
    }
  }
  for (const OperationOption& option : kOperationOptions) {
    if (control == option.name) {
      model_.chooseOperation(option.operation);
      for (const OperationOption& each : kOperationOptions) {
        screen_.check(each.name, each.operation == option.operation);
      }
      return;
    }
  }
  if (control == kExecuteButton) {
    chosen_ = model_.execute();
    if (chosen_) {
      close();
    }
  } else if (control == kCloseButton) {
    close();
  }
}

void StageOperationsController::showTarget(int side, int option) {
  for (int stage = 0; stage < kStageCount; ++stage) {
    const int each = side * kStageCount + stage;
    screen_.check(arrayName(kTargetOptions, each), each == option);
  }
  screen_.caption(arrayName(kNameBoxes, side), model_.targetName(side));
  screen_.picture(arrayName(kPreviews, side), model_.targetPreview(side));
}

}  // namespace vantoki
