#include "dialogs/message_box_choices.h"

#include "layout/layout_table.h"

namespace vantoki {

std::vector<MessageChoice> messageChoices(MessageButtons buttons) {
  const auto choice = [](std::string_view control, MessageAnswer answer) {
    return MessageChoice{control, placeOf(messageBoxLayout(), control).caption, answer};
  };
  switch (buttons) {
    case MessageButtons::Ok:
      break;
    case MessageButtons::YesNo:
      return {choice("yesButton", MessageAnswer::Yes), choice("noButton", MessageAnswer::No)};
    case MessageButtons::YesNoCancel:
      return {choice("yesButton", MessageAnswer::Yes), choice("noButton", MessageAnswer::No),
              choice("cancelButton", MessageAnswer::Cancel)};
  }
  return {choice("okButton", MessageAnswer::Ok)};
}

}  // namespace vantoki
