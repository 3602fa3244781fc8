#pragma once

#include "language/StringTable.h"

#include <QWidget>

#include <memory>

class Browser;
class PictureButton;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;
class StatusBar;
class WindowRegistry;

// The main window: the lookup page in the embedded browser under a cover that shows the connection state,
// the picture buttons, and the string table and program directory that the whole program shares.
class Main : public QWidget
{
    Q_OBJECT
public:
    explicit Main(WindowRegistry &registry);
    ~Main() override;

    // The address of the lookup page.
    QUrl lookupPage() const;

    // Handlers and procedures.
    void Form_Load();
    void Set_Language();
    void Get_Language();
    void InternetConnectionExists();
    void Command1_Click();
    void Command2_Click();
    void CoolButton1_Click();
    void CoolButton2_Click();
    void CoolButton3_Click();
    void CoolButton4_Click();
    void CoolButton5_Click();
    void WebBrowser1_DownloadBegin();
    void WebBrowser1_DownloadComplete();
    void WebBrowser1_NavigateError(bool &Cancel);
    void Timer1_Timer();
    void Timer2_Timer();

    // The browser, once the first navigation has made it; null before.
    Browser *browser() const { return m_browser.get(); }

    // Controls.
    QLabel *Image1; // the program logo, top left
    QLabel *Label1; // the product name beside the logo
    PictureButton *CoolButton5; // about window
    PictureButton *CoolButton4; // language chooser
    PictureButton *CoolButton3; // prints the page
    PictureButton *CoolButton1; // browser back
    PictureButton *CoolButton2; // browser forward
    QWidget *WebBrowser1; // holds the browser once it exists
    QFrame *Frame1; // the cover over the browser until the page has arrived
    QLabel *lbl_Connection2; // the connection state, on the cover
    QPushButton *Command2; // "Successivo  >": opens the lookup page
    QTimer *Timer2; // takes the cover away after the page has arrived
    QLabel *lbl_Status; // the browser's status: loading or done
    QLabel *Image2; // the globe beside the connection state
    QLabel *lbl_Connection; // the connection state, bottom line
    QPushButton *Command1; // ends the program
    QTimer *Timer1; // checks the connection every two seconds
    QLineEdit *txt_InitDir; // the program directory, unseen
    QLabel *Label2; // caption "InitDir" of the program directory, unseen
    StringTable lst_Language; // the installed driver's texts by entry; every window reads them through the registry

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    bool ensureBrowser();
    void askPagesInTheDriversLanguage();

    WindowRegistry &m_registry;
    std::unique_ptr<Browser> m_browser;
    bool m_shownBefore = false;
    StatusBar *m_statusBar; // holds lbl_Status, Image2 and lbl_Connection
};
