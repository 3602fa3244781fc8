#pragma once

#include <QString>

class QUrl;

// The page the browser shows of its own when a page cannot be reached: that it could not be reached, and a button
// (a link to the page) that tries once more. In the language of the shipped drivers' tag (the first of "de, en"),
// English for any other.
QString unreachablePage(const QString &languages, const QUrl &page);
