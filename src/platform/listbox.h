#pragma once

#include <QString>
#include <QStringList>

// A list of text lines used as data store and view model. A sorted list inserts every added
// line at its place in ascending ordinal order ("+" before "-", a blank before digits, digits
// before capitals). Lines are indexed from 0; reading past the end yields an empty line.
class ListBox
{
public:
    enum class Order { Unsorted, Sorted };

    explicit ListBox(Order order = Order::Unsorted);

    int count() const { return int(m_lines.size()); }
    bool isEmpty() const { return m_lines.isEmpty(); }
    QString line(int index) const;
    const QStringList& lines() const { return m_lines; }

    void addItem(const QString& text);
    // Inserts at the given index whatever the order; the later lines move down.
    void insertItem(int index, const QString& text);
    // An index that is not a line is ignored.
    void removeItem(int index);
    void setLine(int index, const QString& text);
    void clear() { m_lines.clear(); }
    // One pass from the end: a line equal to the one before it goes. In a sorted list this
    // leaves every line once.
    void removeAdjacentDuplicates();

private:
    Order m_order;
    QStringList m_lines;
};
