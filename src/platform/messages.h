// The game's messages by their kind, each with its title and its buttons: a completion says what
// was done ("メッセージ", OK), an error what could not be done or chosen ("エラー", OK), and a
// question asks before the game acts ("確認", はい and いいえ, and キャンセル where the player
// may also keep everything as it is). The titles are written here and nowhere else.
#pragma once

#include <string>

#include "platform/platform.h"

namespace vantoki {

inline void tellDone(Platform& platform, const std::string& text) {
  platform.showMessage(text, "メッセージ", MessageButtons::Ok);
}

inline void reportError(Platform& platform, const std::string& text) {
  platform.showMessage(text, "エラー", MessageButtons::Ok);
}

// Whether the player answered はい.
inline bool confirm(Platform& platform, const std::string& text) {
  return platform.showMessage(text, "確認", MessageButtons::YesNo) == MessageAnswer::Yes;
}

inline MessageAnswer askYesNoCancel(Platform& platform, const std::string& text) {
  return platform.showMessage(text, "確認", MessageButtons::YesNoCancel);
}

// The answer of a message box closed without a button, by its close control or Escape: the one
// that changes nothing.
constexpr MessageAnswer answerWhenClosed(MessageButtons buttons) {
  return buttons == MessageButtons::YesNoCancel ? MessageAnswer::Cancel
         : buttons == MessageButtons::YesNo     ? MessageAnswer::No
                                                : MessageAnswer::Ok;
}

}  // namespace vantoki
