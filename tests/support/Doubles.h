#pragma once

// Test doubles for every part of the platform seam. They record what the program asked of them and never block.

#include "platform/Browser.h"
#include "platform/ConnectionState.h"
#include "platform/LinkOpener.h"
#include "platform/MessageBoxes.h"
#include "platform/Platform.h"
#include "platform/ProgramEnd.h"
#include "platform/TextFetcher.h"

#include <QList>
#include <QPointer>
#include <QStringList>
#include <QWidget>

class FakeConnection : public ConnectionState
{
public:
    int result = 1;
    int calls = 0;
    int InternetGetConnectedState() override
    {
        ++calls;
        return result;
    }
};

class FakeFetcher : public TextFetcher
{
public:
    QList<FetchResult> replies; // handed out in order; an empty queue fails the fetch
    QList<QUrl> requested;
    FetchResult fetch(const QUrl &url) override
    {
        requested.append(url);
        if (replies.isEmpty())
            return { false, {}, QStringLiteral("no reply prepared") };
        return replies.takeFirst();
    }
};

class FakeBrowser : public Browser
{
public:
    explicit FakeBrowser(QWidget *parent, BrowserEvents events)
        : events(std::move(events))
        , m_widget(new QWidget(parent))
    {
        m_widget->setObjectName(QStringLiteral("FakeBrowserView"));
    }
    ~FakeBrowser() override { delete m_widget.data(); }

    QWidget *widget() override { return m_widget; }
    void setSilent(bool s) override { silent = s; }
    void navigate(const QUrl &url) override { navigated.append(url); }
    void goBack() override { ++backs; }
    void goForward() override { ++forwards; }
    void print() override { ++prints; }
    void setLanguage(const QString &l) override { language = l; }

    BrowserEvents events;
    bool silent = false;
    QList<QUrl> navigated;
    int backs = 0;
    int forwards = 0;
    int prints = 0;
    QString language;

private:
    QPointer<QWidget> m_widget;
};

class FakeBrowserFactory : public BrowserFactory
{
public:
    bool available = true;
    FakeBrowser *last = nullptr; // owned by the window that asked for it
    int created = 0;
    std::unique_ptr<Browser> create(QWidget *parent, BrowserEvents events, QString *error) override
    {
        if (!available) {
            if (error)
                *error = QStringLiteral("the browser module is missing");
            return nullptr;
        }
        ++created;
        auto browser = std::make_unique<FakeBrowser>(parent, std::move(events));
        last = browser.get();
        return browser;
    }
};

class FakeMessageBoxes : public MessageBoxes
{
public:
    struct Shown
    {
        QString text;
        Icon icon;
    };
    QList<Shown> shown;
    void show(QWidget *, const QString &text, Icon icon) override { shown.append({ text, icon }); }
};

class FakeProgramEnd : public ProgramEnd
{
public:
    int ends = 0;
    void endProgram() override { ++ends; }
};

class FakeLinkOpener : public LinkOpener
{
public:
    QList<QUrl> opened;
    void open(const QUrl &url) override { opened.append(url); }
};

// All doubles in one place, and the Platform that hands them to the windows.
struct TestPlatform
{
    FakeConnection connection;
    FakeFetcher fetcher;
    FakeBrowserFactory browsers;
    FakeMessageBoxes messages;
    FakeProgramEnd end;
    FakeLinkOpener links;
    VersionInfo version { 1,
                          0,
                          2004,
                          QStringLiteral("Vantorel (c) 2004"),
                          QStringLiteral("Author Name"),
                          QStringLiteral("author@example.net") };
    QUrl server { QStringLiteral("http://127.0.0.1:9") };

    Platform platform() { return Platform { connection, fetcher, browsers, messages, end, links, version, server }; }
};
