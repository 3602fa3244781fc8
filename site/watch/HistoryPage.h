#pragma once

#include "Watch.h"
#include "pages/PageLanguage.h"
#include "pages/Pages.h"

#include <QString>

// A watched name's history as a page in the visitor's language: what the site saw, newest first, and the
// addresses of the name's calendar, feed and history as JSON, to copy.
Response historyPage(const QString &name, const History &history, const PageLanguage &words);
