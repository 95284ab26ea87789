#pragma once

#include <QString>

// Modal message boxes: each call returns once the player has answered.
class MessageBoxes
{
public:
    enum class Icon { None, Question, Critical, Information };

    virtual ~MessageBoxes() = default;
    // True for Yes.
    virtual bool askYesNo(const QString& title, const QString& text, Icon icon) = 0;
    virtual void inform(const QString& title, const QString& text, Icon icon) = 0;
};
