#pragma once

#include <QList>
#include <QString>

// The default printer. Where no printer is installed, output goes to a PDF file instead.
class Printer
{
public:
    struct Line
    {
        QString text;
        int pointSize = 10;
        bool bold = false;
    };

    struct Outcome
    {
        bool printed = false;
        // The file meant to take the page in place of a printer; empty for a real printer.
        QString pdfPath;
    };

    virtual ~Printer() = default;
    // pdfName names the fallback file, without directory.
    virtual Outcome printLines(const QList<Line>& lines, const QString& pdfName) = 0;
    virtual Outcome printMainWindow(const QString& pdfName) = 0;
};
