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
  QPushButton* yes = nullptr;
  if (buttons == MessageButtons::YesNo) {
    yes = choices->addButton("はい", QDialogButtonBox::AcceptRole);
    choices->addButton("いいえ", QDialogButtonBox::RejectRole);
  } else {
    yes = choices->addButton("OK", QDialogButtonBox::AcceptRole);
  }
  yes->setDefault(true);
  yes->setFocus();
  QObject::connect(choices, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(choices, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  layout->addWidget(choices);

  const bool accepted = dialog.exec() == QDialog::Accepted;
  if (buttons == MessageButtons::Ok) {
    return MessageAnswer::Ok;
  }
  return accepted ? MessageAnswer::Yes : MessageAnswer::No;
}

}  // namespace vantoki
