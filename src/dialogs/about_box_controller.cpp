#include "dialogs/about_box_controller.h"

#include <utility>

#include "dialogs/about_links.h"
#include "layout/layout_table.h"

namespace vantoki {
namespace {

constexpr std::string_view kHelpButton = "Command2";
constexpr std::string_view kWebPageLink = "Label3";
constexpr std::string_view kMailLink = "Label5";
constexpr std::string_view kCloseButton = "Command1";

}  // namespace

AboutBoxController::AboutBoxController(Platform& platform, HelpPage helpPage)
    : DialogController(aboutBoxLayout()), platform_(platform), helpPage_(std::move(helpPage)) {}

void AboutBoxController::click(std::string_view control) {
  if (control == kHelpButton) {
    if (helpPage_.file) {
      openHelpPage(platform_, *helpPage_.file, helpPage_.address);
    } else {
      openInBrowser(platform_, helpPage_.address, helpPage_.address);
    }
  } else if (control == kWebPageLink) {
    openMakerWebPage(platform_);
  } else if (control == kMailLink) {
    writeMailToMaker(platform_);
  } else if (control == kCloseButton) {
    close();
  }
}

}  // namespace vantoki
