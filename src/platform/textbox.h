#pragma once

#include <QString>

#include <functional>

// A text box's content. Setting a different text raises the change handler at once;
// setting the text it already holds raises nothing.
class TextBox
{
public:
    using ChangeHandler = std::function<void()>;

    const QString& text() const { return m_text; }
    void setText(const QString& text);
    void setChangeHandler(ChangeHandler handler) { m_changed = std::move(handler); }

private:
    QString m_text;
    ChangeHandler m_changed;
};
