// The cost of resolving one move, as the play makes it and as the solver does, next to the least
// a move on a plain board must do: copy a board and look at every cell once.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <string_view>

#include "core/board.h"
#include "core/move_resolution.h"
#include "core/text_board.h"

namespace vantoki {
namespace {

// A crowded room: players on floors and ladders, bombs and stars stacked over gaps, balls and
// arrow blocks at every countdown, so nearly every rule fires somewhere.
Board busyBoard() {
  static constexpr std::array<std::string_view, kBoardSize> kRows = {
      "###############",  //
      "#.P.B.*.o.P.B.#",  //
      "#.*.B.a.P.*.B.#",  //
      "#P.oH.P.Bb.*.P#",  //
      "#.B*H..P*.c.B.#",  //
      "###.H##.##.##.#",  //
      "#.P.QB.*.oP.d.#",  //
      "#*B.H.PB..*.P*#",  //
      "#.oPH.a..BP.o.#",  //
      "##.#H###.#.##.#",  //
      "#.PB.*Po.PbB.*#",  //
      "#B.*..c.P..*P.#",  //
      "#.PoB*.d.P*.BP#",  //
      "#*P.BP.*.oPB*.#",  //
      "###############",  //
  };
  // a flies left this move, b right, c up; d is still counting.
  static constexpr std::array<TextCode, 4> kCountdowns = {
      {{'a', 11}, {'b', 51}, {'c', 31}, {'d', 77}}};
  return *boardFromText(kRows, kCountdowns);
}

void resolveOn(benchmark::State& state, const Board& before) {
  Board work;
  MotionGrid motion;
  int direction = 0;
  for (auto _ : state) {
    resolveMove(before, direction, work, motion);
    direction = (direction + 1) % kDirectionCount;
    benchmark::DoNotOptimize(work);
    benchmark::DoNotOptimize(motion);
  }
}

void BM_ResolveMoveEmptyRoom(benchmark::State& state) {
  resolveOn(state, walledEmptyBoard());
}
BENCHMARK(BM_ResolveMoveEmptyRoom);

void BM_ResolveMoveBusyBoard(benchmark::State& state) {
  resolveOn(state, busyBoard());
}
BENCHMARK(BM_ResolveMoveBusyBoard);

// A move as the solver makes it, on a board kept framed whose pieces it knows: each of the four
// directions from one board in turn, each undoing what the one before wrote.
void BM_FramedMoveBusyBoard(benchmark::State& state) {
  const Board before = busyBoard();
  FramedCells framed;
  frameBoard(before, framed);
  PieceCells pieces;
  FramedMoves moves(framed, findPieces(before, pieces));
  int direction = 0;
  for (auto _ : state) {
    moves.resolve(direction);
    direction = (direction + 1) % kDirectionCount;
    benchmark::DoNotOptimize(moves.work());
  }
}
BENCHMARK(BM_FramedMoveBusyBoard);

void BM_BaselineCopyAndScan(benchmark::State& state) {
  const Board before = busyBoard();
  Board work;
  for (auto _ : state) {
    work = before;
    benchmark::DoNotOptimize(work);
    int stars =
        static_cast<int>(std::count(work.cells().begin(), work.cells().end(), code(Tile::Star)));
    benchmark::DoNotOptimize(stars);
  }
}
BENCHMARK(BM_BaselineCopyAndScan);

}  // namespace
}  // namespace vantoki
