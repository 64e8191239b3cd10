// The cost of resolving one move, next to the least any move must do: copy a board and look at
// every cell once.
#include <benchmark/benchmark.h>

#include <algorithm>

#include "core/board.h"
#include "core/move_resolution.h"

namespace vantoki {
namespace {

// A crowded room: players on floors and ladders, bombs and stars stacked over gaps, balls and
// arrow blocks at every countdown, so nearly every rule fires somewhere.
Board busyBoard() {
  static constexpr const char* kRows[] = {
      "WWWWWWWWWWWWWWW",  //
      "W.P.B.S.o.P.B.W",  //
      "W.S.B.a.P.S.B.W",  //
      "WP.oL.P.Bb.S.PW",  //
      "W.BSL..PS.c.B.W",  //
      "WWW.LWW.WW.WW.W",  //
      "W.P.QB.S.oP.d.W",  //
      "WSB.L.PB..S.PSW",  //
      "W.oPL.a..BP.o.W",  //
      "WW.WLWWW.W.WW.W",  //
      "W.PB.SPo.PbB.SW",  //
      "WB.S..c.P..SP.W",  //
      "W.PoBS.d.PS.BPW",  //
      "WSP.BP.S.oPBS.W",  //
      "WWWWWWWWWWWWWWW",  //
  };
  Board board;
  for (int y = 0; y < kBoardSize; ++y) {
    for (int x = 0; x < kBoardSize; ++x) {
      TileCode value = code(Tile::Empty);
      switch (kRows[y][x]) {
        case 'W':
          value = code(Tile::Wall);
          break;
        case 'L':
          value = code(Tile::Ladder);
          break;
        case 'P':
          value = code(Tile::Player);
          break;
        case 'Q':
          value = code(Tile::PlayerOnLadder);
          break;
        case 'B':
          value = code(Tile::Bomb);
          break;
        case 'S':
          value = code(Tile::Star);
          break;
        case 'o':
          value = code(Tile::Ball);
          break;
        case 'a':
          value = 11;
          break;  // flies left this move
        case 'b':
          value = 51;
          break;  // flies right this move
        case 'c':
          value = 31;
          break;  // flies up this move
        case 'd':
          value = 77;
          break;  // still counting
        default:
          break;
      }
      board.set(x, y, value);
    }
  }
  return board;
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
