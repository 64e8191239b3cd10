// The version information box, object "frmAbout": the program icon, "Vantoki　Ver" and the
// version, the maker's name, web page and mail address in a frame, "ヘルプ" and "閉じる". The two
// addresses are links; "ヘルプ" opens help.html beside the program (dialogs/about_links.h).
// Controls carry the object names of the layout table (picIcon, lblTitle, Frame1, Label1 …
// Label5, lblDescription, Command1, Command2). Shown modal, centred on its parent, with exec().
#pragma once

#include <QDialog>

#include "platform/platform.h"

namespace vantoki {

class AboutBox : public QDialog {
  Q_OBJECT

 public:
  // `platform` opens the links and must outlive the box.
  AboutBox(Platform& platform, QWidget* parent);
};

}  // namespace vantoki
