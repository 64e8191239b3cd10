// The set of boards a search has reached, stored as keys of one fixed width (board_key.h). Each
// key gets an index in the order of insertion, 0, 1, 2, …, which never changes, so a search can
// keep what it knows about a board (how it was reached) in plain arrays beside the set.
//
// Keys live in fixed-size chunks that never move, so the set grows without the copy and the
// doubled peak of one growing array. The table is open addressing with linear probing: each slot
// holds an entry index and the 32 bits of the key's hash, so a probe compares a key only when
// the hashes agree, and growing the table never reads a key again. The table is kept at most
// half full. Different keys with the same hash are told apart by comparing their bytes.
//
// The caller hashes each key (hashKeyBytes) and hands the hash in, so a key hashed once can be
// compared with others by its hash first; equal keys must come with equal hashes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <vector>

namespace vantoki {

std::uint32_t hashKeyBytes(std::span<const std::uint8_t> key);

class BoardKeySet {
 public:
  // The largest number of keys a set can hold: indexes are 32-bit.
  static constexpr std::size_t kMaxSize = 0xFFFF'FFFEu;

  explicit BoardKeySet(std::size_t keyBytes);

  struct Insertion {
    std::uint32_t index = 0;  // of the key just stored, or of the equal key already there
    bool inserted = false;
  };

  // `key` must be keyBytes() long. Stores it unless an equal key is there already. Call it only
  // while size() is below kMaxSize.
  Insertion insert(std::span<const std::uint8_t> key, std::uint32_t hash);

  // The index of the stored key equal to `key`, if there is one; stores nothing.
  std::optional<std::uint32_t> find(std::span<const std::uint8_t> key, std::uint32_t hash) const;

  // Asks the processor to fetch where a key of this hash is looked for first, so that a look-up
  // soon after need not wait for memory.
  void prefetch(std::uint32_t hash) const { __builtin_prefetch(&table_[homeSlot(hash)]); }

  // The key stored under `index`, which must be below size().
  std::span<const std::uint8_t> key(std::uint32_t index) const;

  // The keys stored so far, for threads that read them while another stores more: the set's
  // keys never move, but its list of where they lie may, so this holds a copy of the list.
  class StoredKeys {
   public:
    std::span<const std::uint8_t> key(std::uint32_t index) const;

   private:
    friend class BoardKeySet;
    std::vector<const std::uint8_t*> chunks_;
    std::size_t keyBytes_ = 0;
  };
  StoredKeys storedKeys() const;

  std::size_t size() const { return size_; }
  std::size_t keyBytes() const { return keyBytes_; }

  // Bytes held for keys and table together.
  std::size_t memoryBytes() const;

  // How far memoryBytes() rises at the peak of storing one more key: a new chunk when the last
  // one is full, and the whole new table, held beside the old one while the keys move over, when
  // the table is due to grow. Zero for most keys, so a caller can check this before every
  // insertion and never ask for memory it may not take.
  std::size_t growthBytes() const;

  // What one more key costs once the set is large: its bytes and its share of the table, two
  // slots when the table is at its fullest; just after the table has grown the share is four.
  std::size_t bytesPerKey() const { return keyBytes_ + 2 * sizeof(Slot); }

 private:
  struct Slot {
    std::uint32_t entry = 0;  // index + 1; 0 marks an empty slot
    std::uint32_t hash = 0;
  };

  // One more key would fill the table beyond half.
  bool tableDueToGrow() const;
  // Where the probe for a hash starts: the top bits of a multiplicative spread, so hashes that
  // differ only in their high bits still land apart.
  std::size_t homeSlot(std::uint32_t hash) const;
  // The slot holding the key, or the empty slot where it would go.
  std::size_t findSlot(std::span<const std::uint8_t> key, std::uint32_t hash) const;
  bool keyEquals(std::uint32_t index, std::span<const std::uint8_t> key) const;
  std::uint8_t* keyStorage(std::uint32_t index) const;
  void growTable();

  std::size_t keyBytes_;
  std::size_t size_ = 0;
  std::vector<std::unique_ptr<std::uint8_t[]>> chunks_;
  std::vector<Slot> table_;
  int tableBits_;
};

}  // namespace vantoki
