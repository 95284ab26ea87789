#include "platform/qt/qtmessageboxes.h"

#include <QAbstractButton>
#include <QMessageBox>

namespace {

QMessageBox::Icon toQt(MessageBoxes::Icon icon)
{
    switch (icon) {
    case MessageBoxes::Icon::Question:
        return QMessageBox::Question;
    case MessageBoxes::Icon::Critical:
        return QMessageBox::Critical;
    case MessageBoxes::Icon::Information:
        return QMessageBox::Information;
    case MessageBoxes::Icon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

} // namespace

QtMessageBoxes::QtMessageBoxes(QWidget* parent)
    : m_parent(parent)
{ }

bool QtMessageBoxes::askYesNo(const QString& title, const QString& text, Icon icon)
{
    QMessageBox box(toQt(icon), title, text, QMessageBox::Yes | QMessageBox::No, m_parent);
    box.button(QMessageBox::Yes)->setText(QStringLiteral("&Ja"));
    box.button(QMessageBox::No)->setText(QStringLiteral("&Nein"));
    return box.exec() == QMessageBox::Yes;
}

void QtMessageBoxes::inform(const QString& title, const QString& text, Icon icon)
{
    QMessageBox box(toQt(icon), title, text, QMessageBox::Ok, m_parent);
    box.exec();
}
