#include "windows/printoutcome.h"

#include <QDir>

void reportPrintOutcome(
    const Printer::Outcome& outcome, const QString& title, MessageBoxes& messages)
{
    const QString pdfPath = QDir::toNativeSeparators(outcome.pdfPath);
    if (!outcome.printed) {
        const QString text = pdfPath.isEmpty()
            ? QStringLiteral("Der Drucker hat die Seite nicht angenommen.")
            : QString(QStringLiteral("Es ist kein Drucker eingerichtet, und die PDF-Datei "
                                     "konnte nicht geschrieben werden:\n\n")
                + pdfPath);
        messages.inform(title, text, MessageBoxes::Icon::Critical);
        return;
    }
    if (pdfPath.isEmpty())
        return;
    messages.inform(title,
        QStringLiteral("Es ist kein Drucker eingerichtet. Die Seite wurde als PDF-Datei "
                       "gespeichert:\n\n")
            + pdfPath,
        MessageBoxes::Icon::Information);
}
