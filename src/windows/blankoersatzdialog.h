#pragma once

#include "platform/blankdialog.h"

#include <QDialog>

class QLineEdit;

// "Blanko-Ersatz": asks which letter a blank stands for. Checking the answer is the caller's
// business; the dialog only hands over what was typed.
class BlankoersatzDialog : public QDialog, public BlankDialog
{
public:
    explicit BlankoersatzDialog(QWidget* parent);

    std::optional<QString> ask() override;

private:
    QLineEdit* m_input;
};
