#include "windows/hilfewindow.h"

#include "windows/colours.h"
#include "windows/fonts.h"
#include "windows/palettes.h"
#include "windows/twips.h"

#include <QListWidget>
#include <QPushButton>

HilfeWindow::HilfeWindow(Printer& printer, QWidget* mainWindow)
    : QDialog(mainWindow, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint)
    , m_printer(printer)
    , m_messages(this)
{
    setObjectName(QStringLiteral("Hilfe"));
    setWindowTitle(QStringLiteral("Hilfe"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(twips::size(10200, 7800));
    setFont(fonts::general(10));
    palettes::setColours(this, colours::kWindow);

    m_hilfe.Form_Load();
    auto* list1 = new QListWidget(this);
    list1->setObjectName(QStringLiteral("List1"));
    list1->setGeometry(twips::rect(120, 120, 9960, 6840));
    list1->setFont(fonts::general(12));
    palettes::setListColours(list1, colours::kFrame);
    list1->addItems(m_hilfe.List1.lines());

    auto* drucken = new QPushButton(QStringLiteral("Drucken"), this);
    drucken->setObjectName(QStringLiteral("Command2"));
    drucken->setGeometry(twips::rect(120, 7110, 1800, 495));
    drucken->setAutoDefault(false);
    connect(drucken, &QPushButton::clicked, this,
        [this] { m_hilfe.Command2_Click(m_printer, m_messages); });

    auto* ok = new QPushButton(QStringLiteral("ok"), this);
    ok->setObjectName(QStringLiteral("Command1"));
    ok->setGeometry(twips::rect(8280, 7110, 1800, 495));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::close);
}
