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
    QLabel *Image1; // the program logo, top left
    QLabel *Label6; // "Quelcor", the product name beside the logo
    QLabel *Label12; // caption "Product version"
    QLabel *lbl_Version; // the installed version, " BETA" added for major 0
    QLabel *Label1; // caption "Created by"
    QLabel *Label2; // the author's name
    QLabel *Label8; // caption "e-Mail"
    QLabel *Label7; // the maker's e-mail address
    QLabel *Label5; // caption "Developed by"
    QLabel *lbl_Copyright; // the copyright string
    QLabel *Label3; // caption "Page product"
    QLabel *Label4; // the product page's address
    QLabel *Label11; // caption "Language driver version"
    QLabel *lbl_DRVVersion; // the installed driver's version (entry 3)
    QLabel *Label9; // caption "Language"
    QLabel *lbl_DRVLanguage; // the installed driver's language (entry 4)
    QLabel *Label10; // caption "Driver made by"
    QLabel *lbl_DriverMade; // the driver's author (entry 2)
    QPushButton *Command3; // "Brisvane...": opens the update window
    Hyperlink *WebLink2; // "Forum": the maker's forum page
    Hyperlink *WebLink1; // "Spedire un bug report...": the bug report page
    QPushButton *Command1; // "&Chiudi": closes, back to the main window

protected:
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    // The facts as screen readers read them when the window opens: each caption with its value, in screen order.
    void describe();
    QList<std::pair<QLabel *, QLabel *>> facts() const;

    WindowRegistry &m_registry;
};
