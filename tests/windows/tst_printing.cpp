#include "model/murmex.h"
#include "windows/hilfetext.h"
#include "windows/mainwindow.h"

#include <QAction>
#include <QApplication>
#include <QMessageBox>
#include <QPrinterInfo>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

class TestPrinting : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void helpGoesToPdf();
    void hardcopyGoesToPdf();

private:
    std::unique_ptr<QTemporaryDir> m_program;
    std::unique_ptr<Murmex> m_murmex;
    std::unique_ptr<MainWindow> m_window;
};

namespace {

// Presses the given buttons of the message boxes that the action opens, in turn; returns
// their texts.
QStringList answerMessageBoxes(
    QList<QMessageBox::StandardButton> answers, const std::function<void()>& action)
{
    QStringList texts;
    QTimer timer;
    timer.setInterval(10);
    QObject::connect(&timer, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || answers.isEmpty())
            return;
        texts.append(box->text());
        box->button(answers.takeFirst())->click();
    });
    timer.start();
    action();
    return texts;
}

struct PrintedLine
{
    double x;
    double top;
    double height;
    QString text;
};

// The lines of words that "pdftotext -bbox" found, with their places in points.
QList<PrintedLine> printedLines(const QString& bbox)
{
    static const QRegularExpression word(
        uR"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="[\d.]+" yMax="([\d.]+)">([^<]*)<)re"_s);
    QList<PrintedLine> lines;
    for (const QRegularExpressionMatch& match : word.globalMatch(bbox)) {
        const double top = match.captured(2).toDouble();
        QString text = match.captured(4)
                           .replace(u"&quot;"_s, u"\""_s)
                           .replace(u"&lt;"_s, u"<"_s)
                           .replace(u"&gt;"_s, u">"_s)
                           .replace(u"&amp;"_s, u"&"_s)
                           // The fi ligature of the printed text.
                           .normalized(QString::NormalizationForm_KC);
        if (!lines.isEmpty() && qAbs(lines.last().top - top) < 0.5)
            lines.last().text += u' ' + text;
        else
            lines.append(
                {match.captured(1).toDouble(), top, match.captured(3).toDouble() - top, text});
    }
    return lines;
}

// The page margins of the printed help, in points.
constexpr double kLeftMargin = 20 * 72 / 25.4;
constexpr double kTopMargin = 15 * 72 / 25.4;

QString run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(20000) || process.exitCode() != 0)
        return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

} // namespace

void TestPrinting::initTestCase()
{
    if (!QPrinterInfo::defaultPrinter().isNull())
        QSKIP("A printer is installed; these tests would print on paper.");
    for (const char* tool : {"pdftotext", "pdfimages", "pdffonts"})
        if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
            QSKIP("poppler-utils are not installed.");
}

void TestPrinting::init()
{
    m_program = std::make_unique<QTemporaryDir>();
    m_murmex = std::make_unique<Murmex>();
    m_window = std::make_unique<MainWindow>(*m_murmex, m_program->path(), QString());
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void TestPrinting::cleanup()
{
    m_window.reset();
}

// The printed help: three empty lines, the title in bold, one empty line, then the 58 lines
// indented by 16 blanks. pdftotext drops blanks, so they are measured from the words' places.
void TestPrinting::helpGoesToPdf()
{
    m_window->findChild<QAction*>(u"mnu_hilfe"_s)->trigger();
    auto* drucken
        = m_window->findChild<QWidget*>(u"Hilfe"_s)->findChild<QPushButton*>(u"Command2"_s);
    const QString pdf = m_program->filePath(u"Spiele/hilfe.pdf"_s);
    const QStringList told = answerMessageBoxes({QMessageBox::Ok}, [&] { drucken->click(); });
    QCOMPARE(told.size(), 1);
    QVERIFY2(told.at(0).contains(pdf), qPrintable(told.at(0)));

    const QList<PrintedLine> lines = printedLines(run(u"pdftotext"_s, {u"-bbox"_s, pdf, u"-"_s}));
    QCOMPARE(lines.size(), 1 + 58 - 17);
    const PrintedLine& title = lines.first();
    QCOMPARE(title.text, u"Zettwigs Murmex-Calculator:"_s);
    QVERIFY(title.height > lines.at(1).height);
    QVERIFY(run(u"pdffonts"_s, {pdf}).contains(u"Bold"_s));

    const QStringList help = hilfetext::lines();
    const QList<PrintedLine> text = lines.mid(1);
    QCOMPARE(text.first().text, help.first());
    const double spacing = (text.last().top - text.first().top) / (54 - 1);
    QHash<int, double> leftOf;
    for (const PrintedLine& line : text) {
        const int index = qRound((line.top - text.first().top) / spacing);
        QCOMPARE(line.text, help.value(index).simplified());
        leftOf.insert(index, line.x);
    }
    QVERIFY(qAbs(title.top - kTopMargin - 3 * spacing) < 1.0);

    // Line 43 begins with a blank of its own: one more blank than all the others.
    const double indented = leftOf.value(0);
    const double blank = leftOf.value(42) - indented;
    for (auto line = leftOf.cbegin(); line != leftOf.cend(); ++line)
        QVERIFY(line.key() == 42 || line.value() == indented);
    QVERIFY2(qAbs((indented - kLeftMargin) / blank - 16) < 0.25,
        qPrintable(QString::number((indented - kLeftMargin) / blank)));
}

// The hardcopy is an image of the window as shown, without its menu bar.
void TestPrinting::hardcopyGoesToPdf()
{
    auto* hardcopy = m_window->findChild<QPushButton*>(u"Command8"_s);
    const QString pdf = m_program->filePath(u"Spiele/hardcopy.pdf"_s);
    const QStringList told
        = answerMessageBoxes({QMessageBox::Yes, QMessageBox::Ok}, [&] { hardcopy->click(); });
    QCOMPARE(told.size(), 2);
    QCOMPARE(told.at(0), u"Wollen Sie wirklich das Brett ausdrucken?"_s);
    QVERIFY2(told.at(1).contains(pdf), qPrintable(told.at(1)));

    // page num type width height ...
    const QStringList images = run(u"pdfimages"_s, {u"-list"_s, pdf}).split(u'\n').mid(2);
    const QStringList image = images.value(0).split(u' ', Qt::SkipEmptyParts);
    QCOMPARE(images.value(1), QString());
    QCOMPARE(image.value(2), u"image"_s);
    const QSize inside = m_window->centralWidget()->size();
    const QSize size(image.value(3).toInt(), image.value(4).toInt());
    QVERIFY(size.width() >= inside.width());
    QCOMPARE(size.width() * inside.height(), size.height() * inside.width());
}

QTEST_MAIN(TestPrinting)
#include "tst_printing.moc"
