#include "dialogs/about_links.h"

#include <system_error>

namespace vantoki {
namespace {

const char* const kErrorTitle = "エラー";

}  // namespace

std::filesystem::path helpPagePath(const std::filesystem::path& dataFolder) {
  std::error_code error;
  const std::filesystem::path folder = std::filesystem::absolute(dataFolder, error);
  return ((error ? dataFolder : folder) / kHelpPageFileName).lexically_normal();
}

std::string makerMailLink() {
  return "mailto:" + std::string(kMakerMailAddress);
}

bool openInBrowser(Platform& platform, const std::string& address, const std::string& shown) {
  if (platform.openAddress(address)) {
    return true;
  }
  platform.showMessage(shown + " を開けませんでした", kErrorTitle, MessageButtons::Ok);
  return false;
}

void openHelpPage(Platform& platform, const std::filesystem::path& page,
                  const std::string& pageAddress) {
  if (!platform.fileExists(page)) {
    platform.showMessage("ヘルプのファイル " + page.string() + " が見つかりませんでした",
                         kErrorTitle, MessageButtons::Ok);
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
