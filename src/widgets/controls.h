// How the game's windows build their controls: each one named, placed and sized as the layout
// table says (layout/layout_table.h), inside the window or frame the table names, in the game's
// colours (cream windows and frames, orange buttons, cyan locked name boxes). Shared by the main
// window and the dialogs.
#pragma once

#include <QColor>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QString>

#include <span>
#include <string_view>
#include <type_traits>

#include "layout/layout_table.h"

namespace vantoki {

inline const QColor kWindowColor(255, 255, 192);
inline const QColor kButtonColor(255, 192, 128);
inline const QColor kLockedTextColor(0, 192, 192);
inline const QColor kEditableTextColor(255, 255, 255);

QString fromView(std::string_view text);

// Widens a label to the right, keeping its place and height, until its whole text shows.
void widenToText(QLabel* label);

// Builds the controls of one window from its layout table. The window takes its object name, its
// title and its fixed client size from its own entry and the game's background colour. A
// control's parent is the window or a frame built before it.
class LayoutBuilder {
 public:
  LayoutBuilder(QWidget* window, std::span<const ControlPlace> layout);

  // Every control of the table, in its order, which is the order Tab visits them: the widget of
  // its kind with its caption, hidden where the table says so.
  void buildEveryControl();

  // A control built before, by its object name; a missing one, or one of another type, is a
  // mistake in the program, which stops with the name.
  template <typename Control>
  Control* control(std::string_view name) const {
    auto* found = qobject_cast<Control*>(namedControl(name));
    if (found == nullptr) {
      missing(name);
    }
    return found;
  }

  // A control made with `arguments` and its parent, e.g. add<QRadioButton>("Option2", caption).
  template <typename Control, typename... Arguments>
  Control* add(std::string_view name, Arguments&&... arguments) {
    const ControlPlace& place = placeOf(layout_, name);
    auto* control = new Control(std::forward<Arguments>(arguments)..., parentOf(place));
    control->setObjectName(fromView(name));
    control->setGeometry(place.left, place.top, place.width, place.height);
    if constexpr (std::is_base_of_v<QLabel, Control>) {
      if (place.kind == ControlKind::Link) {
        widenToText(control);
      }
    }
    return control;
  }

  // A graphical button in the button colour. It takes the focus from Tab and from a click, in the
  // order the controls are built, and Space presses it.
  QPushButton* button(std::string_view name, const QString& caption);
  QLabel* label(std::string_view name, const QString& caption);
  QGroupBox* frame(std::string_view name, const QString& caption);
  // A name box in the large bold Gothic, locked.
  QLineEdit* nameBox(std::string_view name);

 private:
  QWidget* parentOf(const ControlPlace& place) const;
  QWidget* namedControl(std::string_view name) const;
  [[noreturn]] static void missing(std::string_view name);
  void build(const ControlPlace& place);

  QWidget* window_;
  std::span<const ControlPlace> layout_;
};

// Locked boxes are cyan and take no focus, so neither Tab nor a click leaves a highlight in a box
// the player cannot change; editable ones are white and take the focus where they stand.
void setNameBoxLocked(QLineEdit* box, bool locked);

}  // namespace vantoki
