#include "model/statestring.h"

namespace state {

QString emptySquare(int square, int letterFactor, int wordFactor)
{
    return threeDigits(square) + u" ___ M " + QString::number(letterFactor) + u' '
        + QString::number(wordFactor) + u" ___";
}

} // namespace state
