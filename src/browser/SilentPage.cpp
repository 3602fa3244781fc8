#include "SilentPage.h"

#include <QAuthenticator>
#include <QWebEngineSettings>

SilentPage::SilentPage(QObject *parent)
    : QWebEnginePage(parent)
{
    // A failed navigation leaves the page as it was: the engine shows no error page of its own.
    settings()->setAttribute(QWebEngineSettings::ErrorPageEnabled, false);
    connect(this, &QWebEnginePage::authenticationRequired, this, [this](const QUrl &, QAuthenticator *auth) {
        if (m_silent)
            *auth = QAuthenticator(); // a null authenticator cancels the request
    });
    connect(this, &QWebEnginePage::proxyAuthenticationRequired, this,
            [this](const QUrl &, QAuthenticator *auth, const QString &) {
                if (m_silent)
                    *auth = QAuthenticator();
            });
}

void SilentPage::javaScriptAlert(const QUrl &origin, const QString &message)
{
    if (!m_silent)
        QWebEnginePage::javaScriptAlert(origin, message);
}

bool SilentPage::javaScriptConfirm(const QUrl &origin, const QString &message)
{
    return m_silent ? false : QWebEnginePage::javaScriptConfirm(origin, message);
}

bool SilentPage::javaScriptPrompt(const QUrl &origin, const QString &message, const QString &defaultValue,
                                  QString *result)
{
    return m_silent ? false : QWebEnginePage::javaScriptPrompt(origin, message, defaultValue, result);
}

QStringList SilentPage::chooseFiles(FileSelectionMode mode, const QStringList &oldFiles,
                                    const QStringList &acceptedMimeTypes)
{
    return m_silent ? QStringList() : QWebEnginePage::chooseFiles(mode, oldFiles, acceptedMimeTypes);
}
