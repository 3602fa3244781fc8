#pragma once

#include <QString>
#include <QStringList>

// The string table: the entries of the installed language driver and a current entry.
// A lookup selects an entry and then reads the current entry's text; a failed selection keeps the
// entry selected before, so the text read is that entry's (or empty when none is selected).
class StringTable
{
public:
    void Clear();
    void AddItem(const QString &text);
    // Selects entry k; false (and the current entry unchanged) when there is no entry k.
    bool setListIndex(int k);
    int ListIndex() const { return m_current; } // -1 when none is selected
    int ListCount() const { return int(m_entries.size()); }
    QString Text() const;
    // Entry k without selecting it; empty when there is none.
    QString entry(int k) const { return k >= 0 && k < m_entries.size() ? m_entries.at(k) : QString(); }

    // The lookup that procedures which ignore failures perform: select entry k, read the text.
    QString lookup(int k);
    // The text of a message box: entry k, or fallback (a fixed English sentence) when the driver has no
    // entry k or only blanks there; a box is never empty and never shows another entry's text.
    QString message(int k, const QString &fallback);

private:
    QStringList m_entries;
    int m_current = -1;
};
