#include "Message.h"

#include <QHash>

#include <array>
#include <utility>

namespace {

struct Row
{
    MessageId id;
    const char *english;
};

// Every message in English. The translators' catalogs (pages/lang/*.ts) are made from these marks by lupdate;
// the comments marked "//:" reach the translators beside each text. A reason of its own is a message of this table
// (or a text from elsewhere, shown as it came), translated on its own.
constexpr Row kRows[] = {
    { MessageId::None, nullptr },
    { MessageId::Verbatim, "%1" },

    { MessageId::TypeADomainName, QT_TRANSLATE_NOOP("Message", "Type a domain name, such as example.com.") },
    { MessageId::DomainNoBlanks,
      QT_TRANSLATE_NOOP("Message", "A domain name holds no blanks, line breaks or control characters.") },
    { MessageId::DomainStartsWithHyphen, QT_TRANSLATE_NOOP("Message", "A domain name does not start with a hyphen.") },
    { MessageId::DomainNotValid, QT_TRANSLATE_NOOP("Message", "This is not a valid domain name.") },
    { MessageId::DomainTooLong, QT_TRANSLATE_NOOP("Message", "A domain name has at most 253 characters.") },
    { MessageId::DomainEmptyLabel,
      QT_TRANSLATE_NOOP("Message", "A domain name has no empty labels (two dots in a row).") },
    { MessageId::DomainLabelTooLong,
      QT_TRANSLATE_NOOP("Message", "Each part of a domain name has at most 63 characters.") },
    { MessageId::DomainLabelHyphen,
      QT_TRANSLATE_NOOP("Message", "No part of a domain name starts or ends with a hyphen.") },
    { MessageId::DomainLetters,
      QT_TRANSLATE_NOOP("Message", "A domain name holds only letters, digits, hyphens and dots.") },
    { MessageId::AsNumberRange, QT_TRANSLATE_NOOP("Message", "An AS number is a whole number from 0 to 4294967295.") },
    { MessageId::Ipv6NotValid, QT_TRANSLATE_NOOP("Message", "This is not a valid IPv6 address.") },
    { MessageId::Ipv4NotValid,
      QT_TRANSLATE_NOOP("Message", "An IPv4 address is four numbers from 0 to 255, such as 192.0.2.1.") },
    { MessageId::PrefixLength,
      QT_TRANSLATE_NOOP("Message",
                        "A network's prefix length is a number from 0 to 32 for IPv4 and from 0 to 128 for IPv6.") },
    { MessageId::MappedPrefixLength,
      QT_TRANSLATE_NOOP("Message", "An IPv4-mapped network has a prefix length from 96 to 128.") },
    //: %1: the address, network or AS number as asked; %2: its kind (a word: "private", "documentation"); %3: what it
    //: is (a word: "address", "network"); %4: where the kind is defined ("RFC 1918"), or a nested reason
    { MessageId::SpecialA, QT_TRANSLATE_NOOP("Message", "%1 is a %2 %3 (%4); no registry holds a record for it.") },
    //: The same as the sentence with "a": English needs "an" before a vowel sound; translate both alike.
    { MessageId::SpecialAn, QT_TRANSLATE_NOOP("Message", "%1 is an %2 %3 (%4); no registry holds a record for it.") },
    //: %1: the defining document ("RFC 6052"); %2: the IPv4 address carried; %3: its kind (a word)
    { MessageId::Carrying, QT_TRANSLATE_NOOP("Message", "%1, carrying the %3 address %2") },
    { MessageId::NotAnAddress, QT_TRANSLATE_NOOP("Message", "not an address") },

    //: %1: a host name
    { MessageId::NameNotResolved, QT_TRANSLATE_NOOP("Message", "the name %1 could not be resolved") },
    //: %1: a host name; %2: the address it resolves to
    { MessageId::NotPublicAddress, QT_TRANSLATE_NOOP("Message", "%1 is at %2, which is not a public address") },
    //: %1: an address (URL) that a server named
    { MessageId::NotWebAddress, QT_TRANSLATE_NOOP("Message", "%1 is not an http or https address") },

    //: %1: a number of seconds
    { MessageId::NoCompleteAnswer, QT_TRANSLATE_NOOP("Message", "no complete answer within %1 s") },
    //: %1: a number of seconds
    { MessageId::NoConnection, QT_TRANSLATE_NOOP("Message", "no connection within %1 s") },
    //: %1: why (a reason of its own)
    { MessageId::RedirectRefused, QT_TRANSLATE_NOOP("Message", "a redirect was refused: %1") },
    { MessageId::NoAnswer, QT_TRANSLATE_NOOP("Message", "no answer") },
    //: %1: an HTTP status number
    { MessageId::NoAnswerStatus, QT_TRANSLATE_NOOP("Message", "an HTTP status that is no answer (%1)") },
    { MessageId::RedirectedTooOften, QT_TRANSLATE_NOOP("Message", "the lookup service redirected too often") },
    { MessageId::BootstrapAbandoned,
      QT_TRANSLATE_NOOP("Message", "The RDAP bootstrap file could not be read: its fetch was abandoned") },
    //: %1: an HTTP status number
    { MessageId::Status, QT_TRANSLATE_NOOP("Message", "status %1") },
    { MessageId::FileTooLong, QT_TRANSLATE_NOOP("Message", "the file is too long") },
    { MessageId::NotABootstrapFile, QT_TRANSLATE_NOOP("Message", "the file is not a bootstrap file") },
    //: %1: why (a reason of its own)
    { MessageId::BootstrapUnreadable, QT_TRANSLATE_NOOP("Message", "The RDAP bootstrap file could not be read: %1") },

    //: %1: a wait, as people say it: "45 s", "2 min", "59 min 36 s", "1 h 5 min" (units h, min, s)
    { MessageId::ServiceBusy, QT_TRANSLATE_NOOP("Message", "The lookup service is busy. Try again in %1.") },
    { MessageId::ClientBusy,
      QT_TRANSLATE_NOOP("Message", "Too many lookups from your address are under way. Try again in 5 s.") },
    //: %1: a wait, as people say it: "45 s", "2 min", "59 min 36 s", "1 h 5 min" (units h, min, s)
    { MessageId::ClientLimited,
      QT_TRANSLATE_NOOP("Message", "Your address has asked for many lookups lately. Try again in %1.") },
    { MessageId::ClientLimitedCheck,
      QT_TRANSLATE_NOOP("Message", "Not asked: your address has asked many registries lately.") },

    //: %1: the domain name
    { MessageId::NotRegistered, QT_TRANSLATE_NOOP("Message", "%1 is not registered.") },
    //: %1: the address, network or AS number
    { MessageId::NoRecord, QT_TRANSLATE_NOOP("Message", "No registry holds a record for %1.") },
    //: %1: the domain name
    { MessageId::Reserved,
      QT_TRANSLATE_NOOP("Message", "%1 is reserved or blocked by the registry and cannot be registered.") },
    //: %1: what was asked, without a dot ("qqq")
    { MessageId::NoTopLevelDomain, QT_TRANSLATE_NOOP("Message", ".%1 is not a top-level domain of the root zone.") },
    //: %1: why IANA's RDAP service could not be used (a sentence of its own)
    { MessageId::IanaWhoisInstead, QT_TRANSLATE_NOOP("Message", "%1; IANA's whois was asked instead.") },
    //: %1: a wait, as people say it: "45 s", "2 min", "59 min 36 s", "1 h 5 min" (units h, min, s)
    { MessageId::RegistryLimited,
      QT_TRANSLATE_NOOP("Message", "The registry is limiting how often it is asked. Try again in %1.") },
    { MessageId::RegistryLimitedLater,
      QT_TRANSLATE_NOOP("Message", "The registry is limiting how often it is asked. Try again later.") },
    //: %1: a number of seconds
    { MessageId::TookTooLong, QT_TRANSLATE_NOOP("Message", "The lookup took longer than %1 s and was given up.") },
    //: %1: why RDAP could not be used (a sentence of its own)
    { MessageId::WhoisInstead, QT_TRANSLATE_NOOP("Message", "%1; whois was asked instead.") },
    //: %1: the registry server's host name; %2: why (a reason of its own)
    { MessageId::RegistryUnreachable,
      QT_TRANSLATE_NOOP("Message", "The registry's lookup service (%1) could not be asked: %2.") },
    //: %1: an HTTP status number
    { MessageId::RegistryStatus,
      QT_TRANSLATE_NOOP("Message", "The registry's lookup service answered with status %1.") },
    { MessageId::RecordTooLong,
      QT_TRANSLATE_NOOP("Message", "The registry's record was longer than the site reads and could not be read.") },
    { MessageId::NotARecord, QT_TRANSLATE_NOOP("Message", "The registry's answer is not a record the site can read.") },
    { MessageId::NotARecordReason, QT_TRANSLATE_NOOP("Message", "not a record the site can read") },
    //: %1: the registrar server's host name; %2: why (a reason of its own)
    { MessageId::RegistrarUnreadable,
      QT_TRANSLATE_NOOP("Message", "The registrar's record (%1) could not be read: %2.") },
    //: %1: why (a reason of its own)
    { MessageId::RefusedToAsk, QT_TRANSLATE_NOOP("Message", "refused to ask it: %1") },
    { MessageId::ClosedWithoutAnswer, QT_TRANSLATE_NOOP("Message", "it closed the connection without an answer") },
    //: %1: a whois server (host name, perhaps with a port); %2: why (a reason of its own)
    { MessageId::RegistrarWhoisUnreachable,
      QT_TRANSLATE_NOOP("Message", "The registrar's whois server %1 could not be asked: %2.") },
    //: %1: a whois server (host name, perhaps with a port); %2: why (a reason of its own)
    { MessageId::ReferredWhoisUnreachable,
      QT_TRANSLATE_NOOP("Message", "The whois server %1 that the registry refers to could not be asked: %2.") },
    //: %1: a whois server (host name, perhaps with a port); %2: why (a reason of its own)
    { MessageId::WhoisUnreachable, QT_TRANSLATE_NOOP("Message", "The whois server %1 could not be asked: %2.") },
    //: %1: a whois server (host name, perhaps with a port)
    { MessageId::ReferredWhoisLimited,
      QT_TRANSLATE_NOOP("Message",
                        "The whois server %1 that the registry refers to is limiting how often it is asked; its "
                        "record is left out.") },
    //: %1: the extension, without its dot ("com")
    { MessageId::NoServiceExtension,
      QT_TRANSLATE_NOOP("Message", "There is no lookup service for the extension .%1.") },
    //: %1: the address, network or AS number
    { MessageId::NoService, QT_TRANSLATE_NOOP("Message", "There is no lookup service for %1.") },
    //: %1: a server's host name; %2: a wait, as people say it ("45 s", "59 min 36 s")
    { MessageId::PacedRecordLeftOut,
      QT_TRANSLATE_NOOP("Message",
                        "The site is pacing its questions to %1 so as not to be blocked there; its record is left "
                        "out. Try again in %2.") },
    //: %1: a server's host name; %2: a wait, as people say it ("45 s", "59 min 36 s")
    { MessageId::Paced,
      QT_TRANSLATE_NOOP("Message",
                        "The site is pacing its questions to %1 so as not to be blocked there. Try again in %2.") },
    //: %1: an HTTP status number; %2: the registry's own words, as it sent them (often English)
    { MessageId::RegistryStatusSaid,
      QT_TRANSLATE_NOOP("Message", "The registry's lookup service answered with status %1: %2.") },
    //: %1: an HTTP status number; %2: the server's own words, as it sent them (often English)
    { MessageId::StatusSaid, QT_TRANSLATE_NOOP("Message", "status %1: %2") },
    //: %1: a host name such as www.example.com; %2: the registered domain it lies in (example.com). The verdict
    //: that follows is about %2.
    { MessageId::NameUnder, QT_TRANSLATE_NOOP("Message", "%1 lies within the domain %2.") },
    //: %1: what was typed, such as SD12478-RIPE. "record": the registration record (the data), not the registry.
    { MessageId::HandleNotLookedUp,
      QT_TRANSLATE_NOOP("Message",
                        "%1 looks like a contact's handle. Handles are not looked up here: type the domain name, "
                        "address or AS number whose record names it.") },
    //: %1: a number (50)
    { MessageId::TooManyExtensions, QT_TRANSLATE_NOOP("Message", "At most %1 extensions can be checked at once.") },
    //: %1: a server's host name; %2: a wait, as people say it ("45 s", "59 min 36 s")
    { MessageId::RegistryResting,
      QT_TRANSLATE_NOOP("Message",
                        "The registry's lookup service (%1) has failed again and again; it is asked again in %2.") },
    //: %1: a server's host name; %2: a wait, as people say it ("45 s", "59 min 36 s")
    { MessageId::RecordLeftOutLimited,
      QT_TRANSLATE_NOOP("Message", "%1 is limiting how often it is asked; its record is left out. Try again in %2.") },
    //: %1: a server's host name; %2: a wait, as people say it ("45 s", "59 min 36 s")
    { MessageId::RecordLeftOutResting,
      QT_TRANSLATE_NOOP("Message", "%1 has failed again and again; its record is left out. Try again in %2.") },
    //: %1: a server's host name; %2: why (a reason of its own)
    { MessageId::NotTrusted,
      QT_TRANSLATE_NOOP("Message", "the server did not prove that it is %1 (%2), so nothing was asked of it") },
    //: Why a server's certificate was refused: said inside "the server did not prove that it is %1 (…)"
    { MessageId::CertificateForAnotherName, QT_TRANSLATE_NOOP("Message", "its certificate is for another name") },
    //: Why a server's certificate was refused: said inside "the server did not prove that it is %1 (…)"
    { MessageId::CertificateSelfSigned,
      QT_TRANSLATE_NOOP("Message", "its certificate is signed by itself, not by a certificate authority") },
    //: Why a server's certificate was refused: said inside "the server did not prove that it is %1 (…)"
    { MessageId::CertificateOutOfDate,
      QT_TRANSLATE_NOOP("Message", "its certificate has expired or is not yet valid") },
    //: Why a server's certificate was refused: said inside "the server did not prove that it is %1 (…)"
    { MessageId::CertificateUnknownAuthority,
      QT_TRANSLATE_NOOP("Message", "its certificate is from an authority that is not trusted") },
    //: Why a redirect was refused. %1: the address (URL) it leads to, which begins with http://
    { MessageId::LeavesHttps,
      QT_TRANSLATE_NOOP("Message", "%1 would be asked in plain text, after a question asked over https") },
    //: Under the verdict "Unknown": the registry's answer (the page shows it whole) has no wording the site knows
    //: and no field it reads. %1: the domain name.
    { MessageId::UnknownAnswer,
      QT_TRANSLATE_NOOP("Message", "The registry answered, but its answer does not say whether %1 is registered.") },
    //: What a verdict rests on, shown under it: the line of a whois server's answer that decided. %1: the server's
    //: host name; %2: the line's number in the answer; %3: the line itself, as the server sent it (in its language).
    { MessageId::EvidenceLine, QT_TRANSLATE_NOOP("Message", "%1, line %2: “%3”") },
    //: What a verdict rests on: the status of the registry's RDAP answer. %1: the address (URL) asked; %2: the HTTP
    //: status, a number such as 404.
    { MessageId::EvidenceStatus, QT_TRANSLATE_NOOP("Message", "%1 answered with HTTP status %2") },
    //: What the verdict "Unknown" rests on: an answer with no line that says. %1: the server; %2: the domain name.
    { MessageId::EvidenceSilent,
      QT_TRANSLATE_NOOP("Message", "%1 answered, but no line of its answer is about %2 being registered or not") },
    //: What the verdict "Registered" rests on in a check of a name in many extensions: the DNS names name servers for
    //: it, which only a registered name has. %1: the domain name.
    { MessageId::EvidenceDelegated, QT_TRANSLATE_NOOP("Message", "the DNS delegates %1 to name servers") },
    //: The registry would not answer the question (an invalid query, or a name outside the extensions it serves),
    //: so nothing says whether the name is registered. %1: the domain name.
    { MessageId::RegistryRefused,
      QT_TRANSLATE_NOOP("Message",
                        "The registry refused the question about %1, so its answer does not say whether "
                        "it is registered.") },
    //: Who to tell of abuse: no record asked names an abuse contact. %1: the domain name, address or network.
    { MessageId::AbuseNoneNamed, QT_TRANSLATE_NOOP("Message", "No record names an abuse contact for %1.") },
    //: Who to tell of abuse: one of the further lookups failed. %1: a domain name, address or network; %2: why.
    { MessageId::AbuseNotLookedUp, QT_TRANSLATE_NOOP("Message", "%1 could not be looked up: %2") },
    //: Who to tell of abuse: the further lookups stopped at the client's budget. %1: a duration ("5 min 3 s").
    { MessageId::AbuseBudgetSpent,
      QT_TRANSLATE_NOOP("Message", "Your lookups for now are spent, so the rest was not looked up. Try again in %1.") },
    //: Who to tell of abuse: the site cannot ask the DNS for a domain's addresses. %1: the domain name.
    { MessageId::AbuseNoResolver,
      QT_TRANSLATE_NOOP("Message", "The site has no DNS resolver, so the networks that host %1 were not looked for.") },
    //: Who to tell of abuse: the DNS gives no address for the domain or its name servers. %1: the domain name.
    { MessageId::AbuseNoAddresses,
      QT_TRANSLATE_NOOP("Message", "The DNS gives no address for %1 or its name servers.") },
};

// A row out of place would give a message another's text.
constexpr bool inOrder()
{
    for (std::size_t i = 0; i < std::size(kRows); ++i) {
        if (std::size_t(kRows[i].id) != i)
            return false;
    }
    return std::size(kRows) == std::size_t(MessageId::Count);
}
static_assert(inOrder(), "kRows holds every message once, in the order of MessageId");

constexpr int kDeepest = 8; // a reason inside a reason: the site's messages go four deep at most

} // namespace

QString Message::duration(qint64 seconds)
{
    // Units between no-break spaces, the same in every language: "45 s", "2 min", "59 min 36 s", "1 h 5 min".
    const QChar space(0x00A0);
    const qint64 s = qMax<qint64>(seconds, 0);
    const auto unit
        = [space](qint64 count, const char *name) { return QString::number(count) + space + QLatin1StringView(name); };
    if (s < 60)
        return unit(s, "s");
    if (s < 3600)
        return s % 60 ? unit(s / 60, "min") + space + unit(s % 60, "s") : unit(s / 60, "min");
    const qint64 minutes = (s + 30) / 60; // an hour's wait to the minute
    if (minutes < 24 * 60)
        return minutes % 60 ? unit(minutes / 60, "h") + space + unit(minutes % 60, "min") : unit(minutes / 60, "h");
    const qint64 hours = (minutes + 30) / 60;
    return hours % 24 ? unit(hours / 24, "d") + space + unit(hours % 24, "h") : unit(hours / 24, "d");
}

QString Message::filled(const QString &text, const QList<QString> &arguments)
{
    QString out;
    out.reserve(text.size() + 64);
    qsizetype run = 0; // where the text between arguments begins
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != u'%')
            continue;
        const char16_t digit = text[i + 1].unicode();
        const int number = digit >= u'1' && digit <= u'9' ? digit - u'0' : 0;
        if (number < 1 || number > arguments.size())
            continue;
        out.append(QStringView(text).mid(run, i - run));
        out.append(arguments[number - 1]);
        run = i + 2;
        ++i;
    }
    out.append(QStringView(text).mid(run));
    return out;
}

namespace {

QString rendered(const Message &message, Message::Translate translate, const void *catalog, int depth)
{
    if (message.isNull() || depth > kDeepest)
        return QString();
    QList<QString> arguments;
    for (const Message::Argument &argument : message.arguments()) {
        if (const QString *text = std::get_if<QString>(&argument)) {
            arguments.append(*text);
        } else if (const qint64 *number = std::get_if<qint64>(&argument)) {
            arguments.append(QString::number(*number));
        } else if (const Message::Word *word = std::get_if<Message::Word>(&argument)) {
            const QByteArray english = word->english.toUtf8();
            const QString translated = translate ? translate(catalog, "Word", english.constData()) : QString();
            arguments.append(translated.isEmpty() ? word->english : translated);
        } else {
            const auto &nested = std::get<std::shared_ptr<const Message>>(argument);
            arguments.append(nested ? rendered(*nested, translate, catalog, depth + 1) : QString());
        }
    }
    const char *english = Message::english(message.id());
    if (message.id() == MessageId::Verbatim)
        return arguments.value(0);
    const QString translated = translate ? translate(catalog, "Message", english) : QString();
    const QString text = translated.isEmpty() ? QString::fromUtf8(english) : translated;
    // A reason that is a sentence of its own loses its full stop where the text goes on after it ("... could not
    // be resolved; whois was asked instead.", not "resolved.; whois").
    for (qsizetype i = 0; i < message.arguments().size(); ++i) {
        const qsizetype at = text.indexOf(u'%' + QString::number(i + 1));
        const QChar after = at >= 0 && at + 2 < text.size() ? text.at(at + 2) : QChar();
        if (std::holds_alternative<std::shared_ptr<const Message>>(message.arguments()[i])
            && (after == u';' || after == u',' || after == u':' || after == u'.') && arguments[i].endsWith(u'.'))
            arguments[i].chop(1);
    }
    return Message::filled(text, arguments);
}

bool equal(const Message::Argument &a, const Message::Argument &b)
{
    if (a.index() != b.index())
        return false;
    if (const auto *nested = std::get_if<std::shared_ptr<const Message>>(&a)) {
        const auto &other = std::get<std::shared_ptr<const Message>>(b);
        return *nested == other || (*nested && other && **nested == *other);
    }
    return a == b;
}

void write(QDataStream &out, const Message &message)
{
    out << QByteArray(Message::english(message.id())) << qint32(message.arguments().size());
    for (const Message::Argument &argument : message.arguments()) {
        out << qint8(argument.index());
        if (const QString *text = std::get_if<QString>(&argument))
            out << *text;
        else if (const qint64 *number = std::get_if<qint64>(&argument))
            out << *number;
        else if (const Message::Word *word = std::get_if<Message::Word>(&argument))
            out << word->english;
        else if (const auto &nested = std::get<std::shared_ptr<const Message>>(argument))
            write(out, *nested);
        else
            write(out, Message());
    }
}

// A message whose text this site does not know (written by another version) is unreadable.
void read(QDataStream &in, Message &message, int depth)
{
    static const QHash<QByteArray, MessageId> byEnglish = [] {
        QHash<QByteArray, MessageId> ids;
        for (const Row &row : kRows)
            ids.insert(QByteArray(row.english), row.id);
        return ids;
    }();
    QByteArray english;
    qint32 count = 0;
    in >> english >> count;
    const auto id = byEnglish.constFind(english);
    if (id == byEnglish.constEnd() || count < 0 || count > 9 || depth > kDeepest) {
        in.setStatus(QDataStream::ReadCorruptData);
        return;
    }
    QList<Message::Argument> arguments;
    for (qint32 i = 0; i < count && in.status() == QDataStream::Ok; ++i) {
        qint8 kind = -1;
        in >> kind;
        if (kind == 0) {
            QString text;
            in >> text;
            arguments.append(text);
        } else if (kind == 1) {
            qint64 number = 0;
            in >> number;
            arguments.append(number);
        } else if (kind == 2) {
            Message::Word word;
            in >> word.english;
            arguments.append(word);
        } else if (kind == 3) {
            Message nested;
            read(in, nested, depth + 1);
            arguments.append(std::make_shared<const Message>(std::move(nested)));
        } else {
            in.setStatus(QDataStream::ReadCorruptData);
        }
    }
    message = Message::withArguments(*id, std::move(arguments));
}

} // namespace

const char *Message::english(MessageId id)
{
    const auto index = std::size_t(id);
    return index < std::size(kRows) ? kRows[index].english : nullptr;
}

QString Message::rendered(Translate translate, const void *catalog) const
{
    return ::rendered(*this, translate, catalog, 0);
}

bool operator==(const Message &a, const Message &b)
{
    if (a.m_id != b.m_id || a.m_arguments.size() != b.m_arguments.size())
        return false;
    for (qsizetype i = 0; i < a.m_arguments.size(); ++i) {
        if (!equal(a.m_arguments[i], b.m_arguments[i]))
            return false;
    }
    return true;
}

QDataStream &operator<<(QDataStream &out, const Message &message)
{
    write(out, message);
    return out;
}

QDataStream &operator>>(QDataStream &in, Message &message)
{
    read(in, message, 0);
    return in;
}
