#pragma once

#include "platform/Browser.h"

#include <QPointer>

class QWebEngineView;
class SilentPage;

// The embedded browser on Qt WebEngine.
class WebEngineBrowser : public Browser
{
public:
    WebEngineBrowser(QWidget *parent, BrowserEvents events);
    ~WebEngineBrowser() override;

    QWidget *widget() override;
    void setSilent(bool silent) override;
    void navigate(const QUrl &url) override;
    void goBack() override;
    void goForward() override;
    void print() override;
    void setLanguage(const QString &languages) override;

private:
    BrowserEvents m_events;
    QPointer<QWebEngineView> m_view;
    SilentPage *m_page = nullptr;
    QString m_systemLanguages;
    QString m_language; // what setLanguage() was given: the own page's language
    bool m_ownPage = false; // the page of the browser's own is loading
};
