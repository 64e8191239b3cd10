#include "io/stage_data_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "io_test_files.h"

namespace vantoki {
namespace {

namespace fs = std::filesystem;

// The lines of the file written for the initial stage set, to be changed by hand.
std::vector<std::string> initialLines(const TempDir& dir) {
  const fs::path path = dir / "initial.vkst";
  EXPECT_EQ(writeStageDataFile(path, initialStageSet()), std::nullopt);
  return splitCrLfLines(readBytes(path));
}

// Line numbers as a person counts them in the file, from 1.
std::string& line(std::vector<std::string>& lines, int number) {
  return lines.at(number - 1);
}

Result<StageSet> readLines(const TempDir& dir, const std::vector<std::string>& lines) {
  writeBytes(dir / "edited.vkst", joinLines(lines, "\r\n"));
  return readStageDataFile(dir / "edited.vkst");
}

StageSet oddStageSet() {
  StageSet set = initialStageSet();
  set.dataSetName = "テスト用データ";
  set.stageNames[0] = "最初の部屋";
  set.stageNames[1] = "";
  set.stageNames[9] = "ｶﾀｶﾅ and ①";
  const TileCode odd[] = {-1, -5, -12, -123, -32768, 32767, 100, 999, 12345, 7, 9, 89, 90};
  int next = 0;
  for (int stage = 0; stage < kStageCount; ++stage) {
    for (int y = 0; y < kBoardSize; y += 3) {
      for (int x = stage % 2; x < kBoardSize; x += 2) {
        set.stageCells[stage].set(x, y, odd[next++ % std::size(odd)]);
      }
    }
  }
  return set;
}

TEST(StageDataFileTest, InitialStageSetGivesTheKnownFile) {
  const TempDir dir;
  ASSERT_EQ(writeStageDataFile(dir / "a.vkst", initialStageSet()), std::nullopt);
  const std::string bytes = readBytes(dir / "a.vkst");
  EXPECT_EQ(bytes.size(), 7475u);
  EXPECT_TRUE(bytes.starts_with("\x22\x8F\x89\x8A\xFA\x83\x66\x81\x5B\x83\x5E\x22\x0D\x0A"));
  EXPECT_TRUE(bytes.ends_with("\r\n"));

  std::vector<std::string> lines = splitCrLfLines(bytes);
  ASSERT_EQ(lines.size(), 161u);
  EXPECT_EQ(line(lines, 3), "\"01,01,01,01,01,01,01,01,01,01,01,01,01,01,01,\"");
  EXPECT_EQ(line(lines, 4), "\"01,00,00,00,00,00,00,00,00,00,00,00,00,00,01,\"");
  for (int stage = 0; stage < kStageCount; ++stage) {
    const int nameLine = 2 + 16 * stage;
    EXPECT_EQ(line(lines, nameLine), "\"STAGE " + std::to_string(stage + 1) + "\"");
    EXPECT_EQ(line(lines, nameLine + 1), line(lines, 3));
    for (int row = 2; row <= 14; ++row) {
      EXPECT_EQ(line(lines, nameLine + row), line(lines, 4)) << nameLine + row;
    }
    EXPECT_EQ(line(lines, nameLine + 15), line(lines, 3));
  }
}

TEST(StageDataFileTest, OddCodesAndNamesRoundTrip) {
  const TempDir dir;
  const StageSet written = oddStageSet();
  ASSERT_EQ(writeStageDataFile(dir / "odd.vkst", written), std::nullopt);
  const Result<StageSet> read = readStageDataFile(dir / "odd.vkst");
  ASSERT_TRUE(read.ok()) << read.error().message;
  EXPECT_EQ(read.value(), written);
}

// Name lines whose bytes are partly not code page 932 (damaged, or from another encoding): a
// load and a save give the same file back, so the game never changes a name silently.
TEST(StageDataFileTest, UndecodableNameBytesRoundTripByteForByte) {
  const TempDir dir;
  std::vector<std::string> lines = initialLines(dir);
  const std::vector<std::string> damaged = {
      "\"\x82\xCD\x82\xB6\x82\xDF\x82\xCC\x88\xEA\x85\xE0\"",  // はじめの一, a pair no one assigned
      "\"\x80\"",                                              // a byte that is never a character
      "\"end on a lead byte \x81\"",
      "\"\x81\"quoted\"\"",  // a lead byte before a quote inside the name
      "\"\xFD\xFE\xFF \x85\x40\xA0\"",
      "\"\xEF\x9E\x80 UTF-8 of a kept byte\""};
  for (std::size_t name = 0; name < damaged.size(); ++name) {
    line(lines, name == 0 ? 1 : 2 + 16 * static_cast<int>(name)) = damaged[name];
  }
  const std::string bytes = joinLines(lines, "\r\n");
  writeBytes(dir / "damaged.vkst", bytes);
  const Result<StageSet> read = readStageDataFile(dir / "damaged.vkst");
  ASSERT_TRUE(read.ok()) << read.error().message;
  ASSERT_EQ(writeStageDataFile(dir / "saved.vkst", read.value()), std::nullopt);
  EXPECT_EQ(readBytes(dir / "saved.vkst"), bytes);
}

struct EditedRow {
  std::string text;
  std::vector<TileCode> firstCodes;
};

void PrintTo(const EditedRow& row, std::ostream* out) {
  *out << row.text;
}

class StageDataRowTest : public testing::TestWithParam<EditedRow> {};

// Row 1 of stage 5 (line 67) edited by hand reads as these codes from the left.
TEST_P(StageDataRowTest, ReadsCellsBetweenCommas) {
  const TempDir dir;
  std::vector<std::string> lines = initialLines(dir);
  line(lines, 67) = GetParam().text;
  const Result<StageSet> read = readLines(dir, lines);
  ASSERT_TRUE(read.ok()) << read.error().message;
  for (std::size_t x = 0; x < GetParam().firstCodes.size(); ++x) {
    EXPECT_EQ(read.value().stageCells[4].at(static_cast<int>(x), 0), GetParam().firstCodes[x]) << x;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Table, StageDataRowTest,
    testing::Values(
        // Empty cells read as 0, halves go to the even neighbour.
        EditedRow{"\"5,,2.5,3.5,-0.5,abc,1 2,+7,-32768,32767,-32768.5,.7,1e3,0,0,\"",
                  {5, 0, 2, 4, 0, 0, 12, 7, -32768, 32767, -32768, 1, 1, 0, 0}},
        // Codes after the fifteenth comma are ignored, even numbers out of range.
        EditedRow{"\"1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,99999,zz\"",
                  {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15}},
        // Written by hand, with spaces, no zero-filling and halves in the last cells.
        EditedRow{"\" 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 2.5, 3.5,\"",
                  {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 2, 4}},
        // Leading spaces before the opening quote are skipped.
        EditedRow{"   \"3,\t4,5,6,7,8,9,10,11,12,13,14,15,16,17,\"", {3, 4, 5}}));

struct BadFile {
  std::string name;
  int lineNumber;                   // the line to replace, or the number of lines to keep
  std::optional<std::string> text;  // the new line; none to cut the file after lineNumber
  std::string message;              // after "path: "
  std::string cause;                // what the player is told
};

void PrintTo(const BadFile& file, std::ostream* out) {
  *out << file.name;
}

class StageDataFailureTest : public testing::TestWithParam<BadFile> {};

TEST_P(StageDataFailureTest, FailsWithAMessageNamingTheLine) {
  const TempDir dir;
  std::vector<std::string> lines = initialLines(dir);
  if (GetParam().text) {
    line(lines, GetParam().lineNumber) = *GetParam().text;
  } else {
    lines.resize(static_cast<std::size_t>(GetParam().lineNumber));
  }
  const Result<StageSet> read = readLines(dir, lines);
  ASSERT_FALSE(read.ok());
  EXPECT_EQ(read.error().message, (dir / "edited.vkst").string() + ": " + GetParam().message);
  EXPECT_EQ(read.error().cause, GetParam().cause);
}

INSTANTIATE_TEST_SUITE_P(
    Table, StageDataFailureTest,
    testing::Values(
        BadFile{"FourteenCommas", 20, "\"01,00,00,00,00,00,00,00,00,00,00,00,00,00,01\"",
                "line 20: row 2 of stage 2 has 14 commas, 15 expected",
                "20 行目: ステージ2の2段目にカンマが14個あります（15個のはずです）"},
        BadFile{"OneComma", 3, "\"01,\"", "line 3: row 1 of stage 1 has 1 comma, 15 expected",
                "3 行目: ステージ1の1段目にカンマが1個あります（15個のはずです）"},
        BadFile{"EmptyRow", 161, "\"\"", "line 161: row 15 of stage 10 has 0 commas, 15 expected",
                "161 行目: ステージ10の15段目にカンマがありません（15個のはずです）"},
        BadFile{"BlankLine", 161, "", "line 161: row 15 of stage 10 has 0 commas, 15 expected",
                "161 行目: ステージ10の15段目にカンマがありません（15個のはずです）"},
        // Unquoted, a row record ends at its first comma.
        BadFile{"UnquotedRow", 4, "01,00,00,00,00,00,00,00,00,00,00,00,00,00,01,",
                "line 4: row 2 of stage 1 does not begin with a double quote, so it ends at its "
                "first comma",
                "4 行目: ステージ1の2段目が「\"」で始まっていないので、最初のカンマで切れています"},
        BadFile{"RowWithoutOpeningQuote", 4, "  01,00,00,00,00,00,00,00,00,00,00,00,00,00,01,\"",
                "line 4: row 2 of stage 1 does not begin with a double quote, so it ends at its "
                "first comma",
                "4 行目: ステージ1の2段目が「\"」で始まっていないので、最初のカンマで切れています"},
        // A CR before the CR LF of a line ends it early and makes an empty line after it.
        BadFile{"StrayCrAfterARow", 20, "\"01,00,00,00,00,00,00,00,00,00,00,00,00,00,01,\"\r",
                "line 20: ends in CR CR LF; the extra CR ends a line of its own and moves every "
                "later line down by one",
                "20 行目: 行末が CR CR LF なので、後の行がすべて1行ずつずれています"},
        BadFile{"StrayCrAfterTheDataSetName", 1, "\"set\"\r",
                "line 1: ends in CR CR LF; the extra CR ends a line of its own and moves every "
                "later line down by one",
                "1 行目: 行末が CR CR LF なので、後の行がすべて1行ずつずれています"},
        // Commas after the closing quote are not part of the row.
        BadFile{"CommasOutsideQuotes", 4, "\"01,00\",00,00,00,00,00,00,00,00,00,00,00,00,01,",
                "line 4: row 2 of stage 1 has 1 comma, 15 expected",
                "4 行目: ステージ1の2段目にカンマが1個あります（15個のはずです）"},
        BadFile{"CellOutOfRange", 5, "\"01,00,00,00,00,00,40000,00,00,00,00,00,00,00,01,\"",
                "line 5: row 3 of stage 1 has a number outside -32768 to 32767 in cell 7",
                "5 行目: ステージ1の3段目の左から7マス目の数が -32768～32767 の範囲を超えています"},
        BadFile{"HalfRoundsOutOfRange", 5, "\"32767.5,00,00,00,00,00,00,00,00,00,00,00,00,00,01,\"",
                "line 5: row 3 of stage 1 has a number outside -32768 to 32767 in cell 1",
                "5 行目: ステージ1の3段目の左から1マス目の数が -32768～32767 の範囲を超えています"},
        BadFile{"CutAfter160Lines", 160, std::nullopt, "the file has 160 lines, 161 expected",
                "ファイルが途中で終わっています（160行しかありません。161行のはずです）"},
        BadFile{"OnlyTheDataSetName", 1, std::nullopt, "the file has 1 line, 161 expected",
                "ファイルが途中で終わっています（1行しかありません。161行のはずです）"}),
    [](const testing::TestParamInfo<BadFile>& info) { return info.param.name; });

TEST(StageDataFileTest, ExtraLinesAfterTheLastRowAreIgnored) {
  const TempDir dir;
  std::vector<std::string> lines = initialLines(dir);
  lines.push_back("\"garbage,that,would,not,read\"");
  lines.push_back("\"01,\"");
  const Result<StageSet> read = readLines(dir, lines);
  ASSERT_TRUE(read.ok()) << read.error().message;
  EXPECT_EQ(read.value(), initialStageSet());
}

// Past the 161st line a stray CR shifts nothing that is read.
TEST(StageDataFileTest, StrayCrAtTheEndOfTheLastLineIsHarmless) {
  const TempDir dir;
  std::vector<std::string> lines = initialLines(dir);
  line(lines, 161) += "\r";
  const Result<StageSet> read = readLines(dir, lines);
  ASSERT_TRUE(read.ok()) << read.error().message;
  EXPECT_EQ(read.value(), initialStageSet());
}

// A save the disk cannot take fails with the writer's word for it, never as done; what it leaves
// on the disk is the atomic writer's to test.
TEST(StageDataFileTest, SaveFailingPartWaySaysWhy) {
  const TempDir dir;
  EXPECT_TRUE(succeedsWithFileSizeLimit(1000, [&] {
    const std::optional<FileError> error = writeStageDataFile(dir / "a.vkst", initialStageSet());
    return error == FileError((dir / "a.vkst").string() + ": cannot write: File too large",
                              "ディスクの空きが足りません");
  }));
}

}  // namespace
}  // namespace vantoki
