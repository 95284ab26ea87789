#include "model/premiumlayout.h"

#include <array>

namespace premiums {

namespace {

constexpr std::array kTripleWord{1, 8, 15, 106, 120, 211, 218, 225};
constexpr std::array kDoubleWord{
    17, 29, 33, 43, 49, 57, 65, 71, 113, 155, 161, 169, 177, 183, 193, 197, 209};
constexpr std::array kDoubleLetter{4, 12, 37, 39, 46, 53, 60, 93, 97, 99, 103, 109, 117, 123, 127,
    129, 133, 166, 173, 180, 187, 189, 214, 222};
constexpr std::array kTripleLetter{21, 25, 77, 81, 85, 89, 137, 141, 145, 149, 201, 205};

} // namespace

std::span<const int> tripleWordSquares()
{
    return kTripleWord;
}
std::span<const int> doubleWordSquares()
{
    return kDoubleWord;
}
std::span<const int> doubleLetterSquares()
{
    return kDoubleLetter;
}
std::span<const int> tripleLetterSquares()
{
    return kTripleLetter;
}

Rgb colourFor(int letterFactor, int wordFactor)
{
    if (wordFactor == 3)
        return kTripleWordColour;
    if (wordFactor == 2)
        return kDoubleWordColour;
    if (letterFactor == 2)
        return kDoubleLetterColour;
    if (letterFactor == 3)
        return kTripleLetterColour;
    return kPlainColour;
}

} // namespace premiums
