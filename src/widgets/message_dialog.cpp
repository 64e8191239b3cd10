#include "widgets/message_dialog.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

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
  // Escape, like closing the box, leaves the answer that changes nothing.
  MessageAnswer answer = buttons == MessageButtons::YesNoCancel ? MessageAnswer::Cancel
                         : buttons == MessageButtons::YesNo     ? MessageAnswer::No
                                                                : MessageAnswer::Ok;
  const auto addChoice = [&](const char* caption, MessageAnswer chosen) {
    QPushButton* button = choices->addButton(caption, QDialogButtonBox::ActionRole);
    QObject::connect(button, &QPushButton::clicked, &dialog, [&dialog, &answer, chosen] {
      answer = chosen;
      dialog.accept();
    });
    return button;
  };
  QPushButton* first = nullptr;
  if (buttons == MessageButtons::Ok) {
    first = addChoice("OK", MessageAnswer::Ok);
  } else {
    first = addChoice("はい", MessageAnswer::Yes);
    addChoice("いいえ", MessageAnswer::No);
    if (buttons == MessageButtons::YesNoCancel) {
      addChoice("キャンセル", MessageAnswer::Cancel);
    }
  }
  first->setDefault(true);
  first->setFocus();
  layout->addWidget(choices);

  dialog.exec();
  return answer;
}

}  // namespace vantoki
