#pragma once

#include "model/rgb.h"

#include <span>

namespace premiums {

std::span<const int> tripleWordSquares();
std::span<const int> doubleWordSquares();
std::span<const int> doubleLetterSquares();
std::span<const int> tripleLetterSquares();

inline constexpr Rgb kTripleWordColour{235, 51, 63};
inline constexpr Rgb kDoubleWordColour{247, 172, 154};
inline constexpr Rgb kDoubleLetterColour{136, 203, 239};
inline constexpr Rgb kTripleLetterColour{0, 157, 222};
inline constexpr Rgb kPlainColour{0, 151, 146};

// The background that belongs to a square's multipliers; no square has both above 1.
Rgb colourFor(int letterFactor, int wordFactor);

} // namespace premiums
