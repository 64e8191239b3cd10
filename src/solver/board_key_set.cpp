#include "solver/board_key_set.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace vantoki {
namespace {

constexpr int kKeysPerChunkBits = 12;
constexpr std::uint32_t kKeysPerChunk = 1u << kKeysPerChunkBits;
constexpr int kFirstTableBits = 10;

constexpr std::uint64_t kGoldenRatio64 = 0x9E37'79B9'7F4A'7C15u;
constexpr std::uint64_t kMixMultiplier = 0xFF51'AFD7'ED55'8CCDu;
constexpr std::uint64_t kMixMultiplier2 = 0xC4CE'B9FE'1A85'EC53u;

std::uint64_t load64(const std::uint8_t* bytes) {
  std::uint64_t word = 0;
  std::memcpy(&word, bytes, sizeof word);
  return word;
}

std::uint64_t absorb(std::uint64_t lane, std::uint64_t word) {
  return std::rotl((lane ^ word) * kGoldenRatio64, 31);
}

}  // namespace

// Four independent lanes of 8 bytes each, so the multiplications of one round overlap instead of
// waiting on each other; a final avalanche spreads every input bit over the 32 bits returned.
std::uint32_t hashKeyBytes(std::span<const std::uint8_t> key) {
  std::uint64_t lanes[4] = {0x243F'6A88'85A3'08D3u, 0x1319'8A2E'0370'7344u, 0xA409'3822'299F'31D0u,
                            0x082E'FA98'EC4E'6C89u};
  const std::uint8_t* bytes = key.data();
  std::size_t left = key.size();
  for (; left >= 32; bytes += 32, left -= 32) {
    for (int lane = 0; lane < 4; ++lane) {
      lanes[lane] = absorb(lanes[lane], load64(bytes + 8 * lane));
    }
  }
  for (; left >= 8; bytes += 8, left -= 8) {
    lanes[0] = absorb(lanes[0], load64(bytes));
  }
  std::uint64_t tail = 0;
  std::memcpy(&tail, bytes, left);
  lanes[1] = absorb(lanes[1], tail);

  std::uint64_t hash = lanes[0] ^ std::rotl(lanes[1], 16) ^ std::rotl(lanes[2], 32) ^
                       std::rotl(lanes[3], 48) ^ key.size();
  hash = (hash ^ (hash >> 33)) * kMixMultiplier;
  hash = (hash ^ (hash >> 33)) * kMixMultiplier2;
  hash ^= hash >> 33;
  return static_cast<std::uint32_t>(hash ^ (hash >> 32));
}

BoardKeySet::BoardKeySet(std::size_t keyBytes)
    : keyBytes_(keyBytes), table_(std::size_t{1} << kFirstTableBits), tableBits_(kFirstTableBits) {}

BoardKeySet::Insertion BoardKeySet::insert(std::span<const std::uint8_t> key, std::uint32_t hash) {
  std::size_t slot = findSlot(key, hash);
  if (table_[slot].entry != 0) {
    return {table_[slot].entry - 1, false};
  }
  if (tableDueToGrow()) {
    growTable();
    slot = findSlot(key, hash);
  }
  const auto index = static_cast<std::uint32_t>(size_);
  if (index % kKeysPerChunk == 0) {
    chunks_.push_back(std::unique_ptr<std::uint8_t[]>(new std::uint8_t[kKeysPerChunk * keyBytes_]));
  }
  std::copy(key.begin(), key.end(), keyStorage(index));
  table_[slot] = {index + 1, hash};
  ++size_;
  return {index, true};
}

std::optional<std::uint32_t> BoardKeySet::find(std::span<const std::uint8_t> key,
                                               std::uint32_t hash) const {
  const Slot& slot = table_[findSlot(key, hash)];
  if (slot.entry == 0) {
    return std::nullopt;
  }
  return slot.entry - 1;
}

std::span<const std::uint8_t> BoardKeySet::key(std::uint32_t index) const {
  return {keyStorage(index), keyBytes_};
}

BoardKeySet::StoredKeys BoardKeySet::storedKeys() const {
  StoredKeys keys;
  keys.keyBytes_ = keyBytes_;
  keys.chunks_.reserve(chunks_.size());
  for (const std::unique_ptr<std::uint8_t[]>& chunk : chunks_) {
    keys.chunks_.push_back(chunk.get());
  }
  return keys;
}

std::span<const std::uint8_t> BoardKeySet::StoredKeys::key(std::uint32_t index) const {
  return {chunks_[index >> kKeysPerChunkBits] + (index & (kKeysPerChunk - 1)) * keyBytes_,
          keyBytes_};
}

std::size_t BoardKeySet::memoryBytes() const {
  return chunks_.size() * kKeysPerChunk * keyBytes_ + table_.size() * sizeof(Slot);
}

std::size_t BoardKeySet::growthBytes() const {
  std::size_t bytes = 0;
  if (size_ % kKeysPerChunk == 0) {
    bytes += kKeysPerChunk * keyBytes_;
  }
  if (tableDueToGrow()) {
    bytes += 2 * table_.size() * sizeof(Slot);
  }
  return bytes;
}

bool BoardKeySet::tableDueToGrow() const {
  return (size_ + 1) * 2 > table_.size();
}

std::size_t BoardKeySet::homeSlot(std::uint32_t hash) const {
  return static_cast<std::size_t>((hash * kGoldenRatio64) >> (64 - tableBits_));
}

std::size_t BoardKeySet::findSlot(std::span<const std::uint8_t> key, std::uint32_t hash) const {
  const std::size_t mask = table_.size() - 1;
  for (std::size_t slot = homeSlot(hash);; slot = (slot + 1) & mask) {
    const Slot& probe = table_[slot];
    if (probe.entry == 0 || (probe.hash == hash && keyEquals(probe.entry - 1, key))) {
      return slot;
    }
  }
}

bool BoardKeySet::keyEquals(std::uint32_t index, std::span<const std::uint8_t> key) const {
  return std::memcmp(keyStorage(index), key.data(), keyBytes_) == 0;
}

std::uint8_t* BoardKeySet::keyStorage(std::uint32_t index) const {
  return chunks_[index >> kKeysPerChunkBits].get() + (index & (kKeysPerChunk - 1)) * keyBytes_;
}

void BoardKeySet::growTable() {
  std::vector<Slot> old(std::size_t{1} << (tableBits_ + 1));
  old.swap(table_);
  ++tableBits_;
  const std::size_t mask = table_.size() - 1;
  for (const Slot& moving : old) {
    if (moving.entry == 0) {
      continue;
    }
    std::size_t slot = homeSlot(moving.hash);
    while (table_[slot].entry != 0) {
      slot = (slot + 1) & mask;
    }
    table_[slot] = moving;
  }
}

}  // namespace vantoki
