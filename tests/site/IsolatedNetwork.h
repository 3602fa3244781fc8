#pragma once

#include <QString>

// A network of the test's own, for tests that need names to resolve as they say: a new network namespace (its
// loopback up, nothing else) in a new mount namespace, in which /etc/resolv.conf names a resolver at
// 127.0.0.53:53 that the test runs, /etc/nsswitch.conf resolves hosts from /etc/hosts and DNS only, and
// /etc/ssl/certs holds only the certificate authorities the test puts in folder/certs. The programs the test
// starts share it. Entered before any thread starts (at the top of main); false with the reason where the process
// may not (it takes root).
namespace IsolatedNetwork {

bool enter(const QString &folder, QString *why);

// The resolver's address in that network.
inline constexpr const char *kResolver = "127.0.0.53";

} // namespace IsolatedNetwork
