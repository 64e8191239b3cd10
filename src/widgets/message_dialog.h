// The game's message box: a text, a title, and the buttons of its kind (dialogs/
// message_box_choices.h), with no icon, modal to its owner. The buttons are the game's own words,
// so they are Japanese whether or not the toolkit's translations are installed. A line of the text
// is never broken inside a word: the box grows to the widest line, and wraps only a line wider than
// the screen (a very long path).
#pragma once

#include <QWidget>

#include <string>

#include "platform/platform.h"

namespace vantoki {

// はい is the default button. Escape, like closing the box, answers the choice that changes
// nothing: キャンセル where there is one, else いいえ; with OK alone, OK.
MessageAnswer showMessageDialog(QWidget* owner, const std::string& text, const std::string& title,
                                MessageButtons buttons);

}  // namespace vantoki
