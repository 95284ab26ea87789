#include "windows/hilfe.h"

#include "windows/hilfetext.h"
#include "windows/printoutcome.h"

void Hilfe::Form_Load()
{
    List1.clear();
    for (const QString& line : hilfetext::lines())
        List1.addItem(line);
}

void Hilfe::Command2_Click(Printer& printer, MessageBoxes& messages)
{
    reportPrintOutcome(printer.printLines(printedDocument(), QStringLiteral("hilfe.pdf")),
        QStringLiteral("Hilfe"), messages);
}

QList<Printer::Line> Hilfe::printedDocument() const
{
    constexpr int kRegular = 10;
    constexpr int kTitle = 12;
    QList<Printer::Line> document(3, {QString(), kRegular, false});
    document.append(
        {QString(24, u' ') + QStringLiteral("Zettwigs Murmex-Calculator:"), kTitle, true});
    document.append({QString(), kTitle, true});
    for (const QString& line : List1.lines())
        document.append({QString(16, u' ') + line, kRegular, false});
    return document;
}
