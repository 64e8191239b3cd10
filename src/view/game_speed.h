// The game speed: how many pixels a moving piece travels per 50 ms tick. Every step divides the
// 40-pixel cell, so a move always lands exactly on its cell after 40 / step ticks.
#pragma once

#include <array>
#include <string_view>

namespace vantoki {

// The items of the speed list, from fastest to smoothest.
constexpr std::array<std::string_view, 5> kGameSpeedNames = {"超速い", "速い", "標準", "スムーズ",
                                                             "超スムーズ"};
constexpr int kStandardSpeedIndex = 2;
constexpr int kStandardAnimStep = 10;

// 0 → 40, 1 → 20, 2 → 10, 3 → 5; any other index, no selection included, → 2.
int animStepForSpeed(int speedIndex);

}  // namespace vantoki
