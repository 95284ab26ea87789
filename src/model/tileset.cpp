#include "model/tileset.h"

#include <array>

namespace tiles {

namespace {

struct Kind
{
    char16_t letter;
    int value;
    int count;
};

constexpr std::array<Kind, 30> kKinds{{
    {u'A', 1, 5},
    {u'B', 3, 2},
    {u'C', 4, 2},
    {u'D', 1, 4},
    {u'E', 1, 15},
    {u'F', 4, 2},
    {u'G', 2, 3},
    {u'H', 2, 4},
    {u'I', 1, 6},
    {u'J', 6, 1},
    {u'K', 4, 2},
    {u'L', 2, 3},
    {u'M', 3, 4},
    {u'N', 1, 9},
    {u'O', 2, 3},
    {u'P', 4, 1},
    {u'Q', 10, 1},
    {u'R', 1, 6},
    {u'S', 1, 7},
    {u'T', 1, 6},
    {u'U', 1, 6},
    {u'V', 6, 1},
    {u'W', 3, 1},
    {u'X', 8, 1},
    {u'Y', 10, 1},
    {u'Z', 3, 1},
    {u'Ä', 6, 1},
    {u'Ö', 8, 1},
    {u'Ü', 6, 1},
    {u'_', 0, 2},
}};

const Kind& kindOf(int tileNumber)
{
    static const auto table = [] {
        std::array<const Kind*, kTileCount + 1> byNumber{};
        int number = 1;
        for (const Kind& kind : kKinds)
            for (int i = 0; i < kind.count; ++i)
                byNumber[number++] = &kind;
        byNumber[0] = &kKinds.back();
        return byNumber;
    }();
    const bool known = tileNumber >= 1 && tileNumber <= kTileCount;
    return *table[known ? tileNumber : 0];
}

} // namespace

QChar letterOf(int tileNumber)
{
    return QChar(kindOf(tileNumber).letter);
}

int valueOf(int tileNumber)
{
    return kindOf(tileNumber).value;
}

QString blankAlphabet()
{
    return QStringLiteral("abcdefghijklmnopqrstuvwxyzäöü_");
}

int blankLetterIndex(QChar letter)
{
    return int(blankAlphabet().indexOf(letter)) + 1;
}

} // namespace tiles
