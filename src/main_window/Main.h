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
    QLabel *Image1;
    QLabel *Label1;
    PictureButton *CoolButton5;
    PictureButton *CoolButton4;
    PictureButton *CoolButton3;
    PictureButton *CoolButton1;
    PictureButton *CoolButton2;
    QWidget *WebBrowser1; // holds the browser once it exists
    QFrame *Frame1;
    QLabel *lbl_Connection2;
    QPushButton *Command2;
    QTimer *Timer2;
    QLabel *lbl_Status;
    QLabel *Image2;
    QLabel *lbl_Connection;
    QPushButton *Command1;
    QTimer *Timer1;
    QLineEdit *txt_InitDir;
    QLabel *Label2;
    StringTable lst_Language;

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    bool ensureBrowser();

    WindowRegistry &m_registry;
    std::unique_ptr<Browser> m_browser;
    bool m_shownBefore = false;
};
