// The About box without a window: what each click does through a scripted desktop, and where the
// help page is looked for.
#include "dialogs/about_box_controller.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "dialogs/about_links.h"
#include "fake_platform.h"
#include "io_test_files.h"

namespace vantoki {
namespace {

// Each link hands its own address to the desktop and leaves the box open; a refused address and a
// missing help page are reported by what the player knows them as, the help page before any
// browser is started; only "閉じる" closes the box.
TEST(AboutBoxControllerTest, EachClickOpensItsAddressOrSaysWhyNot) {
  const TempDir dir;
  const std::filesystem::path page = dir / "help.html";
  struct Case {
    const char* click;
    bool helpPageThere;
    bool addressesOpen;
    std::vector<std::string> opened;
    std::string message;  // empty: none
    bool closed;
  };
  const std::vector<Case> cases = {
      {"Command2", true, true, {"file:///help"}, "", false},
      {"Command2", true, false, {"file:///help"}, page.string() + " を開けませんでした", false},
      {"Command2",
       false,
       true,
       {},
       "ヘルプのファイル " + page.string() + " が見つかりませんでした",
       false},
      {"Label3", true, true, {"https://vantoki.example.org/"}, "", false},
      {"Label3",
       true,
       false,
       {"https://vantoki.example.org/"},
       "https://vantoki.example.org/ を開けませんでした",
       false},
      {"Label5", true, true, {"mailto:vantoki@example.org"}, "", false},
      {"Label5",
       true,
       false,
       {"mailto:vantoki@example.org"},
       "vantoki@example.org を開けませんでした",
       false},
      {"lblTitle", true, true, {}, "", false},
      {"Command1", true, true, {}, "", true},
  };
  for (const Case& click : cases) {
    SCOPED_TRACE(std::string(click.click) + (click.addressesOpen ? "" : ", refused"));
    std::filesystem::remove(page);
    if (click.helpPageThere) {
      std::ofstream(page) << "<html>";
    }
    testing::FakePlatform platform;
    platform.addressesOpen = click.addressesOpen;
    AboutBoxController about(platform, {page, "file:///help"});
    about.click(click.click);
    EXPECT_EQ(platform.openedAddresses, click.opened);
    ASSERT_EQ(platform.messages.size(), click.message.empty() ? 0u : 1u);
    if (!click.message.empty()) {
      EXPECT_EQ(platform.messages[0].text, click.message);
      EXPECT_EQ(platform.messages[0].title, "エラー");
    }
    EXPECT_EQ(about.closed(), click.closed);
  }
}

// Where the page beside the page of a server is, nothing is looked for first.
TEST(AboutBoxControllerTest, AHelpPageWithoutAFileOpensAsItIs) {
  testing::FakePlatform platform;
  AboutBoxController about(platform, {std::nullopt, "help.html"});
  about.click("Command2");
  EXPECT_EQ(platform.openedAddresses, std::vector<std::string>{"help.html"});
  EXPECT_TRUE(platform.messages.empty());
}

TEST(AboutLinksTest, TheHelpPageIsInTheDataFolderWithOneSeparator) {
  const std::pair<std::filesystem::path, std::filesystem::path> kFolders[] = {
      {"/opt/vantoki/", "/opt/vantoki/help.html"},
      {"/", "/help.html"},
      {"games/vantoki", std::filesystem::current_path() / "games/vantoki/help.html"}};
  for (const auto& [folder, page] : kFolders) {
    EXPECT_EQ(helpPagePath(folder), page) << folder;
  }
}

}  // namespace
}  // namespace vantoki
