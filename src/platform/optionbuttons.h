#pragma once

#include <QList>

#include <functional>
#include <initializer_list>

// Option buttons in groups (frames): within a group at most one button is selected.
// Selecting a button, by the player or by code, deselects the others of its group and raises
// the click handler with the button's index.
class OptionButtons
{
public:
    using ClickHandler = std::function<void(int index)>;

    // groupSizes {2, 2, 2} makes buttons 0-1, 2-3 and 4-5 pairs.
    OptionButtons(std::initializer_list<int> groupSizes, std::initializer_list<int> selected);

    int count() const { return int(m_group.size()); }
    bool isSelected(int index) const;
    void select(int index);
    // Clears a button without selecting another one; raises nothing.
    void deselect(int index);
    void setClickHandler(ClickHandler handler) { m_clicked = std::move(handler); }

private:
    QList<int> m_group;
    QList<bool> m_selected;
    ClickHandler m_clicked;
};
