// The buttons of the game's message box (layout/layout_table.h, "MessageBox"): which ones a
// message of each kind shows, in the order they stand, with their captions and what each answers.
// The first is the default; a box closed without a button answers answerWhenClosed
// (platform/messages.h).
#pragma once

#include <string_view>
#include <vector>

#include "platform/platform.h"

namespace vantoki {

struct MessageChoice {
  std::string_view control;
  std::string_view caption;
  MessageAnswer answer;
};

std::vector<MessageChoice> messageChoices(MessageButtons buttons);

}  // namespace vantoki
