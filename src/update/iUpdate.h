#pragma once

#include <QWidget>

class Hyperlink;
class QLabel;
class QPushButton;
class WindowRegistry;

// The update check window: on demand, fetches the published version and compares it with the installed
// one, then offers the product page (newer) or a close button (up to date).
class iUpdate : public QWidget
{
    Q_OBJECT
public:
    explicit iUpdate(WindowRegistry &registry);

    void Form_Load();
    void Get_Language();
    void Command1_Click();
    bool Compare_Versions(); // false when either text is no version
    void Command2_Click();
    void cmd_Close_Click();

    // Controls.
    QLabel *Image1; // the update picture, top left
    QLabel *lbl_Opzioni; // the heading, "Brisvane"
    QLabel *lbl_Description; // what the check will do, then its answer
    QLabel *lbl_Local; // caption "Versione in locale:"
    QLabel *lbl_LocalVersion; // the installed version
    QLabel *lbl_Remote; // caption "Versione in Internet:"
    QLabel *lbl_RemoteVersion; // the published version, once fetched
    Hyperlink *cmd_PageProduct; // the download page, shown when a newer version is out
    QPushButton *cmd_Close; // shown when the installed version is current
    QPushButton *Command2; // "&Annulla": closes the window
    QPushButton *Command1; // "Consulta server  >>": runs the check

protected:
    void closeEvent(QCloseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    WindowRegistry &m_registry;
    bool m_querying = false; // a query is on the stack, waiting for its reply
    bool m_closedWhileQuerying = false;
};
