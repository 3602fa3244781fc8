#pragma once

#include "abuse/WhoToTell.h"
#include "http/Application.h"
#include "lookup/LookupPool.h"
#include "messages/Message.h"

#include <boost/asio.hpp>

#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>

// A question put to the lookup pool from one I/O loop, and the answer: the job, or why it was not run. Here it is
// decided whether a question is answered from what is kept and what it costs the client who asks (the pool only
// runs jobs). Every refusal (the site is busy, the client asks too much) has one status, Retry-After and message,
// for the page and the API alike.
class Admission
{
public:
    Admission(LookupPool &pool, boost::asio::io_context &io, std::chrono::seconds queueDeadline);

    struct Asked
    {
        std::shared_ptr<LookupPool::Job> job; // null when refused
        int status = 200;
        int retryAfter = 0; // seconds
        Message refusal;
        bool kept = false; // answered from the cache at once
    };

    // A lookup, waited for until it is done, or refused; one that waits in the queue past the queue deadline is
    // refused as the busy site's.
    boost::asio::awaitable<Asked> lookup(Query query, const std::string &client);

    // What a question to the registry costs the client, taken from the client's budget (as every instance counts
    // it where the budget is shared): 0 when taken, else the seconds until it would be (nothing taken then).
    boost::asio::awaitable<double> charge(const std::string &client, const std::string &registry);

    // Lookups of the names for the client (charged already), waited for until all are done or the wait is over;
    // those the pool cannot take now are handed to notTaken. Their results reach whoever the pool tells.
    boost::asio::awaitable<void> lookups(const QStringList &names, const std::string &client,
                                         std::chrono::milliseconds wait,
                                         const std::function<void(const QString &)> &notTaken);

    // Who to tell of abuse about the query (the networks that host a domain too when hosting), waited for until it
    // is done; no value, and *refusal, when the pool cannot take it or the client's budget the question itself. Each
    // lookup it asks costs the client's budget; past it, the rest is left out with a note.
    boost::asio::awaitable<std::optional<Abuse::Report>> abuse(const Query &query, bool hosting,
                                                               const std::string &client, Asked *refusal);

    // A check of a name in many extensions, started: the job (or the refusal), and the timer that the job
    // cancels each time a row comes and when it is done.
    using Wake = std::shared_ptr<boost::asio::steady_timer>;
    std::pair<Asked, Wake> check(const ManyExtensions &question, const std::string &client);

private:
    std::shared_ptr<LookupPool::Job> job(const std::string &client, const Wake &wake);
    Asked refused(LookupPool::Admission admission, int retryAfter) const;
    // What ask asks of another thread (false: nothing asked), its answer awaited on this loop until it comes or a
    // short deadline passes (no value then).
    template<class T>
    boost::asio::awaitable<std::optional<T>> awaited(const std::function<bool(std::function<void(T)>)> &ask);

    LookupPool &m_pool;
    boost::asio::io_context &m_io;
    const std::chrono::seconds m_queueDeadline;
};
