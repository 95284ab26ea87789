#include "platform/qt/qtprinter.h"

#include <QDir>
#include <QPainter>
#include <QPixmap>
#include <QPrinter>
#include <QPrinterInfo>
#include <QWidget>

namespace {

// The PDF file the page goes to, or nothing when a printer takes it.
QString setUp(QPrinter& printer, const QString& pdfPath)
{
    if (!QPrinterInfo::defaultPrinter().isNull())
        return {};
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdfPath);
    return pdfPath;
}

} // namespace

QtPrinter::QtPrinter(QWidget* window, std::function<QString()> dataDirectory)
    : m_window(window)
    , m_dataDirectory(std::move(dataDirectory))
{ }

Printer::Outcome QtPrinter::printLines(const QList<Line>& lines, const QString& pdfName)
{
    QPrinter printer;
    const QString pdfPath = setUp(printer, QDir(m_dataDirectory()).filePath(pdfName));
    QPainter painter;
    if (!painter.begin(&printer))
        return {};
    const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
    int y = 0;
    for (const Line& line : lines) {
        QFont font = painter.font();
        font.setPointSize(line.pointSize);
        font.setBold(line.bold);
        painter.setFont(font);
        const int height = painter.fontMetrics().lineSpacing();
        if (y + height > page.height()) {
            printer.newPage();
            y = 0;
        }
        painter.drawText(0, y + painter.fontMetrics().ascent(), line.text);
        y += height;
    }
    return {painter.end(), pdfPath};
}

Printer::Outcome QtPrinter::printMainWindow(const QString& pdfName)
{
    QPrinter printer;
    const QString pdfPath = setUp(printer, QDir(m_dataDirectory()).filePath(pdfName));
    const QPixmap image = m_window->grab();
    QPainter painter;
    if (!painter.begin(&printer))
        return {};
    const QRect page = painter.viewport();
    const QSize size = image.size().scaled(page.size(), Qt::KeepAspectRatio);
    painter.drawPixmap(QRect(QPoint(0, 0), size), image);
    return {painter.end(), pdfPath};
}
