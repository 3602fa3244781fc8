#pragma once

#include <QObject>
#include <QString>
#include <QUrl>

#include <functional>
#include <memory>

class QWidget;

// What the program is told of the browser's work.
struct BrowserEvents
{
    std::function<void()> downloadBegin; // a download (navigation) starts
    std::function<void()> downloadComplete; // a download ends, stops or fails
    std::function<void(bool &cancel)> navigateError; // a navigation failed; cancel suppresses an error page
    // A page has loaded whose status region (role "status": a lookup's verdict) says this. Told only while a screen
    // reader listens: the engine does not pass such regions on to it.
    std::function<void(const QString &said)> pageStatus;
};

// An embedded web browser. Header-only on purpose: the browser module implements it without linking the program.
class Browser
{
public:
    virtual ~Browser() = default;
    virtual QWidget *widget() = 0;
    // Silent: the browser shows no dialog boxes of its own (script alerts, confirms, prompts, log-ins).
    virtual void setSilent(bool silent) = 0;
    virtual void navigate(const QUrl &url) = 0;
    virtual void goBack() = 0;
    virtual void goForward() = 0;
    // Prints the page shown, asking the user first through the print dialog.
    virtual void print() = 0;
    // The languages that pages are asked for (HTTP Accept-Language, "de" or "de, en"); empty: the system's.
    // Takes effect from the next page load.
    virtual void setLanguage(const QString &languages) = 0;
};

// Makes the browser. Returns null and says why when there is none to be had.
class BrowserFactory
{
public:
    virtual ~BrowserFactory() = default;
    virtual std::unique_ptr<Browser> create(QWidget *parent, BrowserEvents events, QString *error) = 0;
};

// The interface the browser module (a Qt plugin) exports.
class BrowserModule
{
public:
    virtual ~BrowserModule() = default;
    virtual Browser *createBrowser(QWidget *parent, BrowserEvents events) = 0;
};

#define QuelcorBrowserModule_iid "com.vantorel.Quelcor.BrowserModule/1.1"
Q_DECLARE_INTERFACE(BrowserModule, QuelcorBrowserModule_iid)
