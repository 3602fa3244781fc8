#include "Statuses.h"

#include <QHash>

namespace Statuses {

QString key(const QString &status)
{
    // Without what a registry adds after the value: a link, a remark in brackets, " - " and an explanation.
    qsizetype end = status.size();
    for (const QString &after : { u"http"_qs, u"("_qs, u" - "_qs }) {
        const qsizetype at = status.indexOf(after, 0, Qt::CaseInsensitive);
        if (at > 0)
            end = qMin(end, at);
    }
    QString letters;
    for (const QChar c : QStringView(status).left(end)) {
        if (c.isLetter())
            letters += c.toLower();
    }
    return letters;
}

const char *phrase(const QString &status)
{
    static const QHash<QString, const char *> phrases = [] {
        const std::pair<const char *, const char *> rows[] = {
            { "active", QT_TRANSLATE_NOOP("Status", "active") },
            { "ok", "active" },
            { "domok", "active" }, // .sk
            { "inactive", QT_TRANSLATE_NOOP("Status", "inactive (no name servers)") },
            { "validated", QT_TRANSLATE_NOOP("Status", "validated") },
            { "locked", QT_TRANSLATE_NOOP("Status", "locked") },
            { "proxy", QT_TRANSLATE_NOOP("Status", "registered through a proxy") },
            { "private", QT_TRANSLATE_NOOP("Status", "private") },
            //: Some of the record's data was left out (not the domain name deleted)
            { "removed", QT_TRANSLATE_NOOP("Status", "some data removed") },
            //: Some of the record's data was altered or masked (not the domain name blocked)
            { "obscured", QT_TRANSLATE_NOOP("Status", "some data altered") },
            { "associated", QT_TRANSLATE_NOOP("Status", "associated with another object") },
            { "renewprohibited", QT_TRANSLATE_NOOP("Status", "renewal locked") },
            { "updateprohibited", QT_TRANSLATE_NOOP("Status", "changes locked") },
            { "transferprohibited", QT_TRANSLATE_NOOP("Status", "transfer locked") },
            { "deleteprohibited", QT_TRANSLATE_NOOP("Status", "deletion locked") },
            { "clientdeleteprohibited", QT_TRANSLATE_NOOP("Status", "deletion locked by the registrar") },
            { "clientrenewprohibited", QT_TRANSLATE_NOOP("Status", "renewal locked by the registrar") },
            { "clienttransferprohibited", QT_TRANSLATE_NOOP("Status", "transfer locked by the registrar") },
            { "clientupdateprohibited", QT_TRANSLATE_NOOP("Status", "changes locked by the registrar") },
            { "clienthold", QT_TRANSLATE_NOOP("Status", "kept out of the DNS by the registrar") },
            { "serverdeleteprohibited", QT_TRANSLATE_NOOP("Status", "deletion locked by the registry") },
            { "serverrenewprohibited", QT_TRANSLATE_NOOP("Status", "renewal locked by the registry") },
            { "servertransferprohibited", QT_TRANSLATE_NOOP("Status", "transfer locked by the registry") },
            { "serverupdateprohibited", QT_TRANSLATE_NOOP("Status", "changes locked by the registry") },
            { "serverhold", QT_TRANSLATE_NOOP("Status", "kept out of the DNS by the registry") },
            { "pendingcreate", QT_TRANSLATE_NOOP("Status", "being created") },
            { "pendingrenew", QT_TRANSLATE_NOOP("Status", "being renewed") },
            { "pendingtransfer", QT_TRANSLATE_NOOP("Status", "being transferred") },
            { "pendingupdate", QT_TRANSLATE_NOOP("Status", "being changed") },
            { "pendingdelete", QT_TRANSLATE_NOOP("Status", "about to be deleted") },
            { "pendingrestore", QT_TRANSLATE_NOOP("Status", "being restored") },
            { "addperiod", QT_TRANSLATE_NOOP("Status", "newly registered (grace period)") },
            { "autorenewperiod", QT_TRANSLATE_NOOP("Status", "renewed automatically (grace period)") },
            { "renewperiod", QT_TRANSLATE_NOOP("Status", "recently renewed (grace period)") },
            { "transferperiod", QT_TRANSLATE_NOOP("Status", "recently transferred (grace period)") },
            { "redemptionperiod", QT_TRANSLATE_NOOP("Status", "expired but still redeemable (redemption period)") },
            { "reserved", QT_TRANSLATE_NOOP("Status", "reserved by the registry") },
            // Registries' own values.
            { "registered", QT_TRANSLATE_NOOP("Status", "registered") },
            { "notavailable", "registered" },
            { "granted", QT_TRANSLATE_NOOP("Status", "granted to the holder") },
            { "live", "active" },
            { "connect", QT_TRANSLATE_NOOP("Status", "in the DNS") },
            { "published", "in the DNS" },
            { "delegated", "in the DNS" },
            { "verified", QT_TRANSLATE_NOOP("Status", "holder verified") },
            { "transferlocked", "transfer locked" },
            { "linked", "associated with another object" },
            // The regional internet registries' values for address ranges and AS numbers.
            { "assigned", QT_TRANSLATE_NOOP("Status", "assigned") },
            { "assignedpa", "assigned" },
            { "assignedpi", QT_TRANSLATE_NOOP("Status", "assigned, provider-independent") },
            { "assignedportable", "assigned, provider-independent" },
            { "assignednonportable", "assigned" },
            { "assignedanycast", "assigned" },
            { "allocated", QT_TRANSLATE_NOOP("Status", "allocated") },
            { "allocatedpa", "allocated" },
            { "allocatedpi", "allocated" },
            { "allocatedportable", "allocated" },
            { "allocatednonportable", "allocated" },
            { "allocatedunspecified", "allocated" },
            { "legacy", QT_TRANSLATE_NOOP("Status", "legacy (held since before the regional registries)") },
        };
        QHash<QString, const char *> made;
        for (const auto &[value, english] : rows)
            made.insert(QLatin1String(value), english);
        return made;
    }();
    return phrases.value(key(status), nullptr);
}

} // namespace Statuses
