#include "solver/board_key.h"

#include <algorithm>
#include <cstring>

namespace vantoki {
namespace {

constexpr std::uint16_t kNarrowLimit = 127;
// The nibble of a cell whose code is in the list after the cells.
constexpr std::uint8_t kLargeCodeNibble = 15;
constexpr std::size_t kPackedCellBytes = (kCellCount + 1) / 2;

bool fitsNarrow(TileCode value) {
  return static_cast<std::uint16_t>(value) <= kNarrowLimit;
}

// Balls turn into arrow blocks and back; codes from 10 on stay as they are or count down.
bool mayHoldALargeCode(TileCode value) {
  return value == code(Tile::Ball) || countsDown(value);
}

void encodeNarrow(const std::array<TileCode, kCellCount>& cells, std::span<std::uint8_t> key) {
  for (std::size_t cell = 0; cell < cells.size(); ++cell) {
    key[cell] = static_cast<std::uint8_t>(cells[cell]);
  }
}

// Whether any of the eight nibbles of `bytes` is 15: each bit of a 15 and the three above it are
// all set.
bool holdsLargeCodeNibble(std::uint64_t bytes) {
  return (bytes & bytes >> 1 & bytes >> 2 & bytes >> 3 & 0x1111'1111'1111'1111u) != 0;
}

// The codes past 14 are found through the packed cells, eight bytes at a time, so a board with
// no arrow block in flight, or one or two, costs little more than the packing.
template <typename Visit>
void forEachLargeCodeNibble(std::span<const std::uint8_t> packedCells, Visit visit) {
  for (std::size_t first = 0; first < kPackedCellBytes; first += 8) {
    const std::size_t bytes = std::min<std::size_t>(8, kPackedCellBytes - first);
    std::uint64_t run = 0;
    std::memcpy(&run, packedCells.data() + first, bytes);
    if (!holdsLargeCodeNibble(run)) {
      continue;
    }
    for (std::size_t cell = 2 * first; cell < 2 * (first + bytes); ++cell) {
      if ((packedCells[cell / 2] >> (cell % 2 * 4) & 0x0F) == kLargeCodeNibble) {
        visit(cell);
      }
    }
  }
}

// Cells looked at together when codes past 14 are listed: a run without one is passed at once.
constexpr std::size_t kRunCells = 16;

// One pass with no early exit and no branch, which the compiler turns into wide vector
// operations; the codes past 14 are listed after it.
void encodePacked(const std::array<TileCode, kCellCount>& cells, std::span<std::uint8_t> key) {
  std::uint16_t highest = 0;
  const auto nibbleOf = [&highest](TileCode value) {
    const auto code = static_cast<std::uint16_t>(value);
    highest = std::max(highest, code);
    return static_cast<std::uint8_t>(std::min<std::uint16_t>(code, kLargeCodeNibble));
  };
  for (std::size_t byte = 0; byte < kCellCount / 2; ++byte) {
    key[byte] =
        static_cast<std::uint8_t>(nibbleOf(cells[2 * byte]) | nibbleOf(cells[2 * byte + 1]) << 4);
  }
  // The last cell has no partner in its byte.
  key[kPackedCellBytes - 1] = nibbleOf(cells[kCellCount - 1]);
  const std::span<std::uint8_t> largeCodes = key.subspan(kPackedCellBytes);
  std::fill(largeCodes.begin(), largeCodes.end(), std::uint8_t{0});
  if (highest < kLargeCodeNibble) {
    return;
  }
  // Looked for in the cells rather than in the key just written, which the processor could not
  // yet read back eight bytes at a time. The list is never written past its end, even for a
  // board that breaks the width's promise.
  std::size_t listed = 0;
  for (std::size_t run = 0; run < cells.size(); run += kRunCells) {
    const std::size_t end = std::min(run + kRunCells, cells.size());
    std::uint16_t runHighest = 0;
    for (std::size_t cell = run; cell < end; ++cell) {
      runHighest = std::max(runHighest, static_cast<std::uint16_t>(cells[cell]));
    }
    for (std::size_t cell = run; cell < end && runHighest >= kLargeCodeNibble; ++cell) {
      if (cells[cell] >= kLargeCodeNibble && listed < largeCodes.size()) {
        largeCodes[listed++] = static_cast<std::uint8_t>(cells[cell]);
      }
    }
  }
}

Board decodePacked(std::span<const std::uint8_t> key) {
  Board board;
  auto& cells = board.cells();
  for (std::size_t byte = 0; byte < kCellCount / 2; ++byte) {
    cells[2 * byte] = static_cast<TileCode>(key[byte] & 0x0F);
    cells[2 * byte + 1] = static_cast<TileCode>(key[byte] >> 4);
  }
  cells[kCellCount - 1] = static_cast<TileCode>(key[kPackedCellBytes - 1] & 0x0F);
  // Listed codes are 15 or more, so an empty list starts with 0.
  const std::span<const std::uint8_t> largeCodes = key.subspan(kPackedCellBytes);
  if (largeCodes[0] != 0) {
    std::size_t read = 0;
    forEachLargeCodeNibble(key.first(kPackedCellBytes), [&](std::size_t cell) {
      if (read < largeCodes.size()) {
        cells[cell] = largeCodes[read++];
      }
    });
  }
  return board;
}

}  // namespace

KeyWidth keyWidthFor(const Board& stage) {
  const auto& cells = stage.cells();
  if (!std::all_of(cells.begin(), cells.end(), fitsNarrow)) {
    return KeyWidth::Wide;
  }
  const auto largeCodes = std::count_if(cells.begin(), cells.end(), mayHoldALargeCode);
  return largeCodes <= kPackedLargeCodes ? KeyWidth::Packed : KeyWidth::Narrow;
}

void encodeBoardKey(const Board& board, KeyWidth width, std::span<std::uint8_t> key) {
  const auto& cells = board.cells();
  switch (width) {
    case KeyWidth::Packed:
      encodePacked(cells, key);
      return;
    case KeyWidth::Narrow:
      encodeNarrow(cells, key);
      return;
    case KeyWidth::Wide:
      break;
  }
  for (std::size_t cell = 0; cell < cells.size(); ++cell) {
    const auto value = static_cast<std::uint16_t>(cells[cell]);
    key[2 * cell] = static_cast<std::uint8_t>(value & 0xFF);
    key[2 * cell + 1] = static_cast<std::uint8_t>(value >> 8);
  }
}

Board decodeBoardKey(std::span<const std::uint8_t> key, KeyWidth width) {
  Board board;
  auto& cells = board.cells();
  if (key.size() != keyBytes(width)) {
    return board;
  }
  switch (width) {
    case KeyWidth::Packed:
      return decodePacked(key);
    case KeyWidth::Narrow:
      for (std::size_t cell = 0; cell < cells.size(); ++cell) {
        cells[cell] = static_cast<TileCode>(key[cell]);
      }
      break;
    case KeyWidth::Wide:
      for (std::size_t cell = 0; cell < cells.size(); ++cell) {
        cells[cell] = static_cast<TileCode>(key[2 * cell] | (key[2 * cell + 1] << 8));
      }
      break;
  }
  return board;
}

}  // namespace vantoki
