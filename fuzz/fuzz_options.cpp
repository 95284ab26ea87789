#include "fuzzfile.h"
#include "game/optionsfile.h"
#include "model/murmex.h"

// Any options file leaves every pair with at most one selected button.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Murmex m;
    m.dataDirectory = writeInput(QStringLiteral("optionen.ini"), data, size);
    readOptionsFile(m);
    for (int k = 0; k < m.Option1.count(); k += 2)
        if (m.Option1.isSelected(k) && m.Option1.isSelected(k + 1))
            __builtin_trap();
    return 0;
}
