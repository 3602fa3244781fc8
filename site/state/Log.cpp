#include "Log.h"

#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <utility>

#include <unistd.h>

namespace {

constexpr std::size_t kMostPending = 8 * 1024 * 1024; // bytes waiting; beyond, lines are dropped
constexpr std::size_t kBatch = 64 * 1024; // bytes that go out at once without waiting for more
constexpr std::chrono::milliseconds kGather { 20 }; // how long lines wait for more to go out with

class Writer
{
public:
    Writer()
        : m_thread([this] { write(); })
    {
    }
    ~Writer()
    {
        {
            const std::lock_guard lock(m_mutex);
            m_ending = true;
        }
        m_more.notify_one();
        m_thread.join();
    }

    void add(std::string &&text)
    {
        bool wake = false;
        {
            const std::lock_guard lock(m_mutex);
            if (m_pending.size() + text.size() >= kMostPending) {
                ++m_dropped;
                return;
            }
            // The writer sleeps only when nothing is left, and gathers lines for a moment: woken by the first, and
            // by a full batch.
            const std::size_t before = m_pending.size();
            m_pending += text;
            m_pending += '\n';
            wake = (before == 0 && !m_writing) || (before < kBatch && m_pending.size() >= kBatch);
        }
        if (wake)
            m_more.notify_one();
    }

    void flush()
    {
        std::unique_lock lock(m_mutex);
        ++m_flushing;
        m_more.notify_one();
        m_written.wait(lock, [this] { return m_pending.empty() && !m_writing; });
        --m_flushing;
    }

private:
    void write()
    {
        std::string batch;
        std::unique_lock lock(m_mutex);
        for (;;) {
            m_more.wait(lock, [this] { return !m_pending.empty() || m_dropped > 0 || m_ending; });
            if (m_pending.empty() && m_dropped == 0 && m_ending)
                return;
            // Lines that come within a moment go out in one write: a busy site wakes this thread a few dozen
            // times a second, not once a request.
            m_more.wait_for(lock, kGather, [this] { return m_pending.size() >= kBatch || m_ending || m_flushing > 0; });
            batch.clear();
            batch.swap(m_pending);
            if (m_dropped > 0)
                batch += std::to_string(std::exchange(m_dropped, 0)) + " log lines dropped: the output fell behind\n";
            m_writing = true;
            lock.unlock();
            for (std::size_t at = 0; at < batch.size();) {
                const ssize_t done = ::write(STDOUT_FILENO, batch.data() + at, batch.size() - at);
                if (done < 0 && errno == EINTR)
                    continue;
                if (done <= 0)
                    break; // nowhere to write: the lines are lost, the site goes on
                at += std::size_t(done);
            }
            lock.lock();
            m_writing = false;
            m_written.notify_all();
        }
    }

    std::mutex m_mutex;
    std::condition_variable m_more;
    std::condition_variable m_written;
    std::string m_pending;
    std::size_t m_dropped = 0;
    bool m_writing = false;
    bool m_ending = false;
    int m_flushing = 0; // callers of flush() waiting: no gathering then
    std::thread m_thread; // last: it starts once the rest is made
};

Writer &writer()
{
    static Writer theWriter;
    return theWriter;
}

} // namespace

namespace Log {

void line(std::string text)
{
    writer().add(std::move(text));
}

void flush()
{
    writer().flush();
}

} // namespace Log
