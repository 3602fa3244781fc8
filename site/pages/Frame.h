#pragma once

// What the site's pages share, inside the pages: the frame around every page's content.

#include "PageLanguage.h"
#include "Pages.h"

#include <QByteArray>
#include <QString>

#include <string>

namespace Frame {

extern const char kLookupTitle[];

// The page around its content, in the language: its title, the lookup field holding what was typed. describedBy:
// the element of the content that describes the lookup field (a lookup's verdict), if any.
QByteArray page(const PageLanguage &words, const QString &title, const QString &typed, const std::string &content,
                const char *describedBy = nullptr);

Response html(const QByteArray &body, int status = 200);

} // namespace Frame
