// The cost of drawing: a full redraw of a busy board next to the least a full redraw must do
// (copy a whole 600 × 600 picture once), and one animation tick on a board where every cell
// counts down or explodes: a frame of the move, and the frame that also commits it.
#include <benchmark/benchmark.h>

#include "core/move_resolution.h"
#include "core/turn_commit.h"
#include "view/board_painter.h"
#include "view/move_drawing.h"
#include "view/strip_loader.h"

namespace vantoki {
namespace {

const PictureStrips& strips() {
  static const PictureStrips loaded = loadPictureStrips();
  return loaded;
}

// Rows of arrow blocks still counting, and bombs lying on stars: nothing stays quiet.
Board restlessBoard() {
  Board board;
  for (int y = 0; y < kBoardSize; ++y) {
    for (int x = 0; x < kBoardSize; ++x) {
      const TileCode value = y % 3 == 0 ? 77 : y % 3 == 1 ? code(Tile::Bomb) : code(Tile::Star);
      board.set(x, y, value);
    }
  }
  return board;
}

// Every kind of cell the full redraw knows, including players on ladders.
Board busyBoard() {
  static constexpr TileCode kCycle[] = {0, 1, 2, 3, 4, 5, 6, 8, 26, 51, 65, 77};
  Board board;
  for (int cell = 0; cell < kCellCount; ++cell) {
    board.cells()[cell] = kCycle[cell % std::size(kCycle)];
  }
  return board;
}

void BM_RedrawBusyBoard(benchmark::State& state) {
  Image24 image(kBoardPixels, kBoardPixels);
  BoardPainter painter(strips(), image);
  const Board board = busyBoard();
  for (auto _ : state) {
    painter.redrawBoard(board);
    benchmark::DoNotOptimize(image);
  }
}
BENCHMARK(BM_RedrawBusyBoard);

void BM_BaselineCopyWholeImage(benchmark::State& state) {
  const Image24 source(kBoardPixels, kBoardPixels, 0x40C0E0);
  Image24 target(kBoardPixels, kBoardPixels);
  for (auto _ : state) {
    transferBlock(target, 0, 0, source, {0, 0, kBoardPixels, kBoardPixels}, RasterOp::Copy);
    benchmark::DoNotOptimize(target);
  }
}
BENCHMARK(BM_BaselineCopyWholeImage);

// The move the frames below draw: every piece of the restless board pushed left.
struct RestlessMove {
  Board before = restlessBoard();
  Board after;
  MotionGrid motion;

  RestlessMove() { resolveMove(before, 0, after, motion); }
};

void BM_AnimationFrameRestlessBoard(benchmark::State& state) {
  const RestlessMove move;
  Image24 image(kBoardPixels, kBoardPixels);
  BoardPainter painter(strips(), image);
  for (auto _ : state) {
    // The first of 20 frames: drawn, never committed.
    drawMoveFrame(painter, move.before, move.after, move.motion, 2, 1);
    painter.presentBoard();
    benchmark::DoNotOptimize(image);
  }
}
BENCHMARK(BM_AnimationFrameRestlessBoard);

void BM_CommitTickRestlessBoard(benchmark::State& state) {
  const RestlessMove move;
  Image24 image(kBoardPixels, kBoardPixels);
  BoardPainter painter(strips(), image);
  for (auto _ : state) {
    // At full speed the first frame is also the commit.
    drawMoveFrame(painter, move.before, move.after, move.motion, 40, 1);
    Board committed = move.after;
    clearExplosions(committed);
    drawCommittedCells(painter, move.after, committed);
    painter.presentBoard();
    benchmark::DoNotOptimize(image);
  }
}
BENCHMARK(BM_CommitTickRestlessBoard);

}  // namespace
}  // namespace vantoki
