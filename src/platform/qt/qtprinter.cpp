#include "platform/qt/qtprinter.h"

#include <QDir>
#include <QMainWindow>
#include <QPainter>
#include <QPixmap>
#include <QPrinter>
#include <QPrinterInfo>

namespace {

// Enough to read the window's small texts on paper.
constexpr qreal kImageScale = 2.0;

// A PDF printer without a file has nowhere to put the page.
bool begin(QPainter& painter, QPrinter& printer)
{
    if (printer.outputFormat() == QPrinter::PdfFormat && printer.outputFileName().isEmpty())
        return false;
    return painter.begin(&printer);
}

// What the player sees of the window: the main window without its menu bar.
QWidget* inside(QWidget* window)
{
    auto* mainWindow = qobject_cast<QMainWindow*>(window);
    return mainWindow && mainWindow->centralWidget() ? mainWindow->centralWidget() : window;
}

} // namespace

QtPrinter::QtPrinter(QWidget* window, std::function<QString()> dataDirectory)
    : m_window(window)
    , m_dataDirectory(std::move(dataDirectory))
{ }

// Sets up the default printer or, with none installed, the PDF file; returns that file.
QString QtPrinter::setUp(
    QPrinter& printer, const QString& pdfName, QPageLayout::Orientation orientation) const
{
    QString pdfPath;
    if (QPrinterInfo::defaultPrinter().isNull()) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setPageSize(QPageSize(QPageSize::A4));
        const QString directory = m_dataDirectory();
        pdfPath = directory.isEmpty() ? pdfName : QDir(directory).filePath(pdfName);
        if (!directory.isEmpty())
            printer.setOutputFileName(pdfPath);
    }
    printer.setDocName(QStringLiteral("Murmex-Calculator"));
    printer.setPageOrientation(orientation);
    printer.setPageMargins(QMarginsF(20, 15, 20, 15), QPageLayout::Millimeter);
    return pdfPath;
}

Printer::Outcome QtPrinter::printLines(const QList<Line>& lines, const QString& pdfName)
{
    QPrinter printer(QPrinter::HighResolution);
    const QString pdf = setUp(printer, pdfName, QPageLayout::Portrait);
    QPainter painter;
    if (!begin(painter, printer))
        return {false, pdf};
    const int pageHeight = painter.viewport().height();
    int y = 0;
    for (const Line& line : lines) {
        QFont font = painter.font();
        font.setPointSize(line.pointSize);
        font.setBold(line.bold);
        painter.setFont(font);
        const QFontMetrics metrics = painter.fontMetrics();
        if (y + metrics.height() > pageHeight) {
            printer.newPage();
            y = 0;
        }
        painter.drawText(0, y + metrics.ascent(), line.text);
        y += metrics.lineSpacing();
    }
    return {painter.end(), pdf};
}

Printer::Outcome QtPrinter::printMainWindow(const QString& pdfName)
{
    QWidget* window = inside(m_window);
    QPixmap image(window->size() * kImageScale);
    image.setDevicePixelRatio(kImageScale);
    image.fill(Qt::white);
    window->render(&image);

    QPrinter printer(QPrinter::HighResolution);
    const QString pdf = setUp(printer, pdfName,
        window->width() > window->height() ? QPageLayout::Landscape : QPageLayout::Portrait);
    QPainter painter;
    if (!begin(painter, printer))
        return {false, pdf};
    // Texts and edges of the window stay sharp.
    painter.setRenderHint(QPainter::LosslessImageRendering);
    const QRect page = painter.viewport();
    const QSize size = window->size().scaled(page.size(), Qt::KeepAspectRatio);
    painter.drawPixmap(QRect(QPoint((page.width() - size.width()) / 2, 0), size), image);
    return {painter.end(), pdf};
}
