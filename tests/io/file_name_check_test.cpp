// Names a disk refuses as one file's name, each for its cause, beside names it takes: the length
// is counted in bytes, and a leading dot is only a dot.
#include "io/file_name_check.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

namespace vantoki {
namespace {

std::string repeated(std::string_view piece, int times) {
  std::string text;
  for (int time = 0; time < times; ++time) {
    text += piece;
  }
  return text;
}

TEST(FileNameCheckTest, ARefusedNameSaysWhy) {
  const std::pair<std::string, std::string> names[] = {
      {"", "ファイル名がありません"},
      {".", "「.」と「..」はファイル名に使えません"},
      {"..", "「.」と「..」はファイル名に使えません"},
      {"a/b", "ファイル名に「/」は使えません"},
      {repeated("x", 256), "ファイル名が長すぎます"},
      {repeated("あ", 86), "ファイル名が長すぎます"},  // 258 bytes
      {repeated("x", 255), ""},
      {repeated("あ", 85), ""},
      {".hidden", ""},
      {"...", ""},
  };
  for (const auto& [name, cause] : names) {
    const std::optional<FileError> error = checkFileName(name);
    EXPECT_EQ(error ? error->cause : "", cause) << name;
  }
}

}  // namespace
}  // namespace vantoki
