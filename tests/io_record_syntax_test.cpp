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

struct Field {
  std::string line;
  std::string value;
};

void PrintTo(const Field& field, std::ostream* out) {
  *out << testing::PrintToString(field.line);
}

class FieldValueTest : public testing::TestWithParam<Field> {};

TEST_P(FieldValueTest, FollowsTheFieldRules) {
  EXPECT_EQ(fieldValue(GetParam().line), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(Table, FieldValueTest,
                         testing::Values(Field{"\"abc\"", "abc"}, Field{"   \"abc\"", "abc"},
                                         Field{"\"\"", ""}, Field{"", ""}, Field{"    ", ""},
                                         // Commas inside quotes stay part of the value.
                                         Field{"\"01,02,\"", "01,02,"},
                                         // A name holding a double quote reads back as written.
                                         Field{"\"say \"hi\"\"", "say \"hi\""},
                                         Field{"\"\"\"", "\""},
                                         // Without a closing quote the value runs to the line end.
                                         Field{"\"abc", "abc"}, Field{"\"a,b", "a,b"},
                                         // Text after the closing quote is not part of the value.
                                         Field{"\"abc\" ,zzz", "abc"},
                                         // Unquoted values end at a comma.
                                         Field{"abc", "abc"}, Field{"  abc,def", "abc"},
                                         Field{",x", ""}, Field{"\tabc", "\tabc"}));

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
  std::vector<std::string> records;
};

void PrintTo(const LineEnds& lineEnds, std::ostream* out) {
  *out << lineEnds.name;
}

class ReadRecordsTest : public testing::TestWithParam<LineEnds> {};

TEST_P(ReadRecordsTest, SplitsLinesAsExpected) {
  const TempDir dir;
  writeBytes(dir / "f", GetParam().bytes);
  const Result<std::vector<std::string>> records =
      readRecords(dir / "f", GetParam().records.size());
  ASSERT_TRUE(records.ok()) << records.error().message;
  EXPECT_EQ(records.value(), GetParam().records);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ReadRecordsTest,
    testing::Values(LineEnds{"CrLf", "\"a\"\r\n\"b\"\r\n", {"a", "b"}},
                    LineEnds{"Lf", "\"a\"\n\"b\"\n", {"a", "b"}},
                    LineEnds{"Cr", "\"a\"\r\"b\"\r", {"a", "b"}},
                    LineEnds{"Mixed", "\"a\"\r\n\"b\"\n\"c\"\r\"d\"\r\n", {"a", "b", "c", "d"}},
                    LineEnds{"LastLineWithoutEnd", "\"a\"\r\n\"b\"", {"a", "b"}},
                    LineEnds{"BlankLines", "\r\n\n\"c\"\r\n", {"", "", "c"}},
                    LineEnds{"CrCrLf", "\"a\"\r\r\n\"c\"\r\n", {"a", "", "c"}},
                    LineEnds{"MoreThanAsked", "\"a\"\r\n\"b\"\r\n\"c\"\r\n", {"a", "b"}},
                    LineEnds{"NonCp932Byte", "\"x\x80y\"\r\n", {"x\uF780y"}}),
    [](const testing::TestParamInfo<LineEnds>& info) { return info.param.name; });

TEST(RecordSyntaxTest, NothingAfterTheFinalLineEndIsARecord) {
  const TempDir dir;
  writeBytes(dir / "f", "\"a\"\r\n");
  const Result<std::vector<std::string>> records = readRecords(dir / "f", 2);
  ASSERT_FALSE(records.ok());
  EXPECT_EQ(records.error().message, (dir / "f").string() + ": the file has 1 line, 2 expected");
}

TEST(RecordSyntaxTest, EmptyFileHasNoRecords) {
  const TempDir dir;
  writeBytes(dir / "f", "");
  const Result<std::vector<std::string>> records = readRecords(dir / "f", 1);
  ASSERT_FALSE(records.ok());
  EXPECT_EQ(records.error().message, (dir / "f").string() + ": the file has 0 lines, 1 expected");
}

// A CR at the end of one read and its LF at the start of the next are still one line end.
TEST(RecordSyntaxTest, CrLfSplitAcrossReadChunksIsOneLineEnd) {
  const TempDir dir;
  for (const std::size_t firstLineLength : {65534u, 65535u, 65536u}) {
    writeBytes(dir / "f", std::string(firstLineLength, 'x') + "\r\n\"b\"\r\n\"c\"\r\n");
    const Result<std::vector<std::string>> records = readRecords(dir / "f", 2);
    ASSERT_TRUE(records.ok()) << records.error().message;
    EXPECT_EQ(records.value()[1], "b") << firstLineLength;
  }
}

// Only the records asked for are read: a file that goes on for 64 GiB after them (sparse, so it
// costs no disk) would take minutes and all memory to read through.
TEST(RecordSyntaxTest, HugeTailAfterTheNeededRecordsIsNeverRead) {
  const TempDir dir;
  writeBytes(dir / "f", "\"a\"\r\n\"b\"\r\n");
  std::filesystem::resize_file(dir / "f", 64ULL << 30);
  const Result<std::vector<std::string>> records = readRecords(dir / "f", 2);
  ASSERT_TRUE(records.ok()) << records.error().message;
  EXPECT_EQ(records.value(), (std::vector<std::string>{"a", "b"}));
}

struct Unreadable {
  std::string name;
  std::function<std::filesystem::path(const TempDir&)> make;
  std::string what;  // the message after "path: "
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
    const Result<std::vector<std::string>> records = readRecords(path, 3);
    const std::string message = records.ok() ? "read" : records.error().message;
    if (message != expected) {
      std::cerr << "the child's message: " << message << "\n";
    }
    return message == expected;
  }));
}

const std::string kLongest(65536, 'x');

INSTANTIATE_TEST_SUITE_P(
    Table, UnreadableTest,
    testing::Values(
        Unreadable{"Missing", [](const TempDir& dir) { return dir / "missing.vkst"; },
                   "cannot open: No such file or directory"},
        Unreadable{"Folder", [](const TempDir& dir) { return dir.path(); },
                   "is a folder, not a file"},
        Unreadable{"Device", [](const TempDir&) { return std::filesystem::path("/dev/zero"); },
                   "is not a regular file"},
        // No writer ever opens it: opening it for reading would wait for ever.
        Unreadable{"Fifo",
                   [](const TempDir& dir) {
                     mkfifo((dir / "f.vkst").c_str(), 0600);
                     return dir / "f.vkst";
                   },
                   "is not a regular file"},
        Unreadable{"LineOneByteTooLong",
                   [](const TempDir& dir) { return fileWith(dir, kLongest + "x\r\n\"b\"\r\n"); },
                   "line 1: longer than 65536 bytes; no record is anywhere near that long"},
        Unreadable{"LongLineWithoutEnd",
                   [](const TempDir& dir) { return fileWith(dir, "a\nb\n" + kLongest + "x"); },
                   "line 3: longer than 65536 bytes; no record is anywhere near that long"},
        // 100 MB of zero bytes without a line end, sparse, so it costs no disk.
        Unreadable{"HugeFileOfOneLine",
                   [](const TempDir& dir) {
                     const std::filesystem::path path = fileWith(dir, "");
                     std::filesystem::resize_file(path, 100'000'000);
                     return path;
                   },
                   "line 1: longer than 65536 bytes; no record is anywhere near that long"}),
    [](const testing::TestParamInfo<Unreadable>& info) { return info.param.name; });

// What the program writes, it can read again: a line that reading would refuse is never written.
TEST(RecordSyntaxTest, LinesAreWrittenUpToTheLengthReadingAccepts) {
  const TempDir dir;
  const std::vector<std::string> longest = {"a", std::string(65534, 'n')};
  ASSERT_EQ(writeRecords(dir / "f", longest), std::nullopt);
  const Result<std::vector<std::string>> read = readRecords(dir / "f", 2);
  ASSERT_TRUE(read.ok()) << read.error().message;
  EXPECT_EQ(read.value(), longest);

  const std::vector<std::string> tooLong = {"a", std::string(65535, 'n')};
  const std::optional<FileError> error = writeRecords(dir / "f", tooLong);
  ASSERT_TRUE(error.has_value());
  EXPECT_EQ(error->message, (dir / "f").string() +
                                ": line 2: would be longer than 65536 bytes, more than a line may "
                                "hold");
  EXPECT_EQ(readRecords(dir / "f", 2).value(), longest) << "the file is left as it was";
}

}  // namespace
}  // namespace vantoki
