// The About box's behaviour, object "frmAbout" (layout/layout_table.h): "ヘルプ" opens the help
// page, the web page address opens in the browser, the mail address starts a new mail to the
// maker, "閉じる" closes the box (dialogs/about_links.h). Everything it shows is its layout
// table's.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "platform/platform.h"
#include "screen/dialog_controller.h"

namespace vantoki {

// Where the help page is: the file to look for before a browser is started, where the shell has
// it as a file (none where it lies beside the page on a server), and the address to open.
struct HelpPage {
  std::optional<std::filesystem::path> file;
  std::string address;
};

class AboutBoxController : public DialogController {
 public:
  // `platform` opens the links and must outlive the controller.
  AboutBoxController(Platform& platform, HelpPage helpPage);

  void click(std::string_view control) override;

 private:
  Platform& platform_;
  HelpPage helpPage_;
};

}  // namespace vantoki
