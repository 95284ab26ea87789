#include "windows/woerterbuch.h"

#include "model/murmex.h"
#include "platform/sequentialreader.h"
#include "platform/sequentialwriter.h"

#include <QDir>

namespace {

// The number a text box holds: its leading digits after any blanks, 0 when there are none.
int numberIn(const QString& text)
{
    const QString digits = text.trimmed();
    qsizetype end = 0;
    while (end < digits.size() && digits.at(end).isDigit())
        ++end;
    return digits.left(end).toInt();
}

void removeEmptyFirstLine(ListBox& list)
{
    if (!list.isEmpty() && list.line(0).isEmpty())
        list.removeItem(0);
}

} // namespace

Woerterbuch::Woerterbuch(const Murmex& main)
    : m_main(main)
{
    Text1.setText(QStringLiteral("4"));
    Text1.setChangeHandler([this] { Text1_Change(); });
    Text2.setChangeHandler([this] { Text2_Change(); });
    Option1.setClickHandler([this](int index) { Option1_Click(index); });
}

QString Woerterbuch::filePath() const
{
    if (m_main.dataDirectory.isEmpty())
        return {};
    return QDir(m_main.dataDirectory).filePath(QStringLiteral("mein_wörterbuch.txt"));
}

void Woerterbuch::Form_Load()
{
    command1Enabled = true;
    List2.clear();
    // A missing or unreadable file is an empty word list.
    if (std::optional<SequentialReader> file = SequentialReader::open(filePath())) {
        do
            List2.addItem(file->readValue().value_or(QString()));
        while (!file->atEnd());
    }
    removeEmptyFirstLine(List2);
    if (Option1.isSelected(0)) {
        copyWordListToFilter();
        removeEmptyFirstLine(List1);
    }
}

void Woerterbuch::Command1_Click()
{
    for (const QString& line : m_main.Ergebnisliste.lines()) {
        // The word stands from the fifth character on; a blank's letter counts in capitals.
        QString word = line.mid(4, 15).toUpper();
        const qsizetype space = word.indexOf(u' ', 1);
        if (space >= 0)
            word.truncate(space);
        List2.addItem(word);
    }
    command1Enabled = false;
    removeEmptyFirstLine(List2);
    // The list is sorted, so equal words stand next to each other.
    for (int i = List2.count() - 1; i >= 1; --i)
        if (List2.line(i) == List2.line(i - 1))
            List2.removeItem(i);
    List1.clear();
    if (Option1.isSelected(0))
        copyWordListToFilter();
    command2Enabled = true;
}

void Woerterbuch::Command2_Click(MessageBoxes& messages)
{
    SequentialWriter writer;
    for (const QString& word : List2.lines())
        writer.writeText(word);
    if (!writer.saveTo(filePath())) {
        // The words stay collected, so that saving can be tried again.
        messages.inform(QStringLiteral("Mein Wörterbuch"),
            QStringLiteral("Das Wörterbuch konnte nicht gespeichert werden:\n")
                + QDir::toNativeSeparators(filePath())
                + QStringLiteral("\n\nDie Wörter bleiben im Fenster erhalten."),
            MessageBoxes::Icon::Critical);
        return;
    }
    command2Enabled = false;
    visible = false;
}

void Woerterbuch::Command4_Click()
{
    visible = false;
}

void Woerterbuch::Option1_Click(int index)
{
    if (Text1.text().isEmpty())
        return;
    List1.clear();
    const int letters = numberIn(Text1.text());
    const QString& first = Text2.text();
    const bool anyFirstLetter = first.isEmpty() || first == u" ";
    for (const QString& word : List2.lines()) {
        if (!anyFirstLetter && word.left(1) != first)
            continue;
        if (index == 0 || (index == 1 && word.size() == letters))
            List1.addItem(word);
    }
    removeEmptyFirstLine(List1);
}

void Woerterbuch::Text1_Change()
{
    List1.clear();
    const QString& text = Text1.text();
    if (text.isEmpty())
        return;
    const int letters = numberIn(text);
    if (letters >= 2 && letters <= 15 && text != u" ") {
        // "temp" first, so that "nur" is clicked afresh even when it is selected already.
        Option1.select(2);
        Option1.select(1);
    }
}

void Woerterbuch::Text2_Change()
{
    Text2.setText(Text2.text().toUpper());
    Option1.select(2);
    Option1.select(0);
}

void Woerterbuch::copyWordListToFilter()
{
    for (const QString& word : List2.lines())
        List1.addItem(word);
}
