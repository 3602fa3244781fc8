#pragma once

#include "TextFetcher.h"

#include <memory>

class QNetworkAccessManager;

// HTTP GET with a bounded wait. The caller's thread keeps painting while it waits, but no user input is
// delivered until the fetch has ended, so no handler of the program runs in the middle of it.
class HttpTextFetcher : public TextFetcher
{
public:
    static constexpr int kDefaultDeadlineMs = 60000; // the request time-out of the transfer settings
    static constexpr qint64 kDefaultBodyCap = 65536; // a version file is a few dozen bytes

    explicit HttpTextFetcher(int deadlineMs = kDefaultDeadlineMs, qint64 bodyCap = kDefaultBodyCap);
    ~HttpTextFetcher() override;

    FetchResult fetch(const QUrl &url) override;

private:
    int m_deadlineMs;
    qint64 m_bodyCap;
    bool m_busy = false;
    std::unique_ptr<QNetworkAccessManager> m_network;
};
