#include "dialogs/about_links.h"

#include <system_error>

namespace vantoki {
namespace {

const char* const kErrorTitle = "エラー";

// The unreserved characters of an address, and the separator of the path.
bool standsAsItIs(unsigned char byte) {
  return (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z') ||
         (byte >= '0' && byte <= '9') || byte == '-' || byte == '.' || byte == '_' || byte == '~' ||
         byte == '/';
}

std::string percentEncoded(const std::string& path) {
  static constexpr char kHexDigits[] = "0123456789ABCDEF";
  std::string encoded;
  for (const char character : path) {
    const auto byte = static_cast<unsigned char>(character);
    if (standsAsItIs(byte)) {
      encoded += character;
    } else {
      encoded += '%';
      encoded += kHexDigits[byte >> 4];
      encoded += kHexDigits[byte & 0xF];
    }
  }
  return encoded;
}

std::filesystem::path helpPagePath(const std::filesystem::path& programFolder) {
  std::error_code error;
  const std::filesystem::path folder = std::filesystem::absolute(programFolder, error);
  return ((error ? programFolder : folder) / kHelpPageFileName).lexically_normal();
}

}  // namespace

std::string helpPageAddress(const std::filesystem::path& programFolder) {
  return "file://" + percentEncoded(helpPagePath(programFolder).generic_string());
}

std::string makerMailLink() {
  return "mailto:" + std::string(kMakerMailAddress);
}

bool openInBrowser(Platform& platform, const std::string& address) {
  if (platform.openAddress(address)) {
    return true;
  }
  platform.showMessage(address + " を開けませんでした", kErrorTitle, MessageButtons::Ok);
  return false;
}

void openHelpPage(Platform& platform) {
  const std::filesystem::path folder = platform.programFolder();
  const std::filesystem::path page = helpPagePath(folder);
  if (!platform.fileExists(page)) {
    platform.showMessage("ヘルプのファイル " + page.string() + " が見つかりませんでした",
                         kErrorTitle, MessageButtons::Ok);
    return;
  }
  openInBrowser(platform, helpPageAddress(folder));
}

void openMakerWebPage(Platform& platform) {
  openInBrowser(platform, std::string(kMakerWebPage));
}

void writeMailToMaker(Platform& platform) {
  openInBrowser(platform, makerMailLink());
}

}  // namespace vantoki
