#pragma once

// One lookup under way, inside the lookup folder: its start and end (Lookup.cpp), its RDAP steps (LookupRdap.cpp)
// and its whois chain (LookupWhois.cpp).

#include "Lookup.h"

#include <QNetworkAccessManager>
#include <QSet>
#include <QTimer>

#include <functional>

// One lookup under way: the steps of RDAP or of the whois chain, each started when the one before has its
// answer. Deletes itself when done.
class LookupJob : public QObject
{
    friend class Lookup;

public:
    LookupJob(const Lookup &lookup, Query query, Lookup::Done done, QObject *context)
        : QObject(context)
        , m_bootstrap(lookup.m_bootstrap)
        , m_settings(lookup.m_settings)
        , m_query(std::move(query))
        , m_done(std::move(done))
    {
        m_result.kind = m_query.kind;
        m_result.query = m_query.text;
        m_result.host = m_query.host;
    }

    void start();
    void finish();

private:
    using Outcome = LookupResult::Outcome;

    void rdap(const QUrl &base);
    void rdapAnswered(const QUrl &url, const Answer &answer);
    void relatedAnswered(const QUrl &related, const Answer &registrar);
    void hostRecord();
    void whois(const QString &host, quint16 port);
    void whoisAnswered(const QString &host, const QString &server, const Answer &answer);
    // Asks now, or when the site's pace for that server allows; not at all while the server asked to wait or rests.
    // server: the server as its health is kept (host[:port]); the host when empty.
    void paced(const QString &host, std::function<void()> ask, const QString &server = QString());
    void pacedNow(const QString &host, std::function<void()> ask, const QString &server);
    // What a server's answer says of it, for the registries' health: asked to wait for limitedFor seconds (-1: it
    // did not), answered, or failed.
    void heard(const QString &server, const Answer &answer, qint64 limitedFor = -1);
    // Keeps an answer as it came, for the lookup's evidence: any that came at all, whatever it says.
    void received(const QString &server, const Answer &answer, const QByteArray &question = QByteArray());
    // The outcomes that RDAP and whois both come to.
    static void notRegistered(LookupResult &result);
    static void rateLimited(LookupResult &result, qint64 retryAfterSeconds);

    static constexpr double kLongestPace = 10; // seconds
    static constexpr int kLongestLookup = 100; // seconds: within a load balancer's 120 s

    RdapBootstrap &m_bootstrap;
    const LookupSettings &m_settings;
    const Query m_query;
    const Lookup::Done m_done;
    QNetworkAccessManager m_network { this };
    LookupResult m_result;
    QSet<QString> m_asked;
    QUrl m_base; // the RDAP service asked
    QTimer m_deadline;
    int m_hop = 0;
    bool m_finished = false;
    bool m_forSite = false; // the site's own lookup: only with the share of a registry's pace that visitors leave
};
