#include "WebEngineBrowser.h"

#include "SilentPage.h"
#include "UnreachablePage.h"

#include <QAccessible>
#include <QDir>
#include <QPrintDialog>
#include <QPrinter>
#include <QStandardPaths>
#include <QTimer>
#include <QWebEngineDownloadRequest>
#include <QWebEngineLoadingInfo>
#include <QWebEngineProfile>
#include <QWebEngineScript>
#include <QWebEngineView>

#include <utility>

WebEngineBrowser::WebEngineBrowser(QWidget *parent, BrowserEvents events)
    : m_events(std::move(events))
    , m_view(new QWebEngineView(parent))
{
    m_view->setObjectName(QStringLiteral("WebEngineView"));
    m_page = new SilentPage(m_view);
    m_view->setPage(m_page);
    m_systemLanguages = m_page->profile()->httpAcceptLanguage(); // what the profile took from the system

    // A file that the page offers (a lookup's record) is kept in the user's download folder, under the name the
    // site gives it; a name already there is not overwritten (the engine numbers the new one).
    QObject::connect(m_page->profile(), &QWebEngineProfile::downloadRequested, m_view,
                     [](QWebEngineDownloadRequest *download) {
                         const QString folder = QStandardPaths::writableLocation(QStandardPaths::DownloadLocation);
                         if (folder.isEmpty() || !QDir().mkpath(folder))
                             return download->cancel();
                         download->setDownloadDirectory(folder);
                         download->accept();
                     });
    QObject::connect(m_page, &QWebEnginePage::loadStarted, m_view, [this] {
        if (!m_ownPage && m_events.downloadBegin)
            m_events.downloadBegin();
    });
    // A page that could not be reached (no connection, no such server, refused): once the program has been told as
    // for any failed navigation, a page of the browser's own says so, instead of a blank one. Its own loading is
    // not reported.
    QObject::connect(m_page, &QWebEnginePage::loadingChanged, m_view, [this](const QWebEngineLoadingInfo &info) {
        if (info.status() != QWebEngineLoadingInfo::LoadFailedStatus
            || info.errorDomain() == QWebEngineLoadingInfo::HttpStatusCodeDomain || m_ownPage)
            return;
        QTimer::singleShot(0, m_view, [this, page = info.url()] {
            m_ownPage = true;
            m_page->setHtml(unreachablePage(m_language, page));
        });
    });
    QObject::connect(m_page, &QWebEnginePage::loadFinished, m_view, [this](bool ok) {
        if (std::exchange(m_ownPage, false))
            return;
        if (!ok && m_events.navigateError) {
            // The engine has no error page to show (see SilentPage), so there is nothing left for Cancel to stop.
            bool cancel = false;
            m_events.navigateError(cancel);
        }
        if (m_events.downloadComplete)
            m_events.downloadComplete();
        if (ok && m_events.pageStatus && QAccessible::isActive())
            m_page->runJavaScript(QStringLiteral(R"((function () {
                var s = document.querySelector('[role=status]');
                if (!s) return '';
                s = s.cloneNode(true);
                s.querySelectorAll('[aria-hidden=true]').forEach(function (e) { e.remove(); });
                return s.textContent; })())"),
                                  QWebEngineScript::ApplicationWorld, [this](const QVariant &said) {
                                      if (!said.toString().isEmpty())
                                          m_events.pageStatus(said.toString().simplified());
                                  });
    });
}

void WebEngineBrowser::setLanguage(const QString &languages)
{
    m_language = languages;
    m_page->profile()->setHttpAcceptLanguage(languages.isEmpty() ? m_systemLanguages : languages);
}

WebEngineBrowser::~WebEngineBrowser()
{
    delete m_view.data();
}

QWidget *WebEngineBrowser::widget()
{
    return m_view;
}

void WebEngineBrowser::setSilent(bool silent)
{
    m_page->setSilent(silent);
}

void WebEngineBrowser::navigate(const QUrl &url)
{
    m_ownPage = false;
    m_view->setUrl(url);
}

void WebEngineBrowser::goBack()
{
    m_ownPage = false;
    m_view->back();
}

void WebEngineBrowser::goForward()
{
    m_ownPage = false;
    m_view->forward();
}

void WebEngineBrowser::print()
{
    auto *printer = new QPrinter(QPrinter::HighResolution);
    QPrintDialog dialog(printer, m_view->window());
    if (dialog.exec() != QDialog::Accepted) {
        delete printer;
        return;
    }
    // The engine prints asynchronously; the printer lives until it reports back.
    QObject::connect(
        m_view, &QWebEngineView::printFinished, m_view, [printer](bool) { delete printer; }, Qt::SingleShotConnection);
    m_view->print(printer);
}
