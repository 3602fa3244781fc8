#pragma once

#include "Upstream.h"
#include "messages/Message.h"
#include "query/AddressPolicy.h"
#include "query/Query.h"

#include <QDateTime>
#include <QJsonDocument>
#include <QMutex>
#include <QPointer>
#include <QUrl>

#include <array>
#include <functional>

class QNetworkAccessManager;

// IANA's RDAP bootstrap files (RFC 9224): which RDAP service answers for which extension (dns.json), address
// block (ipv4.json, ipv6.json) or AS number range (asn.json). The domain file's address is given; the others
// are read from beside it. Each is fetched when first needed and kept for a time to live, then asked for again
// with its validators (If-None-Match, If-Modified-Since), so that an unchanged file is not downloaded again;
// shared by all lookups, on any thread. For IANA's own files (at its own address: scheme, host and port) the program
// carries a snapshot of them, which serves at once until a fresh copy has been fetched, so that a new site routes its
// first lookup without waiting on the network.
class RdapBootstrap
{
public:
    RdapBootstrap(const QUrl &domainFile, int ttlSeconds);

    // Keeps the files in a folder as well, for the next process: a file there younger than the time to live is
    // read instead of fetched, and a file fetched is written there.
    void keepIn(const QString &folder) { m_folder = folder; }

    struct Service
    {
        QUrl base; // the service's base URL, ending in "/"; invalid when no service covers the query
        Message error; // why the bootstrap file could not be had; none when it could
    };

    // Finds the service without waiting: done is called on this thread, at once when the file is at hand,
    // else when it has been fetched (by this lookup or by another that asked first).
    void serviceFor(const Query &query, QNetworkAccessManager &network, const AddressPolicy &policy,
                    const Limits &limits, QObject *context, std::function<void(const Service &)> done);

    // The domain file at hand, without the network: the one kept in the folder, else the snapshot; null for none.
    QJsonDocument domainFile();
    // A file of the snapshot of IANA's files ("dns.json", "ipv4.json", "ipv6.json", "asn.json"); null for none.
    static QJsonDocument shipped(const QString &fileName);

    // The service for a name in a domain file: the entry that matches the longest run of labels at the end of
    // the name wins; of its URLs, the first https one, else the first.
    static QUrl findService(const QJsonDocument &file, const QString &aceName);
    // The service for a network (an address is a network of one) in an address file: the longest block
    // that holds the whole network.
    static QUrl findAddressService(const QJsonDocument &file, const QHostAddress &network, int prefixLength);
    // The service for an AS number in the AS file ("first-last" ranges, or single numbers).
    static QUrl findAsService(const QJsonDocument &file, quint32 number);

private:
    using FileReady = std::function<void(const QJsonDocument &file, const Message &error)>;
    struct Waiter
    {
        QPointer<QObject> context;
        FileReady ready;
    };
    struct File
    {
        QUrl source;
        QMutex mutex;
        QJsonDocument document;
        QDateTime fetchedAt;
        QByteArray etag, lastModified; // the server's validators of the document, for a conditional refresh
        bool shipped = false; // the document is the snapshot's, until a fresh one is fetched
        bool fetching = false; // one lookup fetches it; the others wait for that
        QList<Waiter> waiters;
    };

    // Answers every waiter with the file as it stands now.
    static void deliver(File &file, const Message &error);
    // The file, fetched again when older than the time to live; a stale file is kept when that fails.
    void current(File &file, QNetworkAccessManager &network, const AddressPolicy &policy, const Limits &limits,
                 QObject *context, FileReady ready);

    // Fetches the file; its waiters are answered when that ends (or when context is gone). disposeContext: the
    // context is deleted when the fetch ends (a background refresh's own network).
    void fetch(File &file, QNetworkAccessManager &network, const AddressPolicy &policy, const Limits &limits,
               QObject *context, const Upstream::Fields &validators, bool disposeContext = false);
    // The snapshot's copy of the file, when the file is IANA's.
    void readShipped(File &file) const;
    // For a file without a document (with its mutex held): the one kept in the folder, else the snapshot's.
    void readAtHand(File &file) const;
    // A file kept in the folder: its document, when it was fetched, and its validators (beside it, in a file of
    // two lines); a null document when there is none.
    void readKept(File &file) const;
    // Keeps the file's bytes (none: the bytes kept are still the file's, fetched again now) and its validators.
    void keep(const File &file, const QByteArray &bytes) const;

    const int m_ttlSeconds;
    QString m_folder;
    std::array<File, 4> m_files; // dns, ipv4, ipv6, asn
};
