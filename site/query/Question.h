#pragma once

#include "Query.h"

#include <QString>
#include <QStringList>

#include <optional>

// A name asked in many extensions at once: in which it is still free.
struct ManyExtensions
{
    QString name; // one label, A-labels ("xn--caf-dma")
    QStringList extensions; // without the dot, A-labels, each once
    static constexpr int kMost = 50; // extensions checked at once

    // The extensions asked when the question names none: widely used ones (usual-extensions.txt); an operator sets
    // others.
    static QStringList usual();
};

// What the lookup form's one field holds, read once: a name in many extensions, or one query. The page, the API
// and the command line start from it.
struct Question
{
    std::optional<ManyExtensions> many; // "quelcor.*", "quelcor.{de,fr,it}"; no value: the query
    Query query; // anything else (see Query::fromInput), when not many

    static Question fromInput(const QString &input, const QStringList &usualExtensions);

    // "quelcor.*": the name in the usual extensions; "quelcor.{de,fr,it}" (or "quelcor.{de fr it}"): in those. No
    // value for a field that is neither, or names more than kMost extensions (then *why says so).
    static std::optional<ManyExtensions> manyFromInput(const QString &input, const QStringList &usualExtensions,
                                                       Message *why = nullptr);
    // A name and its extensions as the API and the command line take them apart: "quelcor" and "de,fr,it" (empty:
    // the usual ones). A name given with its extensions ("quelcor.{de,fr}") is read as the field reads it.
    static std::optional<ManyExtensions> manyFromParts(const QString &name, const QString &extensions,
                                                       const QStringList &usualExtensions, Message *why = nullptr);

    // The entries of a list file (questions, extensions), one a line in UTF-8: trimmed, blank lines and lines
    // starting with # skipped.
    static QStringList linesOf(const QByteArray &text);
};
