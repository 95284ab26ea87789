#pragma once

#include "platform/printer.h"

#include <QPageLayout>

#include <functional>

class QPrinter;
class QWidget;

// Prints on the default printer without a dialog; with no printer installed the page goes
// to a PDF file of the given name in the data directory, replacing an earlier one.
class QtPrinter : public Printer
{
public:
    QtPrinter(QWidget* window, std::function<QString()> dataDirectory);

    Outcome printLines(const QList<Line>& lines, const QString& pdfName) override;
    Outcome printMainWindow(const QString& pdfName) override;

private:
    QString setUp(
        QPrinter& printer, const QString& pdfName, QPageLayout::Orientation orientation) const;

    QWidget* m_window;
    std::function<QString()> m_dataDirectory;
};
