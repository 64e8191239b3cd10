// The stage operations dialog without a window: what each click shows and when the dialog closes
// with which operation. What executing refuses and asks is the model's test.
#include "dialogs/stage_operations_controller.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dialogs/stage_preview.h"
#include "fake_platform.h"
#include "labelled_stages.h"
#include "published_changes.h"
#include "strip_fixture.h"
#include "view/strip_shrink.h"

namespace vantoki {
namespace {

using What = ControlChange::What;

TEST(StageOperationsControllerTest, ClicksShowTheirChoiceAndExecutingClosesOnlyOnYes) {
  struct Case {
    const char* name;
    std::vector<std::string> clicks;
    std::vector<MessageAnswer> answers;
    std::vector<std::string> checked;  // every option and operation shown held down
    std::string nameA, nameB;
    bool closed;
    std::optional<StageOperationChoice> chosen;
  };
  const std::vector<Case> cases = {
      {"a target on each side",
       {"Option1(1)", "Option1(16)"},
       {},
       {"Option1(1)", "Option1(16)"},
       "S1",
       "S6",
       false,
       std::nullopt},
      {"A chosen again within its frame",
       {"Option1(1)", "Option1(12)", "Option1(3)"},
       {},
       {"Option1(3)", "Option1(12)"},
       "S3",
       "S2",
       false,
       std::nullopt},
      {"one operation at a time",
       {"Option2", "Option5", "Option3"},
       {},
       {"Option3"},
       "",
       "",
       false,
       std::nullopt},
      {"a swap answered No stays open",
       {"Option1(1)", "Option1(16)", "Option3", "Command1"},
       {MessageAnswer::No},
       {"Option1(1)", "Option1(16)", "Option3"},
       "S1",
       "S6",
       false,
       std::nullopt},
      {"a swap answered Yes closes with it",
       {"Option1(1)", "Option1(16)", "Option3", "Command1"},
       {MessageAnswer::Yes},
       {"Option1(1)", "Option1(16)", "Option3"},
       "S1",
       "S6",
       true,
       StageOperationChoice{StageOperation::Swap, 1, 6}},
      {"a refusal stays open",
       {"Option1(4)", "Command1"},
       {},
       {"Option1(4)"},
       "S4",
       "",
       false,
       std::nullopt},
      {"閉じる closes with nothing",
       {"Option1(4)", "Option4", "Command2"},
       {},
       {"Option1(4)", "Option4"},
       "S4",
       "",
       true,
       std::nullopt},
  };
  const Image24 miniStrip = shrinkStripCells(testing::gameStrips().sprites, kMiniCellPixels);
  const StageSet stageSet = testing::labelledStages();
  for (const Case& dialog : cases) {
    SCOPED_TRACE(dialog.name);
    testing::FakePlatform platform;
    platform.answers.assign(dialog.answers.begin(), dialog.answers.end());
    StageOperationsController operations(stageSet, platform, miniStrip);
    testing::PublishedChanges shown;
    operations.screen().setListener(shown.listener());
    operations.opened();
    for (const std::string& click : dialog.clicks) {
      operations.click(click);
    }
    std::vector<std::string> checked;
    for (const ControlPlace& place : operations.layout()) {
      if (shown.on(std::string(place.name), What::Checked)) {
        checked.emplace_back(place.name);
      }
    }
    EXPECT_EQ(checked, dialog.checked);
    EXPECT_EQ(shown.caption("Text1(0)"), dialog.nameA);
    EXPECT_EQ(shown.caption("Text1(1)"), dialog.nameB);
    for (const auto& [side, name] : {std::pair{0, dialog.nameA}, std::pair{1, dialog.nameB}}) {
      const std::optional<ControlChange> preview =
          shown.last(arrayName("Picture1", side), What::Picture);
      ASSERT_EQ(preview.has_value(), !name.empty());
      if (preview) {
        const int stage = std::stoi(name.substr(1));
        EXPECT_EQ(*preview->picture, drawStagePreview(stageSet.stageCells[stage], miniStrip));
      }
    }
    EXPECT_EQ(operations.closed(), dialog.closed);
    EXPECT_EQ(operations.chosen(), dialog.chosen);
  }
}

}  // namespace
}  // namespace vantoki
