#pragma once

#include "platform/blankdialog.h"

#include <QDialog>

class QLineEdit;

// "Blanko-Ersatz": asks which letter a blank stands for. Checking the answer is the caller's
// business; the dialog only hands over what was typed.
class BlankoersatzDialog : public QDialog
{
public:
    explicit BlankoersatzDialog(QWidget* parent);

    // The text typed when "ok" was pressed, nothing when the window was closed.
    std::optional<QString> ask();

private:
    QLineEdit* m_input;
};

// The dialog is loaded on first use and then only hidden and shown again.
class BlankoersatzOnDemand : public BlankDialog
{
public:
    explicit BlankoersatzOnDemand(QWidget* parent)
        : m_parent(parent)
    { }

    std::optional<QString> ask() override
    {
        if (!m_dialog)
            m_dialog = new BlankoersatzDialog(m_parent);
        return m_dialog->ask();
    }

private:
    QWidget* m_parent;
    BlankoersatzDialog* m_dialog = nullptr;
};
