#pragma once
/// The colours the program names, in its colour form (red in the low byte,
/// green in the second, blue in the third byte).

#include "engine/Types.h"

namespace vemlo::colors {

constexpr Color Black = 0x000000;
constexpr Color Maroon = 0x000080;
constexpr Color Green = 0x008000;
constexpr Color Olive = 0x008080;
constexpr Color Navy = 0x800000;
constexpr Color Purple = 0x800080;
constexpr Color Teal = 0x808000;
constexpr Color Gray = 0x808080;
constexpr Color Silver = 0xC0C0C0;
constexpr Color Red = 0x0000FF;
constexpr Color Lime = 0x00FF00;
constexpr Color Yellow = 0x00FFFF;
constexpr Color Blue = 0xFF0000;
constexpr Color Fuchsia = 0xFF00FF;
constexpr Color Aqua = 0xFFFF00;
constexpr Color White = 0xFFFFFF;
constexpr Color SkyBlue = 0xF0CAA6;
constexpr Color Cream = 0xF0FBFF;
constexpr Color MoneyGreen = 0xC0DCC0;

}  // namespace vemlo::colors
