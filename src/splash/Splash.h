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
    void Compare_Versions(); // throws VersionCheckFailed; Get_RemoteVersion handles it
    void Timer1_Timer();
    void Timer2_Timer();
    void Text1_Change();
    void Text2_Change();
    void Command1_Click();

    // Controls.
    QLabel *lbl_Description;
    QLabel *lbl_Version;
    QLabel *lbl_Beta;
    QPushButton *Command1;
    Hyperlink *WebLink1;
    // Controls the user never sees: they carry state only.
    QLineEdit *Text1; // the step counter
    QLineEdit *Text2; // the countdown
    QLabel *lbl_LocalVersion;
    QLabel *lbl_RemoteVersion;
    QTimer *Timer1;
    QTimer *Timer2;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString entry(int k);
    void handOver();

    WindowRegistry &m_registry;
    QPixmap m_background;
};
