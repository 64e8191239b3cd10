// The set of reached boards: every key stored once under a stable index, found again whatever
// its hash shares with other keys.
#include "solver/board_key_set.h"

#include <gtest/gtest.h>

#include <cstring>
#include <optional>
#include <vector>

namespace vantoki {
namespace {

using Key = std::vector<std::uint8_t>;

// Distinct keys of any length: the number written into the last bytes, so keys that differ only
// at their end are the common case, as boards that differ in one cell are.
Key numberedKey(std::size_t bytes, std::uint32_t number) {
  Key key(bytes, 0x5A);
  for (std::size_t i = 0; i < sizeof number && i < bytes; ++i) {
    key[bytes - 1 - i] = static_cast<std::uint8_t>(number >> (8 * i));
  }
  return key;
}

using Hasher = std::uint32_t (*)(std::span<const std::uint8_t> key);

std::uint32_t everyKeyCollides(std::span<const std::uint8_t>) {
  return 7;
}

// Two hashes for the whole set: every probe sequence runs through long chains of equal hashes.
std::uint32_t parityHash(std::span<const std::uint8_t> key) {
  return key.back() & 1;
}

struct SetCase {
  const char* name;
  std::size_t keyBytes;
  Hasher hasher;
  std::uint32_t keyCount;
};

void PrintTo(const SetCase& setCase, std::ostream* out) {
  *out << setCase.name;
}

class BoardKeySetTest : public ::testing::TestWithParam<SetCase> {};

TEST_P(BoardKeySetTest, StoresEachKeyOnceUnderItsInsertionIndex) {
  const SetCase& param = GetParam();
  BoardKeySet set(param.keyBytes);
  for (std::uint32_t number = 0; number < param.keyCount; ++number) {
    const Key key = numberedKey(param.keyBytes, number);
    const BoardKeySet::Insertion insertion = set.insert(key, param.hasher(key));
    ASSERT_TRUE(insertion.inserted) << number;
    ASSERT_EQ(insertion.index, number);
  }
  EXPECT_EQ(set.size(), param.keyCount);
  for (std::uint32_t number = 0; number < param.keyCount; ++number) {
    const Key key = numberedKey(param.keyBytes, number);
    const BoardKeySet::Insertion again = set.insert(key, param.hasher(key));
    ASSERT_FALSE(again.inserted) << number;
    ASSERT_EQ(again.index, number);
    const std::span<const std::uint8_t> stored = set.key(number);
    ASSERT_TRUE(std::equal(stored.begin(), stored.end(), key.begin(), key.end())) << number;
    ASSERT_EQ(set.find(key, param.hasher(key)), number);
  }
  const Key absent = numberedKey(param.keyBytes, param.keyCount);
  EXPECT_EQ(set.find(absent, param.hasher(absent)), std::nullopt);
  EXPECT_EQ(set.size(), param.keyCount);
}

INSTANTIATE_TEST_SUITE_P(
    Sets, BoardKeySetTest,
    ::testing::Values(
        // Many chunks of keys and many growths of the table.
        SetCase{"narrow_boards", 225, hashKeyBytes, 20'000},
        SetCase{"wide_boards", 450, hashKeyBytes, 5'000},
        SetCase{"short_keys", 5, hashKeyBytes, 100'000},
        // Collisions are told apart by the keys' bytes, also across a growth of the table.
        SetCase{"one_hash_for_all", 225, everyKeyCollides, 1'500},
        SetCase{"two_hashes_for_all", 225, parityHash, 1'500}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(BoardKeySetTest, KeysWithTheSameHashAreDifferentEntries) {
  BoardKeySet set(225);
  const Key first = numberedKey(225, 1);
  Key second = first;
  second.front() = 0;
  EXPECT_TRUE(set.insert(first, 7).inserted);
  EXPECT_TRUE(set.insert(second, 7).inserted);
  EXPECT_EQ(set.insert(first, 7).index, 0u);
  EXPECT_EQ(set.insert(second, 7).index, 1u);
}

TEST(BoardKeySetTest, EqualKeysHashAlikeAndOneChangedByteChangesTheHash) {
  const Key key = numberedKey(225, 12345);
  EXPECT_EQ(hashKeyBytes(key), hashKeyBytes(Key(key)));
  for (std::size_t byte = 0; byte < key.size(); ++byte) {
    Key changed = key;
    changed[byte] ^= 1;
    EXPECT_NE(hashKeyBytes(changed), hashKeyBytes(key)) << byte;
  }
}

// A search checks growthBytes() against its memory limit before each insertion, so memory may
// only ever rise where it says so, through new chunks and table growths alike.
TEST(BoardKeySetTest, GrowthBytesForetellEveryRiseOfMemory) {
  for (const std::size_t keyBytes : {std::size_t{5}, std::size_t{225}, std::size_t{450}}) {
    BoardKeySet set(keyBytes);
    for (std::uint32_t number = 0; number < 20'000; ++number) {
      const std::size_t before = set.memoryBytes();
      const std::size_t growth = set.growthBytes();
      const Key key = numberedKey(keyBytes, number);
      (void)set.insert(key, hashKeyBytes(key));
      if (growth == 0) {
        ASSERT_EQ(set.memoryBytes(), before) << keyBytes << " " << number;
      } else {
        ASSERT_LE(set.memoryBytes(), before + growth) << keyBytes << " " << number;
      }
    }
  }
}

TEST(BoardKeySetTest, MemoryGrowsWithTheKeysStored) {
  BoardKeySet set(225);
  const std::size_t empty = set.memoryBytes();
  for (std::uint32_t number = 0; number < 10'000; ++number) {
    const Key key = numberedKey(225, number);
    (void)set.insert(key, hashKeyBytes(key));
  }
  EXPECT_GE(set.memoryBytes() - empty, 10'000u * 225u);
  EXPECT_EQ(set.bytesPerKey(), 225u + 16u);
}

}  // namespace
}  // namespace vantoki
