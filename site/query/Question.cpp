#include "Question.h"

#include "DomainName.h"

#include <QFile>
#include <QRegularExpression>

namespace {

// A name without extension, as the field may hold it before ".*" or ".{...}".
const QString kLabel = QStringLiteral("[^.\\s{}]+");

// The name in the extensions of a list ("de,fr it"), or in the usual ones when there is no list.
std::optional<ManyExtensions> inExtensions(const QString &label, const QString &list, const QStringList &usual,
                                           Message *why)
{
    const DomainName name = DomainName::fromInput(label);
    if (!name.ok() || name.ace.contains(u'.'))
        return std::nullopt;
    ManyExtensions question { name.ace, {} };
    const QStringList asked
        = list.isNull() ? usual : list.split(QRegularExpression(QStringLiteral("[,;\\s]+")), Qt::SkipEmptyParts);
    for (QString extension : asked) {
        if (extension.startsWith(u'.'))
            extension.remove(0, 1);
        // Each extension as the name under it would be checked: "co.uk" and "рф" too.
        const DomainName checked = DomainName::fromInput(u"x."_qs + extension);
        if (!checked.ok())
            return std::nullopt;
        const QString ace = checked.ace.mid(2);
        if (!question.extensions.contains(ace))
            question.extensions.append(ace);
    }
    if (question.extensions.size() > ManyExtensions::kMost) {
        if (why)
            *why = Message(MessageId::TooManyExtensions, ManyExtensions::kMost);
        return std::nullopt;
    }
    if (question.extensions.isEmpty())
        return std::nullopt;
    return question;
}

} // namespace

QStringList ManyExtensions::usual()
{
    static const QStringList extensions = [] {
        QFile file(QStringLiteral(":/site/usual-extensions.txt"));
        return file.open(QIODevice::ReadOnly) ? Question::linesOf(file.readAll()) : QStringList();
    }();
    return extensions;
}

Question Question::fromInput(const QString &input, const QStringList &usualExtensions)
{
    Question question;
    Message why;
    question.many = manyFromInput(input, usualExtensions, &why);
    if (!question.many)
        question.query = Query::fromInput(input);
    if (!why.isNull()) { // a check the site will not run, said as such
        question.query = Query();
        question.query.error = why;
    }
    return question;
}

std::optional<ManyExtensions> Question::manyFromInput(const QString &input, const QStringList &usualExtensions,
                                                      Message *why)
{
    static const QRegularExpression form(QStringLiteral("^\\s*(") + kLabel
                                         + QStringLiteral(")\\.(?:\\*|\\{([^{}]*)\\})\\s*$"));
    const QRegularExpressionMatch match = form.match(input);
    if (!match.hasMatch())
        return std::nullopt;
    return inExtensions(match.captured(1), match.captured(2), usualExtensions, why);
}

std::optional<ManyExtensions> Question::manyFromParts(const QString &name, const QString &extensions,
                                                      const QStringList &usualExtensions, Message *why)
{
    const QString trimmed = name.trimmed();
    if (trimmed.contains(u'.'))
        return manyFromInput(trimmed, usualExtensions, why);
    static const QRegularExpression label(QRegularExpression::anchoredPattern(kLabel));
    if (!label.match(trimmed).hasMatch() || extensions.contains(u'{') || extensions.contains(u'}'))
        return std::nullopt;
    return inExtensions(trimmed, extensions.isEmpty() ? QString() : extensions, usualExtensions, why);
}

QStringList Question::linesOf(const QByteArray &text)
{
    QStringList entries;
    for (const QByteArray &line : text.split('\n')) {
        const QString entry = QString::fromUtf8(line).trimmed();
        if (!entry.isEmpty() && !entry.startsWith(u'#'))
            entries.append(entry);
    }
    return entries;
}
