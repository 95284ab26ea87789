#include "platform/listbox.h"

#include <algorithm>

ListBox::ListBox(Order order)
    : m_order(order)
{ }

QString ListBox::line(int index) const
{
    return index >= 0 && index < count() ? m_lines.at(index) : QString();
}

void ListBox::addItem(const QString& text)
{
    if (m_order == Order::Unsorted) {
        m_lines.append(text);
        return;
    }
    const auto place = std::upper_bound(m_lines.cbegin(), m_lines.cend(), text);
    m_lines.insert(place - m_lines.cbegin(), text);
}

void ListBox::insertItem(int index, const QString& text)
{
    m_lines.insert(std::clamp(index, 0, count()), text);
}

void ListBox::removeItem(int index)
{
    if (index >= 0 && index < count())
        m_lines.removeAt(index);
}

void ListBox::setLine(int index, const QString& text)
{
    if (index >= 0 && index < count())
        m_lines[index] = text;
}

void ListBox::removeAdjacentDuplicates()
{
    for (int i = count() - 1; i >= 1; --i)
        if (m_lines.at(i - 1) == m_lines.at(i))
            m_lines.removeAt(i);
}
