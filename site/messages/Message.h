#pragma once

#include <QDataStream>
#include <QList>
#include <QMetaType>
#include <QString>

#include <memory>
#include <type_traits>
#include <variant>

// Everything the site tells a visitor in a sentence: a refusal of the question, a lookup's outcome, a note, the
// reason inside one. Each has an identifier here and its English text in Message.cpp; the pages render it in the
// visitor's language through the language catalog (pages/PageLanguage), so no code below the pages writes finished
// English.
enum class MessageId : quint16 {
    None, // no message
    Verbatim, // %1: a text from elsewhere (another library's error), shown as it came

    // The question
    TypeADomainName,
    DomainNoBlanks,
    DomainStartsWithHyphen,
    DomainNotValid,
    DomainTooLong,
    DomainEmptyLabel,
    DomainLabelTooLong,
    DomainLabelHyphen,
    DomainLetters,
    AsNumberRange,
    Ipv6NotValid,
    Ipv4NotValid,
    PrefixLength,
    MappedPrefixLength,
    SpecialA, // %1 subject, %2 kind (a word), %3 noun (a word), %4 reference
    SpecialAn,
    Carrying, // %1 reference, %2 the carried IPv4 address, %3 its kind (a word)
    NotAnAddress,

    // Addresses the site will not ask
    NameNotResolved,
    NotPublicAddress,
    NotWebAddress,

    // Answers from other servers
    NoCompleteAnswer,
    NoConnection,
    RedirectRefused,
    NoAnswer,
    NoAnswerStatus,
    RedirectedTooOften,
    BootstrapAbandoned,
    Status,
    FileTooLong,
    NotABootstrapFile,
    BootstrapUnreadable,

    // The site's own limits
    ServiceBusy,
    ClientBusy,
    ClientLimited,
    ClientLimitedCheck,

    // A lookup's outcome and notes
    NotRegistered,
    NoRecord,
    Reserved,
    NoTopLevelDomain,
    IanaWhoisInstead,
    RegistryLimited,
    RegistryLimitedLater,
    TookTooLong,
    WhoisInstead,
    RegistryUnreachable,
    RegistryStatus,
    RecordTooLong,
    NotARecord,
    NotARecordReason,
    RegistrarUnreadable,
    RefusedToAsk,
    ClosedWithoutAnswer,
    RegistrarWhoisUnreachable,
    ReferredWhoisUnreachable,
    WhoisUnreachable,
    ReferredWhoisLimited,
    NoServiceExtension,
    NoService,
    PacedRecordLeftOut,
    Paced,
    RegistryStatusSaid,
    StatusSaid,
    NameUnder,
    HandleNotLookedUp,
    TooManyExtensions,
    RegistryResting,
    RecordLeftOutLimited,
    RecordLeftOutResting,
    NotTrusted, // %1 a host name, %2 why (one of the four below, or a text from elsewhere)
    CertificateForAnotherName,
    CertificateSelfSigned,
    CertificateOutOfDate,
    CertificateUnknownAuthority,
    LeavesHttps, // %1 the address (URL) that would leave https
    UnknownAnswer, // %1 the domain name: the registry answered, in words the site does not read
    EvidenceLine, // %1 a server, %2 a line's number, %3 the line as the server sent it
    EvidenceStatus, // %1 an RDAP address (URL), %2 an HTTP status
    EvidenceSilent, // %1 a server, %2 the domain name
    EvidenceDelegated, // %1 the domain name
    RegistryRefused, // %1 the domain name
    AbuseNoneNamed, // %1 what was asked
    AbuseNotLookedUp, // %1 a domain name, address or network, %2 why (a message)
    AbuseBudgetSpent, // %1 a duration
    AbuseNoResolver, // %1 the domain name
    AbuseNoAddresses, // %1 the domain name

    Count
};

class Message
{
public:
    // A term of the catalog's words (the kind of a special address, the noun for a query), translated where
    // the message that carries it is; its English is marked QT_TRANSLATE_NOOP("Word", ...) where it is written.
    struct Word
    {
        QString english;
        friend bool operator==(const Word &, const Word &) = default;
    };
    // A text as it is (a host, a URL, an address), a number, a word, or a message nested as the reason.
    using Argument = std::variant<QString, qint64, Word, std::shared_ptr<const Message>>;

    Message() = default;

    template<typename... Arguments>
    explicit Message(MessageId id, Arguments &&...arguments)
        : m_id(id)
    {
        (m_arguments.append(argument(std::forward<Arguments>(arguments))), ...);
    }

    static Message verbatim(const QString &text) { return Message(MessageId::Verbatim, text); }
    static Message withArguments(MessageId id, QList<Argument> arguments)
    {
        Message made(id);
        made.m_arguments = std::move(arguments);
        return made;
    }

    MessageId id() const { return m_id; }
    bool isNull() const { return m_id == MessageId::None; }
    const QList<Argument> &arguments() const { return m_arguments; }

    // The English text of an identifier, with %1 ... %9 where its arguments go; null for None.
    static const char *english(MessageId id);
    // The message with its arguments in place, through a translation of the texts and words (English when
    // a translation returns an empty text).
    using Translate = QString (*)(const void *catalog, const char *context, const char *english);
    QString rendered(Translate translate = nullptr, const void *catalog = nullptr) const;
    // A text with its arguments in place: %1 to %9, in any order, each as often as the text names it; an
    // argument's own "%1" stays as it is.
    static QString filled(const QString &text, const QList<QString> &arguments);
    // A wait as people say it, in units that every language writes alike: "45 s", "59 min 36 s", "1 h 5 min".
    static QString duration(qint64 seconds);
    // In English: for logs and tests.
    QString english() const { return rendered(); }

    friend bool operator==(const Message &a, const Message &b);

    // For results kept on Redis: the identifier by its name, so that an older or newer site reads what it knows.
    friend QDataStream &operator<<(QDataStream &out, const Message &message);
    friend QDataStream &operator>>(QDataStream &in, Message &message);

private:
    template<typename T> static Argument argument(T &&value)
    {
        using Plain = std::remove_cvref_t<T>;
        if constexpr (std::is_same_v<Plain, Message>)
            return std::make_shared<const Message>(std::forward<T>(value));
        else if constexpr (std::is_integral_v<Plain>)
            return qint64(value);
        else if constexpr (std::is_same_v<Plain, Word>)
            return value;
        else
            return QString(std::forward<T>(value));
    }

    MessageId m_id = MessageId::None;
    QList<Argument> m_arguments;
};
Q_DECLARE_METATYPE(Message)
