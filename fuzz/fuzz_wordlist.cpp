#include "fuzzfile.h"
#include "model/murmex.h"
#include "windows/woerterbuch.h"

// Any word-list file loads into a sorted list, and collecting keeps it sorted and unique.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Murmex m;
    m.dataDirectory = writeInput(QStringLiteral("mein_wörterbuch.txt"), data, size);
    m.Ergebnisliste.addItem(QStringLiteral(" 10 HAUS H8 - H11"));
    Woerterbuch dictionary(m);
    dictionary.Form_Load();
    dictionary.Command1_Click();
    const QStringList& words = dictionary.List2.lines();
    for (qsizetype i = 1; i < words.size(); ++i)
        if (!(words.at(i - 1) < words.at(i)))
            __builtin_trap();
    if (!words.contains(QStringLiteral("HAUS")))
        __builtin_trap();
    return 0;
}
