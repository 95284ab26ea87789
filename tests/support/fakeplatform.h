#pragma once

#include "platform/platform.h"

#include <QtGlobal>

#include <QList>
#include <QString>
#include <QStringList>

#include <deque>
#include <optional>

// Records what the handlers ask of the desktop and answers from a script. An unscripted
// question is answered No. The blank dialog comes back until it gets a valid answer, so an
// unscripted showing ends the test instead of looping.
class FakePlatform
{
public:
    struct Question
    {
        QString title;
        QString text;
        MessageBoxes::Icon icon;
    };

    FakePlatform() = default;
    FakePlatform(const FakePlatform&) = delete;
    FakePlatform& operator=(const FakePlatform&) = delete;

    Platform& platform() { return m_platform; }

    int beeps() const { return m_sound.count; }
    void resetBeeps() { m_sound.count = 0; }

    void answerNext(bool yes) { m_messages.answers.push_back(yes); }
    const QList<Question>& questions() const { return m_messages.questions; }
    const QList<Question>& messages() const { return m_messages.informed; }

    void typeInBlankDialog(std::optional<QString> text) { m_blank.answers.push_back(text); }
    int blankDialogShown() const { return m_blank.shown; }

    QString clipboardText() const { return m_clipboard.content; }
    void setClipboardText(const QString& text) { m_clipboard.content = text; }
    int clipboardWrites() const { return m_clipboard.writes; }

    const QList<QList<Printer::Line>>& printedDocuments() const { return m_printer.documents; }
    int printedWindows() const { return m_printer.windows; }
    // Where the next print goes instead of a printer; empty for a real printer.
    void setPrinterFallback(const QString& pdfPath) { m_printer.pdfPath = pdfPath; }

    // The draws the random generator returns, in order; then 0.
    void scriptRandom(QList<double> values) { m_random.values = std::move(values); }
    int randomSeeds() const { return m_random.seeds; }

private:
    struct CountingSound : Sound
    {
        void beep() override { ++count; }
        int count = 0;
    };

    struct ScriptedMessages : MessageBoxes
    {
        bool askYesNo(const QString& title, const QString& text, Icon icon) override
        {
            questions.append({title, text, icon});
            if (answers.empty())
                return false;
            const bool yes = answers.front();
            answers.pop_front();
            return yes;
        }
        void inform(const QString& title, const QString& text, Icon icon) override
        {
            informed.append({title, text, icon});
        }
        std::deque<bool> answers;
        QList<Question> questions;
        QList<Question> informed;
    };

    struct ScriptedBlankDialog : BlankDialog
    {
        std::optional<QString> ask() override
        {
            ++shown;
            if (answers.empty())
                qFatal("the blank dialog was shown without a scripted answer");
            std::optional<QString> answer = answers.front();
            answers.pop_front();
            return answer;
        }
        std::deque<std::optional<QString>> answers;
        int shown = 0;
    };

    struct MemoryClipboard : Clipboard
    {
        void setText(const QString& text) override
        {
            content = text;
            ++writes;
        }
        QString text() const override { return content; }
        QString content;
        int writes = 0;
    };

    struct RecordingPrinter : Printer
    {
        Outcome printLines(const QList<Line>& lines, const QString&) override
        {
            documents.append(lines);
            return {true, pdfPath};
        }
        Outcome printMainWindow(const QString&) override
        {
            ++windows;
            return {true, pdfPath};
        }
        QList<QList<Line>> documents;
        int windows = 0;
        QString pdfPath;
    };

    struct ScriptedRandom : Random
    {
        void seedFromClock() override { ++seeds; }
        double uniform() override { return values.isEmpty() ? 0.0 : values.takeFirst(); }
        QList<double> values;
        int seeds = 0;
    };

    CountingSound m_sound;
    ScriptedMessages m_messages;
    ScriptedBlankDialog m_blank;
    MemoryClipboard m_clipboard;
    RecordingPrinter m_printer;
    ScriptedRandom m_random;
    Platform m_platform{m_sound, m_messages, m_blank, m_clipboard, m_printer, m_random};
};
