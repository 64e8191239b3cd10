#include "dialogs/about_box.h"

#include <QGroupBox>
#include <QPushButton>
#include <QUrl>

#include <filesystem>
#include <string>

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

QLabel* rightAlignedLabel(LayoutBuilder& layout, std::string_view name, const QString& caption) {
  QLabel* control = layout.label(name, caption);
  control->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  return control;
}

// The help page's file: address as the desktop reads it: every character of the folder's name
// that an address may not carry as it is is percent-encoded.
std::string fileAddress(const std::filesystem::path& page) {
  return QUrl::fromLocalFile(QString::fromStdString(page.string()))
      .toString(QUrl::FullyEncoded)
      .toStdString();
}

}  // namespace

AboutBox::AboutBox(Platform& platform, QWidget* parent) : QDialog(parent) {
  LayoutBuilder layout(this, aboutBoxLayout());
  setWindowTitle("バージョン情報");
  setModal(true);

  layout.add<PictureBox>("picIcon")->setPicture(loadWindowIcon());

  QLabel* title = layout.label("lblTitle", QString("Vantoki　Ver %1").arg(kMajorMinorVersion));
  title->setFont(gothicFont(11.25, true));
  QPalette titleColors = title->palette();
  titleColors.setColor(QPalette::WindowText, kTitleColor);
  title->setPalette(titleColors);

  layout.frame("Frame1", "");
  rightAlignedLabel(layout, "Label1", "作者　：");
  layout.label("Label2", fromView(kMakerName));
  rightAlignedLabel(layout, "lblDescription", "ホームページ　：");
  auto* webPage = layout.add<AboutLinkLabel>("Label3", fromView(kMakerWebPage));
  rightAlignedLabel(layout, "Label4", "メール　：");
  auto* mail = layout.add<AboutLinkLabel>("Label5", fromView(kMakerMailAddress));

  QPushButton* help = layout.button("Command2", "ヘルプ");
  QPushButton* close = layout.button("Command1", "閉じる");

  connect(help, &QPushButton::clicked, this, [&platform] {
    const std::filesystem::path page = helpPagePath(platform.dataFolder());
    openHelpPage(platform, page, fileAddress(page));
  });
  connect(webPage, &AboutLinkLabel::clicked, this, [&platform] { openMakerWebPage(platform); });
  connect(mail, &AboutLinkLabel::clicked, this, [&platform] { writeMailToMaker(platform); });
  connect(close, &QPushButton::clicked, this, &QDialog::reject);
}

}  // namespace vantoki
