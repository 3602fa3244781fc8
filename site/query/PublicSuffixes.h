#pragma once

#include <QSet>
#include <QString>
#include <QStringList>

// The Public Suffix List's ICANN section (the extensions under which registries register names), read from its
// text file: where a name's registered domain ends. Private suffixes (a hosting company's "github.io") are left
// out on purpose: such a name is registered, as a whole, at the registry of its extension.
class PublicSuffixes
{
public:
    // The list the process uses: the one loaded, else the default file, read once when first asked.
    static const PublicSuffixes &instance();
    // Reads the list at the path and makes it the process's; false (and nothing changed) when it cannot be read.
    // Before the first lookup.
    static bool load(const QString &path);
    static constexpr char kDefaultFile[] = "/usr/share/publicsuffix/public_suffix_list.dat";

    // Reads a list in the Public Suffix List's text form; a file that cannot be read gives an empty list, which
    // takes every name for a registered domain. (A list's own default rule makes every extension of one label a
    // suffix.)
    static PublicSuffixes read(const QString &path);

    // The registered domain a name (A-labels, lower case) lies in: its public suffix and one label more;
    // empty when the name is a public suffix itself; the name itself with an empty list. "www.google.com" gives
    // "google.com", "a.b.co.uk" "b.co.uk".
    QString registeredDomain(const QString &name) const;

    QString file() const { return m_file; }
    qsizetype size() const { return m_rules.size() + m_wildcards.size() + m_exceptions.size(); }

private:
    QString m_file;
    QSet<QString> m_rules; // "co.uk"
    QSet<QString> m_wildcards; // "ck" for "*.ck"
    QSet<QString> m_exceptions; // "www.ck" for "!www.ck"
};
