#include "DomainName.h"

#include <QUrl>

namespace {

DomainName refused(MessageId why)
{
    return DomainName { QString(), Message(why) };
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
        return refused(MessageId::TypeADomainName);
    // Control characters and blanks are refused before any conversion, so that nothing such a name
    // carries (a second line for the server, a command-line option) can reach an upstream server.
    for (QChar c : name) {
        if (c.category() == QChar::Other_Control || c.isSpace() || c.category() == QChar::Other_Format)
            return refused(MessageId::DomainNoBlanks);
    }
    if (name.endsWith(u'.'))
        name.chop(1);
    if (name.startsWith(u'-'))
        return refused(MessageId::DomainStartsWithHyphen);

    // Nontransitional (IDNA 2008, as registries register them): "faß.de" is not "fass.de".
    const QByteArray ace = QUrl::toAce(name);
    if (ace.isEmpty())
        return refused(MessageId::DomainNotValid);
    const QString lower = QString::fromLatin1(ace).toLower();
    if (lower.size() > 253)
        return refused(MessageId::DomainTooLong);
    for (const QStringView label : QStringView(lower).split(u'.')) {
        if (label.isEmpty())
            return refused(MessageId::DomainEmptyLabel);
        if (label.size() > 63)
            return refused(MessageId::DomainLabelTooLong);
        if (label.startsWith(u'-') || label.endsWith(u'-'))
            return refused(MessageId::DomainLabelHyphen);
        for (QChar c : label) {
            if (!isLdhCharacter(c))
                return refused(MessageId::DomainLetters);
        }
    }
    // No extension is all digits: such a name is an address or a number, not a domain name.
    bool digitsOnly = true;
    for (QChar c : QStringView(lower).mid(lower.lastIndexOf(u'.') + 1))
        digitsOnly = digitsOnly && c.isDigit();
    if (digitsOnly)
        return refused(MessageId::DomainNotValid);
    return DomainName { lower, Message() };
}

QString DomainName::unicode(const QString &ace)
{
    const QString unicode = QUrl::fromAce(ace.toLatin1(), QUrl::IgnoreIDNWhitelist);
    return unicode.isEmpty() ? ace : unicode;
}
