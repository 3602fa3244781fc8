#pragma once

#include <QPixmap>
#include <QWidget>

class Hyperlink;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;
class WindowRegistry;

// The start-up window: the installed version and a status text; three seconds in, the check for a newer
// published version; then the hand-over to the main window. Two one-second timers drive two counters,
// and every change of a counter's value runs its change handler.
class Splash : public QWidget
{
    Q_OBJECT
public:
    explicit Splash(WindowRegistry &registry);

    void Form_Load();
    void Get_Language();
    void Get_RemoteVersion();
    bool Compare_Versions(); // false when either text is no version
    void Timer1_Timer();
    void Timer2_Timer();
    void Text1_Change();
    void Text2_Change();
    void Command1_Click();

    // Controls.
    QLabel *lbl_Description; // what the check is doing, or that a newer version is out
    QLabel *lbl_Version; // "v." and the installed version
    QLabel *lbl_Beta; // " b e t a", shown for major 0
    QPushButton *Command1; // "&Continuare  >", with the countdown when a newer version is out
    Hyperlink *WebLink1; // "Download...", shown when a newer version is out
    // Controls the user never sees: they carry state only.
    QLineEdit *Text1; // the step counter
    QLineEdit *Text2; // the countdown
    QLabel *lbl_LocalVersion; // the installed version text
    QLabel *lbl_RemoteVersion; // the published version text
    QTimer *Timer1; // steps Text1, once a second
    QTimer *Timer2; // counts Text2 down, once a second

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString entry(int k);
    void handOver();

    WindowRegistry &m_registry;
    QPixmap m_background;
};
