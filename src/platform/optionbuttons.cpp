#include "platform/optionbuttons.h"

OptionButtons::OptionButtons(
    std::initializer_list<int> groupSizes, std::initializer_list<int> selected)
{
    int group = 0;
    for (int size : groupSizes) {
        for (int i = 0; i < size; ++i)
            m_group.append(group);
        ++group;
    }
    m_selected.fill(false, m_group.size());
    for (int index : selected)
        m_selected[index] = true;
}

bool OptionButtons::isSelected(int index) const
{
    return index >= 0 && index < count() && m_selected.at(index);
}

void OptionButtons::select(int index)
{
    if (index < 0 || index >= count())
        return;
    for (int i = 0; i < count(); ++i)
        if (m_group.at(i) == m_group.at(index))
            m_selected[i] = i == index;
    if (m_clicked)
        m_clicked(index);
}

void OptionButtons::deselect(int index)
{
    if (index >= 0 && index < count())
        m_selected[index] = false;
}
