#include "widgets/dialog_window.h"

#include <QButtonGroup>
#include <QDialog>
#include <QPushButton>

#include <map>

#include "widgets/control_changes.h"
#include "widgets/control_event_forwarding.h"
#include "widgets/controls.h"

namespace vantoki {
namespace {

// The controller's events, and the end of the dialog as soon as one of them closes it.
class ClosingEvents : public ControlEvents {
 public:
  ClosingEvents(DialogController& controller, QDialog& dialog)
      : controller_(controller), dialog_(dialog) {}

  void click(std::string_view control) override {
    controller_.click(control);
    closeIfDone();
  }
  void editText(std::string_view control, const std::string& text) override {
    controller_.editText(control, text);
    closeIfDone();
  }
  void chooseItem(std::string_view control, int index) override {
    controller_.chooseItem(control, index);
    closeIfDone();
  }
  void openItem(std::string_view control, int index) override {
    controller_.openItem(control, index);
    closeIfDone();
  }
  void focusMoved(std::string_view control) override { controller_.focusMoved(control); }

 private:
  void closeIfDone() {
    if (controller_.closed()) {
      dialog_.accept();
    }
  }

  DialogController& controller_;
  QDialog& dialog_;
};

// A dialog's options of one frame are one stop of Tab, chosen among with the arrow keys, as the
// desktop's own dialogs have them; which one is held down is still the controller's to say.
void groupOptionsByFrame(QDialog& dialog) {
  std::map<QWidget*, QButtonGroup*> groups;
  for (QPushButton* option : dialog.findChildren<QPushButton*>()) {
    if (option->isCheckable()) {
      QButtonGroup*& group = groups[option->parentWidget()];
      if (group == nullptr) {
        group = new QButtonGroup(option->parentWidget());
      }
      group->addButton(option);
    }
  }
}

}  // namespace

void runDialog(DialogController& controller, QWidget* owner) {
  QDialog dialog(owner);
  LayoutBuilder(&dialog, controller.layout()).buildEveryControl();
  groupOptionsByFrame(dialog);
  dialog.setModal(true);
  controller.screen().setListener(
      [&dialog](const ControlChange& change) { applyChange(&dialog, change); });
  ClosingEvents events(controller, dialog);
  forwardControlEvents(&dialog, events);
  controller.opened();
  if (!controller.closed()) {
    dialog.exec();
  }
  controller.screen().setListener(nullptr);
}

}  // namespace vantoki
