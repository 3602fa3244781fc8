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
    void Compare_Versions(); // throws on a failure, which the query handles
    void Command2_Click();
    void cmd_Close_Click();

    // Controls.
    QLabel *Image1;
    QLabel *lbl_Opzioni;
    QLabel *lbl_Description;
    QLabel *lbl_Local;
    QLabel *lbl_LocalVersion;
    QLabel *lbl_Remote;
    QLabel *lbl_RemoteVersion;
    Hyperlink *cmd_PageProduct;
    QPushButton *cmd_Close;
    QPushButton *Command2;
    QPushButton *Command1;

protected:
    void closeEvent(QCloseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    WindowRegistry &m_registry;
    bool m_querying = false; // a query is on the stack, waiting for its reply
    bool m_closedWhileQuerying = false;
};
