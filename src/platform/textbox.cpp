#include "platform/textbox.h"

void TextBox::setText(const QString& text)
{
    if (text == m_text)
        return;
    m_text = text;
    if (m_changed)
        m_changed();
}
