#pragma once

#include <QString>

#include <optional>

// The modal dialog that asks which letter a blank stands for.
class BlankDialog
{
public:
    virtual ~BlankDialog() = default;
    // The text in the input box when "ok" was pressed; nothing when the dialog was closed
    // with its window button.
    virtual std::optional<QString> ask() = 0;
};
