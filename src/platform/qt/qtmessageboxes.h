#pragma once

#include "platform/messageboxes.h"

class QWidget;

class QtMessageBoxes : public MessageBoxes
{
public:
    explicit QtMessageBoxes(QWidget* parent);

    bool askYesNo(const QString& title, const QString& text, Icon icon) override;
    void inform(const QString& title, const QString& text, Icon icon) override;

private:
    QWidget* m_parent;
};
