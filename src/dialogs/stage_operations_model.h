// What the stage operations dialog knows and does, free of any widget: the two targets, A and B
// (−1 until chosen), the name and preview each side shows, the chosen operation, and executing
// it. Executing refuses a missing or pointless choice with an error message, then asks for
// confirmation; after the answer Yes it hands back the operation chosen, which the game applies
// to its stage set. The model never changes the stage set itself. Each side shows its stage as it
// was when it was chosen.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "core/stage_operations.h"
#include "core/stage_set.h"
#include "platform/platform.h"
#include "view/image24.h"

namespace vantoki {

constexpr int kTargetA = 0;
constexpr int kTargetB = 1;
constexpr int kNoTarget = -1;
// Option buttons 0..9 choose target A, 10..19 target B.
constexpr int kTargetOptionCount = 2 * kStageCount;

// The operation options of the dialog: object name and the operation each chooses; their captions
// are the layout table's.
struct OperationOption {
  const char* name;
  StageOperation operation;
};

inline constexpr std::array<OperationOption, 4> kOperationOptions = {{
    {"Option2", StageOperation::MoveBehind},
    {"Option3", StageOperation::Swap},
    {"Option4", StageOperation::CopyOver},
    {"Option5", StageOperation::Delete},
}};

class StageOperationsModel {
 public:
  // `miniStrip` is the mini sprite strip drawStagePreview reads; it must outlive the model.
  StageOperationsModel(const StageSet& stageSet, Platform& platform, const Image24& miniStrip);

  // Chooses the target of option button `option` and returns its side (kTargetA or kTargetB);
  // an index no option button has chooses nothing.
  std::optional<int> chooseTarget(int option);
  void chooseOperation(StageOperation operation) { operation_ = operation; }
  // The operation and its targets once the player confirmed them, which is when the dialog
  // closes; empty after a refusal or a No.
  std::optional<StageOperationChoice> execute();

  int target(int side) const { return targets_[side]; }
  const std::string& targetName(int side) const { return targetNames_[side]; }
  // Empty (0 × 0) until the side's target is chosen.
  const Image24& targetPreview(int side) const { return targetPreviews_[side]; }
  std::optional<StageOperation> operation() const { return operation_; }

 private:
  std::optional<std::string> refusal() const;

  const StageSet& stageSet_;
  Platform& platform_;
  const Image24& miniStrip_;
  std::array<std::int16_t, 2> targets_{kNoTarget, kNoTarget};
  std::array<std::string, 2> targetNames_;
  std::array<Image24, 2> targetPreviews_;
  std::optional<StageOperation> operation_;
};

}  // namespace vantoki
