#include "StringTable.h"

void StringTable::Clear()
{
    m_entries.clear();
    m_current = -1;
}

void StringTable::AddItem(const QString &text)
{
    m_entries.append(text);
}

bool StringTable::setListIndex(int k)
{
    if (k < 0 || k >= m_entries.size())
        return false;
    m_current = k;
    return true;
}

QString StringTable::Text() const
{
    return m_current < 0 ? QString() : m_entries.at(m_current);
}

QString StringTable::lookup(int k)
{
    setListIndex(k);
    return Text();
}

QString StringTable::message(int k, const QString &fallback)
{
    return setListIndex(k) && !Text().trimmed().isEmpty() ? Text() : fallback;
}
