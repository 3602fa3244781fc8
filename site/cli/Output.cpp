#include "Output.h"

#include "pages/Findings.h"
#include "pages/Pages.h"
#include "pages/Report.h"

#include <QDate>
#include <QLocale>
#include <QRegularExpression>

namespace Cli {

QString csvField(QString text)
{
    static const QRegularExpression number(u"^[+-]?[0-9]+([.][0-9]+)?$"_qs);
    if (!text.isEmpty() && QStringView(u"=+-@\t\r").contains(text.front()) && !number.match(text).hasMatch())
        text.prepend(u'\'');
    if (!text.contains(u',') && !text.contains(u'"') && !text.contains(u'\n') && !text.contains(u'\r'))
        return text;
    return u'"' + text.replace(u"\""_qs, u"\"\""_qs) + u'"';
}

bool answered(const Verdict &verdict)
{
    using Kind = Verdict::Kind;
    return verdict.kind != Kind::Refused && verdict.kind != Kind::NoAnswer && verdict.kind != Kind::Busy
        && verdict.kind != Kind::Unknown;
}

QString textOf(const QString &question, const LookupResult &result, const PageLanguage &words, bool raw)
{
    const Verdict verdict = Verdict::of(result, QDate::currentDate());
    const Findings::VerdictLine line = Findings::verdictLine(words, result, verdict, Findings::Markup::Text);
    // Everything from elsewhere as text: no registry's control characters reach the terminal.
    QString out = Pages::visible(question) + QStringLiteral(": ");
    if (line.label.isEmpty())
        out += Pages::visible(words.render(result.message));
    else
        out += line.label + (line.detail.isEmpty() ? QString() : QStringLiteral(" \u00B7 ") + line.detail);
    out += u'\n';
    if (const QString evidence = Findings::evidenceLine(words, result); !evidence.isEmpty())
        out += QStringLiteral("  %1\n").arg(evidence);
    const QList<Findings::Field> fields = Findings::fields(words, result, verdict);
    qsizetype width = 0;
    for (const Findings::Field &field : fields)
        width = qMax(width, field.label.size());
    for (const Findings::Field &field : fields) {
        QString value = field.value;
        if (!field.statuses.isEmpty()) {
            QStringList statuses;
            for (const Findings::Status &status : field.statuses)
                statuses.append(status.words.isEmpty() || status.words.compare(status.value, Qt::CaseInsensitive) == 0
                                    ? status.value
                                    : QStringLiteral("%1 (%2)").arg(status.words, status.value));
            value = statuses.join(QStringLiteral(", "));
        }
        out += QStringLiteral("  %1  %2\n").arg(field.label.leftJustified(width), Pages::visible(value));
    }
    for (const Message &note : result.notes)
        out += QStringLiteral("  ! %1\n").arg(Pages::visible(words.render(note)));
    if (raw) {
        for (const SourceRecord &record : result.records)
            out += QStringLiteral("\n%1\n%2\n").arg(Pages::visible(record.source), Pages::visible(record.text));
    }
    return out;
}

QString csvRow(const QStringList &fields)
{
    QStringList out;
    for (const QString &field : fields)
        out.append(csvField(Pages::visible(field)));
    return out.join(u',') + u'\n';
}

QString csvOf(const QString &question, const LookupResult &result, const PageLanguage &words)
{
    const Report report = Report::of(result, QDate::currentDate());
    return csvRow({
        question,
        result.query,
        report.kind,
        report.verdictName,
        result.holder.isEmpty() && result.withheld.contains(u"holder"_qs)
            ? Findings::withheldText(words, result.withheld.value(u"holder"_qs))
            : result.holder,
        result.registrar,
        report.registered,
        report.expires,
        report.verdict.daysLeft ? QString::number(*report.verdict.daysLeft) : QString(),
        result.statuses.join(u' '),
        result.nameServers.join(u' '),
        result.message.isNull() ? QString() : words.render(result.message),
        words.render(result.evidence.message(result.query)),
    });
}

QString csvOf(const Availability::Row &row, const PageLanguage &words)
{
    const bool dated = RdapFields::dateOf(row.expires).isValid();
    return csvRow({ row.extension, row.domain, Report::stateName(row.state), Report::sourceName(row.source),
                    dated ? row.expires : QString(), row.why.isNull() ? QString() : words.render(row.why) });
}

const PageLanguage &userLanguage()
{
    const QByteArray languages = QLocale::system().uiLanguages().join(u',').toUtf8();
    return PageLanguage::forAcceptLanguage(languages.toStdString());
}

} // namespace Cli
