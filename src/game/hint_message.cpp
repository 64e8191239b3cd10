#include "game/hint_message.h"

#include <array>

#include "core/direction.h"

namespace vantoki {

std::string hintMessage(const Hint& hint) {
  static const std::array<std::string, kDirectionCount> kArrows = {"←", "↑", "→", "↓"};
  const std::string noLonger = "この盤面からはもうクリアできません。";
  switch (hint.kind) {
    case HintKind::NextMove:
      return "次の一手：" + kArrows.at(hint.direction) + "（あと" +
             std::to_string(hint.turnsToClear) + "手でクリア）";
    case HintKind::NoLongerClearable:
      if (hint.stepsBack) {
        return noLonger + std::to_string(*hint.stepsBack) + "手戻ればまだクリアできます。";
      }
      return noLonger + "何手戻ればクリアできるかは、探索の上限までにわかりませんでした。";
    case HintKind::NeverClearable:
      return "このステージは最初からクリアできません。";
    case HintKind::OutOfBudget:
      break;
  }
  return "探索の上限までに答えが見つかりませんでした。";
}

}  // namespace vantoki
