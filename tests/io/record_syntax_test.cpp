#include "io/record_syntax.h"

#include <sys/stat.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <iostream>
#include <ostream>
#include <string>
#include <vector>

#include "io_test_files.h"

namespace vantoki {
namespace {

struct FieldCase {
  std::string line;
  std::string value;
  bool unquoted = false;
};

void PrintTo(const FieldCase& field, std::ostream* out) {
  *out << testing::PrintToString(field.line);
}

class ReadFieldTest : public testing::TestWithParam<FieldCase> {};

TEST_P(ReadFieldTest, FollowsTheFieldRules) {
  const Field field = readField(GetParam().line);
  EXPECT_EQ(field.value, GetParam().value);
  EXPECT_EQ(field.unquoted, GetParam().unquoted);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ReadFieldTest,
    testing::Values(FieldCase{"\"abc\"", "abc"}, FieldCase{"   \"abc\"", "abc"},
                    FieldCase{"\"\"", ""}, FieldCase{"", ""}, FieldCase{"    ", ""},
                    // Commas inside quotes stay part of the value.
                    FieldCase{"\"01,02,\"", "01,02,"},
                    // A name holding a double quote reads back as written.
                    FieldCase{"\"say \"hi\"\"", "say \"hi\""}, FieldCase{"\"\"\"", "\""},
                    // Without a closing quote the value runs to the line end.
                    FieldCase{"\"abc", "abc"}, FieldCase{"\"a,b", "a,b"},
                    // Text after the closing quote is not part of the value.
                    FieldCase{"\"abc\" ,zzz", "abc"},
                    // Unquoted values end at a comma.
                    FieldCase{"abc", "abc", true}, FieldCase{"  abc,def", "abc", true},
                    FieldCase{",x", "", true}, FieldCase{"\tabc", "\tabc", true},
                    FieldCase{"01,00,\"", "01", true}));

TEST(RecordSyntaxTest, WritesQuotedCodePage932RecordsEachEndingInCrLf) {
  const TempDir dir;
  const std::vector<std::string> texts = {"初期", "", "a\"b", "x,y"};
  ASSERT_EQ(writeRecords(dir / "f", texts), std::nullopt);
  EXPECT_EQ(readBytes(dir / "f"), "\"\x8F\x89\x8A\xFA\"\r\n\"\"\r\n\"a\"b\"\r\n\"x,y\"\r\n");
}

TEST(RecordSyntaxTest, LineBreaksInsideATextAreWrittenAsSpaces) {
  const TempDir dir;
  const std::vector<std::string> texts = {"two\r\nlines", "next"};
  ASSERT_EQ(writeRecords(dir / "f", texts), std::nullopt);
  EXPECT_EQ(readBytes(dir / "f"), "\"two  lines\"\r\n\"next\"\r\n");
}

struct LineEnds {
  std::string name;
  std::string bytes;
  std::vector<std::string> values;
  std::string strayCrLines = "";  // one digit per record: 1 for a line made by a stray CR
};

void PrintTo(const LineEnds& lineEnds, std::ostream* out) {
  *out << lineEnds.name;
}

class ReadRecordsTest : public testing::TestWithParam<LineEnds> {};

TEST_P(ReadRecordsTest, SplitsLinesAsExpected) {
  const TempDir dir;
  writeBytes(dir / "f", GetParam().bytes);
  const Result<std::vector<Record>> records = readRecords(dir / "f", GetParam().values.size());
  ASSERT_TRUE(records.ok()) << records.error().message;
  std::vector<std::string> values;
  std::string strayCrLines;
  for (const Record& record : records.value()) {
    values.push_back(record.value);
    strayCrLines += record.afterStrayCr ? '1' : '0';
  }
  EXPECT_EQ(values, GetParam().values);
  EXPECT_EQ(strayCrLines, GetParam().strayCrLines.empty() ? std::string(values.size(), '0')
                                                          : GetParam().strayCrLines);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ReadRecordsTest,
    testing::Values(
        LineEnds{"CrLf", "\"a\"\r\n\"b\"\r\n", {"a", "b"}},
        LineEnds{"Lf", "\"a\"\n\"b\"\n", {"a", "b"}}, LineEnds{"Cr", "\"a\"\r\"b\"\r", {"a", "b"}},
        LineEnds{"Mixed", "\"a\"\r\n\"b\"\n\"c\"\r\"d\"\r\n", {"a", "b", "c", "d"}},
        LineEnds{"LastLineWithoutEnd", "\"a\"\r\n\"b\"", {"a", "b"}},
        LineEnds{"BlankLines", "\r\n\n\"c\"\r\n", {"", "", "c"}},
        // A lone CR ends a line, so CR CR LF makes an extra empty line, which is marked.
        LineEnds{"CrCrLf", "\"a\"\r\r\n\"c\"\r\n", {"a", "", "c"}, "010"},
        LineEnds{"CrCrCrLf", "a\r\r\r\nb", {"a", "", "", "b"}, "0010"},
        LineEnds{"CrCrLfOnTheLastLineAsked", "a\r\r\nb", {"a", ""}, "01"},
        // Blank lines in a file of CR or of LF line ends are not stray.
        LineEnds{"CrCr", "a\r\rb", {"a", "", "b"}}, LineEnds{"LfCrLf", "a\n\r\nb", {"a", "", "b"}},
        LineEnds{"CrLfCrLf", "a\r\n\r\nb", {"a", "", "b"}},
        LineEnds{"MoreThanAsked", "\"a\"\r\n\"b\"\r\n\"c\"\r\n", {"a", "b"}},
        LineEnds{"NonCp932Byte", "\"x\x80y\"\r\n", {"x\uF780y"}}),
    [](const testing::TestParamInfo<LineEnds>& info) { return info.param.name; });

TEST(RecordSyntaxTest, NothingAfterTheFinalLineEndIsARecord) {
  const TempDir dir;
  writeBytes(dir / "f", "\"a\"\r\n");
  const Result<std::vector<Record>> records = readRecords(dir / "f", 2);
  ASSERT_FALSE(records.ok());
  EXPECT_EQ(records.error().message, (dir / "f").string() + ": the file has 1 line, 2 expected");
}

TEST(RecordSyntaxTest, EmptyFileHasNoRecords) {
  const TempDir dir;
  writeBytes(dir / "f", "");
  const Result<std::vector<Record>> records = readRecords(dir / "f", 1);
  ASSERT_FALSE(records.ok());
  EXPECT_EQ(records.error().message, (dir / "f").string() + ": the file has 0 lines, 1 expected");
}

// A CR at the end of one read and its LF at the start of the next are still one line end.
TEST(RecordSyntaxTest, CrLfSplitAcrossReadChunksIsOneLineEnd) {
  const TempDir dir;
  for (const std::size_t firstLineLength : {65534u, 65535u, 65536u}) {
    writeBytes(dir / "f", std::string(firstLineLength, 'x') + "\r\n\"b\"\r\n\"c\"\r\n");
    const Result<std::vector<Record>> records = readRecords(dir / "f", 2);
    ASSERT_TRUE(records.ok()) << records.error().message;
    EXPECT_EQ(records.value()[1].value, "b") << firstLineLength;
  }
}

// Only the records asked for are read: a file that goes on for 64 GiB after them (sparse, so it
// costs no disk) would take minutes and all memory to read through.
TEST(RecordSyntaxTest, HugeTailAfterTheNeededRecordsIsNeverRead) {
  const TempDir dir;
  writeBytes(dir / "f", "\"a\"\r\n\"b\"\r\n");
  std::filesystem::resize_file(dir / "f", 64ULL << 30);
  const Result<std::vector<Record>> records = readRecords(dir / "f", 2);
  ASSERT_TRUE(records.ok()) << records.error().message;
  EXPECT_EQ(records.value(), (std::vector<Record>{{"a"}, {"b"}}));
}

struct Unreadable {
  std::string name;
  std::function<std::filesystem::path(const TempDir&)> make;
  std::string what;   // the message after "path: "
  std::string cause;  // what the player is told
};

void PrintTo(const Unreadable& unreadable, std::ostream* out) {
  *out << unreadable.name;
}

std::filesystem::path fileWith(const TempDir& dir, const std::string& bytes) {
  writeBytes(dir / "f", bytes);
  return dir / "f";
}

class UnreadableTest : public testing::TestWithParam<Unreadable> {};

// Read in a child that dies after a while, so a reader that waits for ever fails the test.
TEST_P(UnreadableTest, IsRefusedWithoutWaitingOrFillingMemory) {
  const TempDir dir;
  const std::filesystem::path path = GetParam().make(dir);
  const std::string expected = path.string() + ": " + GetParam().what;
  EXPECT_TRUE(succeedsInChild([&] {
    const Result<std::vector<Record>> records = readRecords(path, 3);
    const std::string message = records.ok() ? "read" : records.error().message;
    const std::string cause = records.ok() ? "read" : records.error().cause;
    if (message != expected || cause != GetParam().cause) {
      std::cerr << "the child's message: " << message << "\n" << cause << "\n";
    }
    return message == expected && cause == GetParam().cause;
  }));
}

const std::string kLongest(65536, 'x');

INSTANTIATE_TEST_SUITE_P(
    Table, UnreadableTest,
    testing::Values(
        Unreadable{"Missing", [](const TempDir& dir) { return dir / "missing.vkst"; },
                   "cannot open: No such file or directory", "ファイルが見つかりません"},
        Unreadable{"Folder", [](const TempDir& dir) { return dir.path(); },
                   "is a folder, not a file", "フォルダーです。ファイルを選んでください"},
        Unreadable{"Device", [](const TempDir&) { return std::filesystem::path("/dev/zero"); },
                   "is not a regular file", "通常のファイルではありません"},
        // No writer ever opens it: opening it for reading would wait for ever.
        Unreadable{"Fifo",
                   [](const TempDir& dir) {
                     mkfifo((dir / "f.vkst").c_str(), 0600);
                     return dir / "f.vkst";
                   },
                   "is not a regular file", "通常のファイルではありません"},
        Unreadable{"LineOneByteTooLong",
                   [](const TempDir& dir) { return fileWith(dir, kLongest + "x\r\n\"b\"\r\n"); },
                   "line 1: longer than 65536 bytes; no record is anywhere near that long",
                   "1 行目: 長すぎます。このゲームのファイルではないようです"},
        Unreadable{"LongLineWithoutEnd",
                   [](const TempDir& dir) { return fileWith(dir, "a\nb\n" + kLongest + "x"); },
                   "line 3: longer than 65536 bytes; no record is anywhere near that long",
                   "3 行目: 長すぎます。このゲームのファイルではないようです"},
        // 100 MB of zero bytes without a line end, sparse, so it costs no disk.
        Unreadable{"HugeFileOfOneLine",
                   [](const TempDir& dir) {
                     const std::filesystem::path path = fileWith(dir, "");
                     std::filesystem::resize_file(path, 100'000'000);
                     return path;
                   },
                   "line 1: longer than 65536 bytes; no record is anywhere near that long",
                   "1 行目: 長すぎます。このゲームのファイルではないようです"}),
    [](const testing::TestParamInfo<Unreadable>& info) { return info.param.name; });

// Root reads any file, so the reader runs as a user the file denies.
TEST(RecordSyntaxTest, FileThePlayerMayNotReadSaysSo) {
  const TempDir dir;
  const std::filesystem::path path = fileWith(dir, "\"a\"\r\n");
  std::filesystem::permissions(path, std::filesystem::perms::none);
  const std::optional<bool> refused = succeedsWithoutWriteAccess(dir.path(), [&] {
    const Result<std::vector<Record>> records = readRecords(path, 1);
    return !records.ok() && records.error().cause == "読み込みが許可されていません";
  });
  if (!refused) {
    GTEST_SKIP() << "run as root, and no child can be made to run as the user nobody";
  }
  EXPECT_TRUE(*refused);
}

// What the program writes, it can read again: a line that reading would refuse is never written.
TEST(RecordSyntaxTest, LinesAreWrittenUpToTheLengthReadingAccepts) {
  const TempDir dir;
  const std::vector<std::string> longest = {"a", std::string(65534, 'n')};
  ASSERT_EQ(writeRecords(dir / "f", longest), std::nullopt);
  const Result<std::vector<Record>> read = readRecords(dir / "f", 2);
  ASSERT_TRUE(read.ok()) << read.error().message;
  EXPECT_EQ(read.value()[1].value, longest[1]);

  const std::vector<std::string> tooLong = {"a", std::string(65535, 'n')};
  const std::optional<FileError> error = writeRecords(dir / "f", tooLong);
  ASSERT_TRUE(error.has_value());
  EXPECT_EQ(error->message, (dir / "f").string() +
                                ": line 2: would be longer than 65536 bytes, more than a line may "
                                "hold");
  EXPECT_EQ(error->cause, "2 行目: 長すぎて保存できません（1行65536バイトまでです）");
  EXPECT_EQ(readRecords(dir / "f", 2).value()[1].value, longest[1]) << "the file is left as is";
}

}  // namespace
}  // namespace vantoki
