// The generator's one source of chance. std::mt19937_64's output is fixed by the standard, but the
// standard's distributions are not (each library maps the raw numbers its own way), so ranges are
// mapped here by hand: the same seed gives the same stages with every compiler and library.
#pragma once

#include <cstdint>
#include <random>

namespace vantoki {

class RandomSource {
 public:
  explicit RandomSource(std::uint64_t seed) : engine_(seed) {}

  // A number from 0 to count - 1 (count from 1 to INT_MAX): the top 32 bits of a draw scaled
  // to the range, whose bias of under one in 2^32 / count no stage notices.
  int below(int count) {
    const std::uint64_t top = engine_() >> 32;
    return static_cast<int>((top * static_cast<std::uint64_t>(count)) >> 32);
  }

  int between(int least, int most) { return least + below(most - least + 1); }

  // True `numerator` times in `denominator`.
  bool chance(int numerator, int denominator) { return below(denominator) < numerator; }

  std::uint64_t next() { return engine_(); }

 private:
  std::mt19937_64 engine_;
};

}  // namespace vantoki
