// The stage operations dialog without a window: the dialog's model answering through a scripted
// platform, and the preview checked pixel by pixel against a strip of made-up cells.
#include "dialogs/stage_operations_model.h"

#include <gtest/gtest.h>

#include "dialogs/stage_preview.h"
#include "fake_platform.h"
#include "labelled_stages.h"

namespace vantoki {
namespace {

using testing::labelledStages;

// 18 made-up cells, one more than the real strip holds, so a picture cell past the 17th would
// show if it were drawn. Every pixel differs and has low bits set, so and-ing is told from copying.
Rgb madeUpStripPixel(int cell, int x, int y) {
  return static_cast<Rgb>(15 * cell) << 16 | static_cast<Rgb>(0x47 + 8 * x) << 8 |
         static_cast<Rgb>(0x33 + 8 * y);
}

Image24 madeUpMiniStrip() {
  Image24 strip((kSpriteCellCount + 1) * 13, 13);
  for (int x = 0; x < strip.width(); ++x) {
    for (int y = 0; y < 13; ++y) {
      strip.setPixel(x, y, madeUpStripPixel(x / 13, x % 13, y));
    }
  }
  return strip;
}

TEST(StagePreviewTest, EachCellAndsItsMiniPictureOntoTheGround) {
  constexpr int kBare = -1;
  // Code and picture cell of the cells (0, 14), (1, 14), …; every other cell is Empty, picture 0.
  const std::pair<TileCode, int> kCells[] = {
      {1, 1},  {6, 6},   {7, 7},   {8, 8},    {9, 9},       {10, 7},     {29, 7},        {46, 8},
      {66, 9}, {86, 10}, {90, 11}, {209, 16}, {210, kBare}, {-1, kBare}, {-32768, kBare}};
  Board stage;
  for (int x = 0; x < static_cast<int>(std::size(kCells)); ++x) {
    stage.set(x, 14, kCells[x].first);
  }
  const Image24 preview = drawStagePreview(stage, madeUpMiniStrip());

  ASSERT_EQ(preview.width(), 195);
  ASSERT_EQ(preview.height(), 195);
  for (int y = 0; y < 195; ++y) {
    for (int x = 0; x < 195; ++x) {
      const int picture = y / 13 == 14 ? kCells[x / 13].second : 0;
      const Rgb expected = picture == kBare
                               ? kStagePreviewGround
                               : kStagePreviewGround & madeUpStripPixel(picture, x % 13, y % 13);
      ASSERT_EQ(preview.pixel(x, y), expected) << "pixel " << x << ", " << y;
    }
  }
}

class StageOperationsModelTest : public ::testing::Test {
 protected:
  // Clicks option buttons of the target lists (0..9 for A, 10..19 for B), then an operation.
  // A freshly opened dialog each time.
  void choose(std::initializer_list<int> options, std::optional<StageOperation> operation) {
    model.emplace(stageSet, platform, miniStrip);
    for (const int option : options) {
      model->chooseTarget(option);
    }
    if (operation) {
      model->chooseOperation(*operation);
    }
  }

  const Image24 miniStrip = madeUpMiniStrip();
  StageSet stageSet = labelledStages();
  testing::FakePlatform platform;
  std::optional<StageOperationsModel> model{std::in_place, stageSet, platform, miniStrip};
};

TEST_F(StageOperationsModelTest, ChoosingATargetShowsItsStageOnItsSideAsItWasThen) {
  struct Shown {
    int stage = kNoTarget;
    std::string name;
    Image24 preview;
  };
  std::array<Shown, 2> shown;  // nothing at open
  const std::array<int, 2> kSides = {kTargetA, kTargetB};
  const std::pair<int, int> kChoices[] = {{0, 0}, {12, 2},  {2, 2},  {19, 9},
                                          {9, 9}, {-1, -1}, {20, -1}};
  for (int step = 0; const auto& [option, stage] : kChoices) {
    const int side = option >= 10 ? kTargetB : kTargetA;
    if (stage != kNoTarget) {
      // The stage changes before every choice; a side keeps what it showed when it was chosen.
      stageSet.stageCells[stage].set(1 + step++, 1, code(Tile::Bomb));
      shown[side] = {stage, std::string("S").append(std::to_string(stage)),
                     drawStagePreview(stageSet.stageCells[stage], miniStrip)};
    }
    EXPECT_EQ(model->chooseTarget(option), stage == kNoTarget ? std::nullopt : std::optional(side));
    for (const int each : kSides) {
      EXPECT_EQ(model->target(each), shown[each].stage) << "option " << option;
      EXPECT_EQ(model->targetName(each), shown[each].name) << "option " << option;
      EXPECT_EQ(model->targetPreview(each), shown[each].preview) << "option " << option;
    }
  }
}

TEST_F(StageOperationsModelTest, RefusesMissingOrPointlessChoicesInOrder) {
  const char* const kChooseOperation = "動作を選択してください。";
  const char* const kChooseBoth = "『ターゲットＡ』と『ターゲットＢ』を指定してください。";
  const char* const kSame = "『ターゲットＡ』と『ターゲットＢ』が同じですので効果がありません。";
  const char* const kChooseA = "『ターゲットＡ』を指定してください。";
  struct Case {
    std::initializer_list<int> options;
    std::optional<StageOperation> operation;
    const char* message;
  };
  const Case kCases[] = {
      {{}, std::nullopt, kChooseOperation},          {{2, 12}, std::nullopt, kChooseOperation},
      {{}, StageOperation::MoveBehind, kChooseBoth}, {{4}, StageOperation::MoveBehind, kChooseBoth},
      {{14}, StageOperation::Swap, kChooseBoth},     {{6, 16}, StageOperation::MoveBehind, kSame},
      {{0, 10}, StageOperation::Swap, kSame},        {{9, 19}, StageOperation::CopyOver, kSame},
      {{}, StageOperation::Delete, kChooseA},        {{13}, StageOperation::Delete, kChooseA}};
  for (const Case& c : kCases) {
    platform.messages.clear();
    choose(c.options, c.operation);
    EXPECT_FALSE(model->execute()) << c.message;
    ASSERT_EQ(platform.messages.size(), 1u) << c.message;
    EXPECT_EQ(platform.messages[0].text, c.message);
    EXPECT_EQ(platform.messages[0].title, "エラー");
    EXPECT_EQ(platform.messages[0].buttons, MessageButtons::Ok);
    EXPECT_EQ(stageSet, labelledStages()) << c.message;
  }
}

TEST_F(StageOperationsModelTest, AsksFirstAndHandsBackTheOperationOnlyOnYes) {
  StageSet deleted = labelledStages();
  deleted.stageNames[5] = "";
  deleted.stageCells[5] = walledEmptyBoard();
  const char* const kDeleteSix = "ステージ6を削除します。\r\nよろしいですか？";
  struct Case {
    std::initializer_list<int> options;
    StageOperation operation;
    const char* question;
    StageSet after;
  };
  const Case kCases[] = {
      {{2, 15},
       StageOperation::MoveBehind,
       "ステージ3をステージ6の後ろに移動させます。\r\nよろしいですか？",
       labelledStages({0, 1, 3, 4, 5, 2, 6, 7, 8, 9})},
      {{8, 17},
       StageOperation::MoveBehind,
       "ステージ9をステージ8の後ろに移動させます。\r\nよろしいですか？",
       labelledStages()},
      {{0, 19},
       StageOperation::Swap,
       "ステージ1とステージ10を入れ替えます。\r\nよろしいですか？",
       labelledStages({9, 1, 2, 3, 4, 5, 6, 7, 8, 0})},
      {{3, 16},
       StageOperation::CopyOver,
       "ステージ4をステージ7に上書きコピーします。\r\n"
       "現在ステージ7に入っているデータは、上書きされますので消えます。\r\nよろしいですか？",
       labelledStages({0, 1, 2, 3, 4, 5, 3, 7, 8, 9})},
      {{5, 15}, StageOperation::Delete, kDeleteSix, deleted},
      {{17, 5}, StageOperation::Delete, kDeleteSix, deleted}};
  for (const Case& c : kCases) {
    stageSet = labelledStages();
    platform.messages.clear();
    platform.answers = {MessageAnswer::No, MessageAnswer::Ok, MessageAnswer::Yes};
    choose(c.options, c.operation);
    const std::array<int, 2> targets = {model->target(kTargetA), model->target(kTargetB)};
    EXPECT_FALSE(model->execute() || model->execute()) << c.question;
    EXPECT_EQ(targets, (std::array{model->target(kTargetA), model->target(kTargetB)}));
    EXPECT_EQ(model->operation(), c.operation);
    const std::optional<StageOperationChoice> choice = model->execute();
    ASSERT_TRUE(choice.has_value()) << c.question;
    EXPECT_EQ(stageSet, labelledStages()) << "the model never changes the stage set";
    applyStageOperation(stageSet, *choice);
    EXPECT_EQ(stageSet, c.after) << c.question;
    ASSERT_EQ(platform.messages.size(), 3u);
    for (const testing::ShownMessage& message : platform.messages) {
      EXPECT_EQ(message.text, c.question);
      EXPECT_EQ(message.title, "確認");
      EXPECT_EQ(message.buttons, MessageButtons::YesNo);
    }
  }
}

}  // namespace
}  // namespace vantoki
