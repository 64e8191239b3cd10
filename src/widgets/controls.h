// How the game's windows build their controls: each control placed at a fixed pixel position and
// named as the game has always named it, in the game's colours (cream windows and frames, orange
// buttons, cyan locked name boxes). Shared by the main window and the dialogs.
#pragma once

#include <QColor>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QString>

namespace vantoki {

inline const QColor kWindowColor(255, 255, 192);
inline const QColor kButtonColor(255, 192, 128);
inline const QColor kLockedTextColor(0, 192, 192);
inline const QColor kEditableTextColor(255, 255, 255);

// The object name of element `index` of a control array, e.g. "Option1(3)".
QString arrayName(const char* name, int index);

template <typename Control>
Control* place(Control* control, const QString& name, int left, int top, int width, int height) {
  control->setObjectName(name);
  control->setGeometry(left, top, width, height);
  return control;
}

// A graphical button in the button colour; it takes no keyboard focus, as the game's never did.
QPushButton* button(QWidget* parent, const QString& name, const QString& caption, int left, int top,
                    int width, int height);
QLabel* label(QWidget* parent, const QString& name, const QString& caption, int left, int top,
              int width, int height);
QGroupBox* frame(QWidget* parent, const QString& name, const QString& caption, int left, int top,
                 int width, int height);
// A name box in the large bold Gothic, locked.
QLineEdit* nameBox(QWidget* parent, const QString& name, int left, int top, int width, int height);
// Locked boxes are cyan; editable ones white.
void setNameBoxLocked(QLineEdit* box, bool locked);
// Fills a window or dialog with the game's background colour.
void paintWindowBackground(QWidget* window);

}  // namespace vantoki
