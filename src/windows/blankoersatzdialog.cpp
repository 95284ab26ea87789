#include "windows/blankoersatzdialog.h"

#include "windows/colours.h"
#include "windows/fonts.h"
#include "windows/palettes.h"
#include "windows/twips.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

BlankoersatzDialog::BlankoersatzDialog(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint)
    , m_input(new QLineEdit(this))
{
    setObjectName(QStringLiteral("Blankoersatz"));
    setWindowTitle(QStringLiteral("Blanko-Ersatz"));
    setFixedSize(twips::size(5700, 2400));
    palettes::setColours(this, colours::kFrame);
    setFont(fonts::general(10));

    auto* label = new QLabel(QStringLiteral("Welchen Buchstabe soll der Blanko ersetzen?"), this);
    // Wide enough for the question in one line.
    label->setGeometry(twips::rect(240, 180, 5220, 420));
    label->setAlignment(Qt::AlignCenter);

    m_input->setObjectName(QStringLiteral("Text1_0"));
    m_input->setGeometry(twips::rect(2250, 720, 1200, 720));
    m_input->setAlignment(Qt::AlignCenter);
    m_input->setFont(fonts::general(20));

    auto* ok = new QPushButton(QStringLiteral("ok"), this);
    ok->setObjectName(QStringLiteral("Command1"));
    ok->setGeometry(twips::rect(2250, 1620, 1200, 450));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

std::optional<QString> BlankoersatzDialog::ask()
{
    m_input->clear();
    m_input->setFocus();
    if (exec() != QDialog::Accepted)
        return std::nullopt;
    return m_input->text();
}
