// The cost of drawing: a full redraw of a busy board next to the least a full redraw must do
// (copy a whole 600 × 600 picture once), and one animation tick on a board where every cell
// counts down or explodes.
#include <benchmark/benchmark.h>

#include <memory>

#include "core/move_entry.h"
#include "core/stage_selection.h"
#include "view/animation_tick.h"
#include "view/board_painter.h"
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

class NoWindow : public TickHost {
 public:
  bool leftButtonDown() override { return false; }
  void showTurnLabels(int, int) override {}
  void showTurnLimitMessage() override {}
  void showStageClear() override {}
};

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

void BM_AnimationFrameRestlessBoard(benchmark::State& state) {
  auto play = std::make_unique<PlayState>();
  startPlay(*play, restlessBoard());
  pressDirectionButton(*play, 0, kLeftMouseButton);
  Image24 image(kBoardPixels, kBoardPixels);
  BoardPainter painter(strips(), image);
  AnimationTimer timer;
  NoWindow window;
  for (auto _ : state) {
    play->animating = 1;  // the first of 20 frames: drawn, never committed
    timer.tick(*play, 2, false, painter, window);
    benchmark::DoNotOptimize(image);
  }
}
BENCHMARK(BM_AnimationFrameRestlessBoard);

void BM_CommitTickRestlessBoard(benchmark::State& state) {
  auto play = std::make_unique<PlayState>();
  startPlay(*play, restlessBoard());
  pressDirectionButton(*play, 0, kLeftMouseButton);
  const Board resolved = play->workBoard;
  Image24 image(kBoardPixels, kBoardPixels);
  BoardPainter painter(strips(), image);
  AnimationTimer timer;
  NoWindow window;
  for (auto _ : state) {
    play->workBoard = resolved;
    play->currentTurn = 0;
    play->animating = 1;  // at full speed the first frame is also the commit
    timer.tick(*play, 40, false, painter, window);
    benchmark::DoNotOptimize(image);
  }
}
BENCHMARK(BM_CommitTickRestlessBoard);

}  // namespace
}  // namespace vantoki
