#include "dialogs/stage_operations_model.h"

#include "dialogs/stage_preview.h"
#include "platform/messages.h"

namespace vantoki {
namespace {

const char* const kLineBreak = "\r\n";
const char* const kAskToGoOn = "よろしいですか？";

// The stage numbers the user sees are 1-based.
std::string confirmationText(const StageOperationChoice& choice) {
  const std::string stageA = "ステージ" + std::to_string(choice.a + 1);
  const std::string numberB = std::to_string(choice.b + 1);
  switch (choice.operation) {
    case StageOperation::MoveBehind:
      return stageA + "をステージ" + numberB + "の後ろに移動させます。" + kLineBreak + kAskToGoOn;
    case StageOperation::Swap:
      return stageA + "とステージ" + numberB + "を入れ替えます。" + kLineBreak + kAskToGoOn;
    case StageOperation::CopyOver:
      return stageA + "をステージ" + numberB + "に上書きコピーします。" + kLineBreak +
             "現在ステージ" + numberB + "に入っているデータは、上書きされますので消えます。" +
             kLineBreak + kAskToGoOn;
    case StageOperation::Delete:
      return stageA + "を削除します。" + kLineBreak + kAskToGoOn;
  }
  return {};
}

}  // namespace

StageOperationsModel::StageOperationsModel(const StageSet& stageSet, Platform& platform,
                                           const Image24& miniStrip)
    : stageSet_(stageSet), platform_(platform), miniStrip_(miniStrip) {}

std::optional<int> StageOperationsModel::chooseTarget(int option) {
  if (option < 0 || option >= kTargetOptionCount) {
    return std::nullopt;
  }
  const int side = option < kStageCount ? kTargetA : kTargetB;
  const int stage = option % kStageCount;
  targets_[side] = static_cast<std::int16_t>(stage);
  targetNames_[side] = stageSet_.stageNames[stage];
  targetPreviews_[side] = drawStagePreview(stageSet_.stageCells[stage], miniStrip_);
  return side;
}

std::optional<StageOperationChoice> StageOperationsModel::execute() {
  if (const std::optional<std::string> reason = refusal()) {
    reportError(platform_, *reason);
    return std::nullopt;
  }
  const StageOperationChoice choice{*operation_, targets_[kTargetA], targets_[kTargetB]};
  if (!confirm(platform_, confirmationText(choice))) {
    return std::nullopt;
  }
  return choice;
}

std::optional<std::string> StageOperationsModel::refusal() const {
  if (!operation_) {
    return "動作を選択してください。";
  }
  const int a = targets_[kTargetA];
  const int b = targets_[kTargetB];
  if (*operation_ == StageOperation::Delete) {
    if (a == kNoTarget) {
      return "『ターゲットＡ』を指定してください。";
    }
    return std::nullopt;
  }
  if (a == kNoTarget || b == kNoTarget) {
    return "『ターゲットＡ』と『ターゲットＢ』を指定してください。";
  }
  if (a == b) {
    return "『ターゲットＡ』と『ターゲットＢ』が同じですので効果がありません。";
  }
  return std::nullopt;
}

}  // namespace vantoki
