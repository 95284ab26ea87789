#pragma once

#include "platform/printer.h"

#include <functional>

class QWidget;

// Prints on the default printer without a dialog; with no printer installed the page goes
// to a PDF file in the data directory.
class QtPrinter : public Printer
{
public:
    QtPrinter(QWidget* window, std::function<QString()> dataDirectory);

    Outcome printLines(const QList<Line>& lines, const QString& pdfName) override;
    Outcome printMainWindow(const QString& pdfName) override;

private:
    QWidget* m_window;
    std::function<QString()> m_dataDirectory;
};
