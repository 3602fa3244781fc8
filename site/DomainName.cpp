#include "DomainName.h"

#include "PageLanguage.h"
#include <QUrl>

namespace {

DomainName refused(const QString &why)
{
    return DomainName { QString(), why };
}

bool isLdhCharacter(QChar c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9') || c == u'-';
}

} // namespace

DomainName DomainName::fromInput(const QString &input)
{
    QString name = input.trimmed();
    if (name.isEmpty())
        return refused(PAGE_TEXT("Type a domain name, such as example.com."));
    // Control characters and blanks are refused before any conversion, so that nothing such a name
    // carries (a second line for the server, a command-line option) can reach an upstream server.
    for (QChar c : name) {
        if (c.category() == QChar::Other_Control || c.isSpace() || c.category() == QChar::Other_Format)
            return refused(PAGE_TEXT("A domain name holds no blanks, line breaks or control characters."));
    }
    if (name.endsWith(u'.'))
        name.chop(1);
    if (name.startsWith(u'-'))
        return refused(PAGE_TEXT("A domain name does not start with a hyphen."));

    // Nontransitional (IDNA 2008, as registries register them): "faß.de" is not "fass.de".
    const QByteArray ace = QUrl::toAce(name);
    if (ace.isEmpty())
        return refused(PAGE_TEXT("This is not a valid domain name."));
    const QString lower = QString::fromLatin1(ace).toLower();
    if (lower.size() > 253)
        return refused(PAGE_TEXT("A domain name has at most 253 characters."));
    for (const QStringView label : QStringView(lower).split(u'.')) {
        if (label.isEmpty())
            return refused(PAGE_TEXT("A domain name has no empty labels (two dots in a row)."));
        if (label.size() > 63)
            return refused(PAGE_TEXT("Each part of a domain name has at most 63 characters."));
        if (label.startsWith(u'-') || label.endsWith(u'-'))
            return refused(PAGE_TEXT("No part of a domain name starts or ends with a hyphen."));
        for (QChar c : label) {
            if (!isLdhCharacter(c))
                return refused(PAGE_TEXT("A domain name holds only letters, digits, hyphens and dots."));
        }
    }
    // No extension is all digits: such a name is an address or a number, not a domain name.
    bool digitsOnly = true;
    for (QChar c : QStringView(lower).mid(lower.lastIndexOf(u'.') + 1))
        digitsOnly = digitsOnly && c.isDigit();
    if (digitsOnly)
        return refused(PAGE_TEXT("This is not a valid domain name."));
    return DomainName { lower, QString() };
}
