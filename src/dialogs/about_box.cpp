#include "dialogs/about_box.h"

#include <QFontMetricsF>
#include <QGroupBox>
#include <QPushButton>

#include <algorithm>
#include <cmath>

#include "dialogs/about_link_label.h"
#include "dialogs/about_links.h"
#include "platform/version.h"
#include "view/strip_loader.h"
#include "widgets/application_style.h"
#include "widgets/controls.h"
#include "widgets/picture_box.h"

namespace vantoki {
namespace {

const QColor kTitleColor(0, 0, 0);

QString fromView(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QLabel* rightAlignedLabel(QWidget* parent, const QString& name, const QString& caption, int top) {
  QLabel* control = label(parent, name, caption, 12, top, 87, 11);
  control->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  return control;
}

// The box was laid out for a shorter address than ours; a link widens to show all of its text
// rather than cut the address off.
void widenToText(QLabel* link) {
  const double textWidth = QFontMetricsF(link->font()).horizontalAdvance(link->text());
  link->resize(std::max(link->width(), static_cast<int>(std::ceil(textWidth))), link->height());
}

AboutLinkLabel* link(QWidget* parent, const QString& name, std::string_view address, int top,
                     int width) {
  auto* control = place(new AboutLinkLabel(fromView(address), parent), name, 104, top, width, 15);
  widenToText(control);
  return control;
}

}  // namespace

AboutBox::AboutBox(Platform& platform, QWidget* parent) : QDialog(parent) {
  setObjectName("frmAbout");
  setWindowTitle("バージョン情報");
  setModal(true);
  setFixedSize(295, 220);
  paintWindowBackground(this);

  auto* icon = place(new PictureBox(this), "picIcon", 12, 12, 32, 32);
  icon->setPicture(loadWindowIcon());

  QLabel* title =
      label(this, "lblTitle", QString("Vantoki　Ver %1").arg(kMajorMinorVersion), 56, 20, 219, 15);
  title->setFont(gothicFont(11.25, true));
  QPalette titleColors = title->palette();
  titleColors.setColor(QPalette::WindowText, kTitleColor);
  title->setPalette(titleColors);

  QGroupBox* maker = frame(this, "Frame1", "", 12, 68, 273, 81);
  rightAlignedLabel(maker, "Label1", "作者　：", 16);
  label(maker, "Label2", fromView(kMakerName), 104, 16, 103, 11);
  rightAlignedLabel(maker, "lblDescription", "ホームページ　：", 36);
  AboutLinkLabel* webPage = link(maker, "Label3", kMakerWebPage, 36, 75);
  rightAlignedLabel(maker, "Label4", "メール　：", 56);
  AboutLinkLabel* mail = link(maker, "Label5", kMakerMailAddress, 56, 59);

  QPushButton* help = button(this, "Command2", "ヘルプ", 192, 160, 93, 21);
  QPushButton* close = button(this, "Command1", "閉じる", 192, 188, 93, 21);

  connect(help, &QPushButton::clicked, this, [&platform] { openHelpPage(platform); });
  connect(webPage, &AboutLinkLabel::clicked, this, [&platform] { openMakerWebPage(platform); });
  connect(mail, &AboutLinkLabel::clicked, this, [&platform] { writeMailToMaker(platform); });
  connect(close, &QPushButton::clicked, this, &QDialog::reject);
}

}  // namespace vantoki
