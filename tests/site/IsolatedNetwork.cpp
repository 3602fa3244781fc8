#include "IsolatedNetwork.h"

#include <QDir>
#include <QFile>

#include <net/if.h>
#include <sched.h>
#include <sys/ioctl.h>
#include <sys/mount.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace {

bool failed(QString *why, const char *what)
{
    *why = QStringLiteral("%1: %2").arg(QLatin1StringView(what), QString::fromLocal8Bit(std::strerror(errno)));
    return false;
}

bool write(const QString &name, const QByteArray &text)
{
    QFile file(name);
    return file.open(QIODevice::WriteOnly) && file.write(text) == text.size();
}

bool bind(const QString &source, const char *target)
{
    return ::mount(QFile::encodeName(source).constData(), target, nullptr, MS_BIND, nullptr) == 0;
}

} // namespace

bool IsolatedNetwork::enter(const QString &folder, QString *why)
{
    const QDir dir(folder);
    if (!dir.mkpath(u"certs"_qs)
        || !write(dir.filePath(u"resolv.conf"_qs),
                  QByteArray("nameserver ") + kResolver + "\noptions timeout:1 attempts:1\n")
        || !write(dir.filePath(u"nsswitch.conf"_qs), "hosts: files dns\n")) {
        *why = QStringLiteral("cannot write in %1").arg(folder);
        return false;
    }
    if (::unshare(CLONE_NEWNET | CLONE_NEWNS) != 0)
        return failed(why, "unshare");
    // Mounts made here stay here.
    if (::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0)
        return failed(why, "making / private");
    if (!bind(dir.filePath(u"resolv.conf"_qs), "/etc/resolv.conf"))
        return failed(why, "mounting /etc/resolv.conf");
    if (!bind(dir.filePath(u"nsswitch.conf"_qs), "/etc/nsswitch.conf"))
        return failed(why, "mounting /etc/nsswitch.conf");
    if (!bind(dir.filePath(u"certs"_qs), "/etc/ssl/certs"))
        return failed(why, "mounting /etc/ssl/certs");

    const int socket = ::socket(AF_INET, SOCK_DGRAM, 0);
    ifreq loopback {};
    std::strncpy(loopback.ifr_name, "lo", IFNAMSIZ - 1);
    const bool up = socket >= 0 && ::ioctl(socket, SIOCGIFFLAGS, &loopback) == 0
        && (loopback.ifr_flags |= IFF_UP, ::ioctl(socket, SIOCSIFFLAGS, &loopback) == 0);
    const int error = errno;
    if (socket >= 0)
        ::close(socket);
    errno = error;
    return up || failed(why, "bringing the loopback up");
}
