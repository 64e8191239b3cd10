#include "dialogs/about_links.h"

#include <system_error>

#include "platform/messages.h"

namespace vantoki {

std::filesystem::path helpPagePath(const std::filesystem::path& dataFolder) {
  std::error_code error;
  const std::filesystem::path folder = std::filesystem::absolute(dataFolder, error);
  return ((error ? dataFolder : folder) / kHelpPageFileName).lexically_normal();
}

std::string makerMailLink() {
  return "mailto:" + std::string(kMakerMailAddress);
}

void openInBrowser(Platform& platform, const std::string& address, const std::string& shown) {
  platform.openAddress(address, [&platform, shown](bool opened) {
    if (!opened) {
      reportError(platform, shown + " を開けませんでした");
    }
  });
}

void openHelpPage(Platform& platform, const std::filesystem::path& page,
                  const std::string& pageAddress) {
  if (!platform.fileExists(page)) {
    reportError(platform, "ヘルプのファイル " + page.string() + " が見つかりませんでした");
    return;
  }
  openInBrowser(platform, pageAddress, page.string());
}

void openMakerWebPage(Platform& platform) {
  openInBrowser(platform, std::string(kMakerWebPage), std::string(kMakerWebPage));
}

void writeMailToMaker(Platform& platform) {
  openInBrowser(platform, makerMailLink(), std::string(kMakerMailAddress));
}

}  // namespace vantoki
