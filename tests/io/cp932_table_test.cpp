// The table converts exactly as glibc's iconv does, checked against the live converter: every
// byte and every pair of bytes read, every character of the Basic Multilingual Plane and the
// UTF-8 that glibc refuses written, to the same text and up to the same place.
#include "io/cp932_table.h"

#include <gtest/gtest.h>
#include <iconv.h>

#include <array>
#include <cerrno>
#include <string>
#include <vector>

namespace vantoki {
namespace {

struct Converted {
  std::size_t taken;
  std::string output;

  friend bool operator==(const Converted&, const Converted&) = default;
};

class Iconv {
 public:
  Iconv(const char* to, const char* from) : descriptor_(iconv_open(to, from)) {}
  ~Iconv() { iconv_close(descriptor_); }
  Iconv(const Iconv&) = delete;
  Iconv& operator=(const Iconv&) = delete;

  Converted convert(const std::string& input) const {
    iconv(descriptor_, nullptr, nullptr, nullptr, nullptr);
    std::array<char, 64> buffer{};
    char* in = const_cast<char*>(input.data());
    std::size_t inLeft = input.size();
    char* out = buffer.data();
    std::size_t outLeft = buffer.size();
    iconv(descriptor_, &in, &inLeft, &out, &outLeft);
    return {input.size() - inLeft, std::string(buffer.data(), out)};
  }

 private:
  iconv_t descriptor_;
};

Converted byTable(std::size_t (*convert)(std::string_view, std::string&),
                  const std::string& input) {
  Converted converted{0, {}};
  converted.taken = convert(input, converted.output);
  return converted;
}

TEST(Cp932TableTest, ReadsEveryByteAndPairAsGlibcDoes) {
  const Iconv glibc("UTF-8", "CP932");
  int differences = 0;
  for (int first = 0; first < 256; ++first) {
    // A byte alone, then followed by every byte, then by "A": a cut pair, a pair, a stray lead.
    std::vector<std::string> inputs = {std::string(1, static_cast<char>(first))};
    for (int second = 0; second < 256; ++second) {
      inputs.push_back({static_cast<char>(first), static_cast<char>(second), 'A'});
    }
    for (const std::string& input : inputs) {
      if (byTable(decodeCp932Prefix, input) != glibc.convert(input) && ++differences <= 5) {
        ADD_FAILURE() << "reads " << testing::PrintToString(input) << " otherwise";
      }
    }
  }
  EXPECT_EQ(differences, 0);
}

TEST(Cp932TableTest, WritesEveryCharacterAsGlibcDoes) {
  const Iconv glibc("CP932", "UTF-8");
  // glibc spells out each character too, so the inputs owe nothing to the UTF-8 of the code under
  // test: a slip there cannot quietly leave a character unchecked.
  const Iconv glibcUtf8("UTF-8", "UTF-32BE");
  int differences = 0;
  for (char32_t codePoint = 0; codePoint < 0x10000; ++codePoint) {
    if (codePoint >= 0xD800 && codePoint <= 0xDFFF) {
      continue;
    }
    const std::string utf32 = {'\0', '\0', static_cast<char>(codePoint >> 8),
                               static_cast<char>(codePoint & 0xFF)};
    const Converted utf8 = glibcUtf8.convert(utf32);
    ASSERT_EQ(utf8.taken, utf32.size())
        << "glibc cannot spell U+" << std::hex << static_cast<int>(codePoint);
    const std::string input = utf8.output + "A";
    if (byTable(encodeCp932Prefix, input) != glibc.convert(input) && ++differences <= 5) {
      ADD_FAILURE() << "writes U+" << std::hex << static_cast<int>(codePoint) << " otherwise";
    }
  }
  EXPECT_EQ(differences, 0);
}

TEST(Cp932TableTest, StopsAtTheUtf8GlibcRefuses) {
  const Iconv glibc("CP932", "UTF-8");
  const std::vector<std::string> inputs = {
      "a\xC0\x80",          // overlong
      "a\xED\xA0\x80",      // a surrogate
      "a\xF4\x90\x80\x80",  // past U+10FFFF
      "a\xF0\x9F\x98\x80",  // outside the plane code page 932 covers
      "a\xE3\x81",          // cut short
      "a\x80",              // a lone continuation byte
      "a\xFF",
  };
  for (const std::string& input : inputs) {
    EXPECT_EQ(byTable(encodeCp932Prefix, input), glibc.convert(input))
        << testing::PrintToString(input);
  }
}

}  // namespace
}  // namespace vantoki
