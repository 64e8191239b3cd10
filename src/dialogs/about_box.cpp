#include "dialogs/about_box.h"

#include <QGroupBox>
#include <QPushButton>
#include <QUrl>

#include <filesystem>
#include <string>

#include "dialogs/about_links.h"
#include "view/strip_loader.h"
#include "widgets/application_style.h"
#include "widgets/controls.h"
#include "widgets/link_label.h"
#include "widgets/picture_box.h"

namespace vantoki {
namespace {

const QColor kTitleColor(0, 0, 0);

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
  layout.buildEveryControl();
  setModal(true);

  layout.control<PictureBox>("picIcon")->setPicture(loadWindowIcon());
  auto* title = layout.control<QLabel>("lblTitle");
  title->setFont(gothicFont(11.25, true));
  QPalette titleColors = title->palette();
  titleColors.setColor(QPalette::WindowText, kTitleColor);
  title->setPalette(titleColors);
  for (const std::string_view name : {"Label1", "lblDescription", "Label4"}) {
    layout.control<QLabel>(name)->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  }

  connect(layout.control<QPushButton>("Command2"), &QPushButton::clicked, this, [&platform] {
    const std::filesystem::path page = helpPagePath(platform.dataFolder());
    openHelpPage(platform, page, fileAddress(page));
  });
  connect(layout.control<LinkLabel>("Label3"), &LinkLabel::clicked, this,
          [&platform] { openMakerWebPage(platform); });
  connect(layout.control<LinkLabel>("Label5"), &LinkLabel::clicked, this,
          [&platform] { writeMailToMaker(platform); });
  connect(layout.control<QPushButton>("Command1"), &QPushButton::clicked, this, &QDialog::reject);
}

}  // namespace vantoki
