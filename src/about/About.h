#pragma once

#include <QWidget>

class Hyperlink;
class QLabel;
class QPushButton;
class WindowRegistry;

// The about window: product, version, the maker's particulars, the active driver's information, the way to
// the update check window and back to the main window.
class About : public QWidget
{
    Q_OBJECT
public:
    explicit About(WindowRegistry &registry);

    void Form_Load();
    void Get_Language();
    void Command1_Click();
    void Command3_Click();

    // Controls.
    QLabel *Image1;
    QLabel *Label6;
    QLabel *Label12;
    QLabel *lbl_Version;
    QLabel *Label1;
    QLabel *Label2;
    QLabel *Label8;
    QLabel *Label7;
    QLabel *Label5;
    QLabel *lbl_Copyright;
    QLabel *Label3;
    QLabel *Label4;
    QLabel *Label11;
    QLabel *lbl_DRVVersion;
    QLabel *Label9;
    QLabel *lbl_DRVLanguage;
    QLabel *Label10;
    QLabel *lbl_DriverMade;
    QPushButton *Command3;
    Hyperlink *WebLink2;
    Hyperlink *WebLink1;
    QPushButton *Command1;

protected:
    void closeEvent(QCloseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    WindowRegistry &m_registry;
};
