// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

// The colours the board screen paints itself, as 0xRRGGBB read back from the window.
namespace e2e {

constexpr std::uint32_t kBoardGrey = 0x808080;   // the area 9r wide and 6r high
constexpr std::uint32_t kBoardBlack = 0x000000;  // the cleared screen, the circle's inside

}  // namespace e2e
