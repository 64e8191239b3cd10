#include "solver/board_codec.h"

#include <algorithm>

namespace vantoki {
namespace {

constexpr std::uint8_t kNoPiece = 0xFF;
// Past this many pieces a board key is no larger than a piece key.
constexpr std::size_t kMostPieces = keyBytes(KeyWidth::Packed) / 2;

// Each framed cell's index on the board, looked up rather than divided for each piece of each
// key.
constexpr std::array<std::uint8_t, kFramedCount> kBoardIndexOfFramed = [] {
  std::array<std::uint8_t, kFramedCount> table{};
  for (int cell = 0; cell < kCellCount; ++cell) {
    table[framedIndex(cell)] = static_cast<std::uint8_t>(cell);
  }
  return table;
}();

// What stays of a cell when its piece leaves: a player on a ladder leaves the ladder.
TileCode fixedCellUnder(TileCode value) {
  if (value == code(Tile::PlayerOnLadder)) {
    return code(Tile::Ladder);
  }
  return isPieceCode(value) ? code(Tile::Empty) : value;
}

}  // namespace

BoardCodec::BoardCodec(const Board& stage) {
  frameBoard(stage, fixed_);
  bool narrowCodes = true;
  for (TileCode& cell : fixed_) {
    if (isPieceCode(cell)) {
      ++pieceCount_;
      narrowCodes = narrowCodes && cell < kNoPiece;
      cell = fixedCellUnder(cell);
    }
  }
  if (pieceCount_ > kMostPieces || !narrowCodes) {
    boardKeys_ = true;
    pieceCount_ = 0;
    width_ = keyWidthFor(stage);
    keyBytes_ = vantoki::keyBytes(width_);
  } else {
    // Even a stage without pieces has a key of a byte.
    keyBytes_ = std::max<std::size_t>(2 * pieceCount_, 1);
  }
}

BoardCodec::Facts BoardCodec::encodeStage(const FramedCells& stage,
                                          std::span<std::uint8_t> key) const {
  if (boardKeys_) {
    return encodeBoard(stage, false, key);
  }
  std::array<PieceCell, kCellCount> cells;
  std::size_t count = 0;
  for (int cell = 0; cell < kCellCount; ++cell) {
    cells[count++] = static_cast<PieceCell>(framedIndex(cell));
  }
  return encodePieces(stage, std::span(cells).first(count), false, key);
}

// The board a move built differs from the one before it only where the move wrote, so its key is
// the key before with those cells read again: the written cells, put in scan order by an
// insertion sort (there are a handful), are merged with the pieces before, which are in it.
BoardCodec::Facts BoardCodec::encodeMove(const FramedMoves& move,
                                         std::span<const std::uint8_t> before,
                                         std::span<const PieceCell> pieces,
                                         std::span<std::uint8_t> key) const {
  if (boardKeys_) {
    return encodeBoard(move.work(), true, key);
  }
  std::array<PieceCell, FramedMoves::kMostWrites> written;
  std::size_t writtenCount = 0;
  for (const PieceCell cell : move.written()) {
    std::size_t place = writtenCount++;
    for (; place > 0 && written[place - 1] > cell; --place) {
      written[place] = written[place - 1];
    }
    written[place] = cell;
  }
  int stars = 0;
  int bombs = 0;
  std::size_t length = 0;
  const auto put = [&](std::uint8_t boardIndex, TileCode value) {
    stars += value == code(Tile::Star) ? 1 : 0;
    bombs += value == code(Tile::Bomb) ? 1 : 0;
    // Never past the key's end, even for a board that breaks the stage's promise.
    if (length + 2 <= key.size()) {
      key[length++] = boardIndex;
      key[length++] = static_cast<std::uint8_t>(value);
    }
  };
  std::size_t piece = 0;
  for (std::size_t next = 0; next < writtenCount; ++next) {
    const PieceCell cell = written[next];
    if (next > 0 && written[next - 1] == cell) {
      continue;
    }
    for (; piece < pieces.size() && pieces[piece] < cell; ++piece) {
      put(before[2 * piece], before[2 * piece + 1]);
    }
    if (piece < pieces.size() && pieces[piece] == cell) {
      ++piece;
    }
    TileCode value = move.work()[cell];
    if (value == code(Tile::Explosion)) {
      value = code(Tile::Empty);
    }
    if (value != fixed_[cell]) {
      put(kBoardIndexOfFramed[cell], value);
    }
  }
  for (; piece < pieces.size(); ++piece) {
    put(before[2 * piece], before[2 * piece + 1]);
  }
  std::fill(key.begin() + static_cast<std::ptrdiff_t>(length), key.end(), kNoPiece);
  return {stars == 0, stars > 0 && bombs == 0};
}

BoardCodec::Facts BoardCodec::encodePieces(const FramedCells& board,
                                           std::span<const PieceCell> cells, bool committed,
                                           std::span<std::uint8_t> key) const {
  int stars = 0;
  int bombs = 0;
  std::size_t written = 0;
  for (const PieceCell cell : cells) {
    TileCode value = board[cell];
    if (committed && value == code(Tile::Explosion)) {
      value = code(Tile::Empty);
    }
    if (value == fixed_[cell]) {
      continue;
    }
    stars += value == code(Tile::Star) ? 1 : 0;
    bombs += value == code(Tile::Bomb) ? 1 : 0;
    // Never past the key's end, even for a board that breaks the stage's promise.
    if (written + 2 <= key.size()) {
      key[written++] = kBoardIndexOfFramed[cell];
      key[written++] = static_cast<std::uint8_t>(value);
    }
  }
  std::fill(key.begin() + static_cast<std::ptrdiff_t>(written), key.end(), kNoPiece);
  return {stars == 0, stars > 0 && bombs == 0};
}

BoardCodec::Facts BoardCodec::encodeBoard(const FramedCells& board, bool committed,
                                          std::span<std::uint8_t> key) const {
  Board plain;
  unframeBoard(board, plain);
  int stars = 0;
  int bombs = 0;
  for (TileCode& value : plain.cells()) {
    if (committed && value == code(Tile::Explosion)) {
      value = code(Tile::Empty);
    }
    stars += value == code(Tile::Star) ? 1 : 0;
    bombs += value == code(Tile::Bomb) ? 1 : 0;
  }
  encodeBoardKey(plain, width_, key);
  return {stars == 0, stars > 0 && bombs == 0};
}

std::span<const PieceCell> BoardCodec::decode(std::span<const std::uint8_t> key, FramedCells& board,
                                              PieceCells& pieces) const {
  if (boardKeys_) {
    const Board plain = decodeBoardKey(key, width_);
    frameBoard(plain, board);
    return findPieces(plain, pieces);
  }
  std::size_t count = 0;
  board = fixed_;
  for (std::size_t read = 0; read + 1 < key.size() && key[read] < kCellCount; read += 2) {
    const PieceCell cell = kFramedIndexOfCell[key[read]];
    board[cell] = key[read + 1];
    pieces[count++] = cell;
  }
  return std::span(pieces).first(count);
}

}  // namespace vantoki
