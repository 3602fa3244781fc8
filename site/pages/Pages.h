#pragma once

#include "PageLanguage.h"
#include "abuse/WhoToTell.h"
#include "lookup/Availability.h"
#include "lookup/Lookup.h"
#include "messages/Message.h"

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>

struct Response
{
    int status = 200;
    QByteArray contentType;
    QByteArray body;
    QByteArray disposition; // Content-Disposition, for a file to keep; empty for a page
};

// The published versions: eight characters each, as a version file carries them (1.0.2004).
struct PublishedVersions
{
    QString quelcor;
    QString whois;
};

// The maker's site's pages, each rendered from its template (templates/ in the resources) in the visitor's
// language; record text stays as the registry sent it, and every value reaches the page escaped. Which page
// answers which path is the route table's (http/Routes).
class Pages
{
public:
    explicit Pages(PublishedVersions versions)
        : m_versions(std::move(versions))
    {
    }

    // The pages of the site's own (the route table names their paths).
    enum class Plain { Home, Product, Download, Forum, BugReport };
    Response plainPage(Plain which, const PageLanguage &words) const;
    static Response notFound(const PageLanguage &words);

    // The version files, the style sheet.
    Response quelcorVersion() const;
    Response whoisVersion() const;
    static Response styleSheet();

    // A version file: a valid script line whose characters 32 to 39 (counted from 1) are the version.
    static QByteArray versionFile(const QString &variable, const QString &version);

    // The lookup page for a result (or for no question yet, when result is null). Its "Report abuse" section gives
    // the contacts that the result's own records name, or those of a search for whom to tell (report) when given.
    static QByteArray lookupPage(const QString &typed, const LookupResult *result,
                                 const PageLanguage &words = PageLanguage::english(),
                                 const Abuse::Report *report = nullptr);

    // The lookup page with a notice in place of a result: the service is busy, or the client asks too much.
    static Response lookupRefused(int status, const QString &typed, const Message &message,
                                  const PageLanguage &words = PageLanguage::english());

    // The page of an availability check, sent in parts: the page up to its table of rows and what follows them,
    // and each row as its answer comes (an extension, its state in words and a link to its full lookup).
    static std::pair<std::string, std::string> availabilityFrame(const QString &typed, const ManyExtensions &question,
                                                                 const PageLanguage &words);
    static std::string availabilityRow(const Availability::Row &row, const PageLanguage &words);
    // A row as a line of text: "quelcor.de  Available (expires ...)".
    static QString availabilityText(const Availability::Row &row, const PageLanguage &words);

    // A record of a lookup as a file to keep (counted from 1), as the server sent it: RDAP's JSON as
    // application/rdap+json, whois text as UTF-8 text; no value when the lookup has no such record.
    static std::optional<Response> recordFile(const LookupResult &result, int number);
    // The file's name, made from the question: "example.com-rdap.json", "8.8.8.0_24-whois.txt", the record's
    // number before the ending from the second on. Only letters, digits, dots, hyphens and underscores, never a
    // leading dot or hyphen: nothing that a browser or a header could read as more than a name.
    static QString recordFileName(const QString &query, int number, bool rdap);
    // An abuse contact's role in words ("Hosting network"), and where it was read ("From whois.example, line 12:
    // abuse-mailbox"), in the visitor's language.
    static QString abuseRole(Abuse::Role role, const PageLanguage &words);
    static QString abuseSource(const Abuse::Contact &contact, const PageLanguage &words);
    // What else a contact says: the address it is the network of, the more specific network it stands for.
    static QStringList abuseRemarks(const Abuse::Contact &contact, const PageLanguage &words);

    // A lookup's evidence, every answer as received, as a ZIP file to keep ("example.com-evidence.zip").
    static Response evidenceFile(const LookupResult &result);

    // Text from another server as the page shows it: control characters as their visible symbols (NUL as
    // U+2400), bidirectional embeddings, overrides and isolates as their code ("[U+202E]"); CR LF as a line break.
    static QString visible(const QString &text);

    // Headers sent with every answer: nothing may be loaded from elsewhere.
    static const QList<QPair<QByteArray, QByteArray>> &securityHeaders();

    // The templates' names, for the checks that render each one.
    static QStringList templateNames();

private:
    const PublishedVersions m_versions;
};
