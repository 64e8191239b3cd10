#include "widgets/message_dialog.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "dialogs/message_box_choices.h"
#include "platform/messages.h"
#include "widgets/controls.h"

namespace vantoki {
namespace {

// What the box's margins and frame take of the screen's width beside its text.
constexpr int kMarginsAndFrame = 80;

QLabel* messageLabel(QDialog& dialog, const std::string& text) {
  auto* label = new QLabel(QString::fromStdString(text), &dialog);
  label->setObjectName("messageText");
  label->setTextFormat(Qt::PlainText);
  label->setTextInteractionFlags(Qt::TextSelectableByMouse);
  const QScreen* screen = dialog.screen();
  const int widest =
      (screen != nullptr ? screen->availableGeometry().width() : 1024) - kMarginsAndFrame;
  if (label->sizeHint().width() > widest) {
    label->setWordWrap(true);
    label->setFixedWidth(widest);
  }
  return label;
}

}  // namespace

MessageAnswer showMessageDialog(QWidget* owner, const std::string& text, const std::string& title,
                                MessageButtons buttons) {
  QDialog dialog(owner);
  dialog.setWindowTitle(QString::fromStdString(title));
  dialog.setModal(true);
  auto* layout = new QVBoxLayout(&dialog);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  layout->setContentsMargins(20, 16, 20, 12);
  layout->setSpacing(16);
  layout->addWidget(messageLabel(dialog, text));

  auto* choices = new QDialogButtonBox(&dialog);
  choices->setCenterButtons(true);
  MessageAnswer answer = answerWhenClosed(buttons);
  QPushButton* first = nullptr;
  for (const MessageChoice& choice : messageChoices(buttons)) {
    QPushButton* button =
        choices->addButton(fromView(choice.caption), QDialogButtonBox::ActionRole);
    button->setObjectName(fromView(choice.control));
    QObject::connect(button, &QPushButton::clicked, &dialog,
                     [&dialog, &answer, chosen = choice.answer] {
                       answer = chosen;
                       dialog.accept();
                     });
    if (first == nullptr) {
      first = button;
    }
  }
  first->setDefault(true);
  first->setFocus();
  layout->addWidget(choices);

  dialog.exec();
  return answer;
}

}  // namespace vantoki
