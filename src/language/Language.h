#pragma once

#include "FileList.h"

#include <QPixmap>
#include <QWidget>

class FolderList;
class QLabel;
class QPushButton;
class WindowRegistry;

// The language chooser: browse the language folder, see each language's flag, install its driver.
// With the first-run marker START.1ST present it works in its first-run mode: fixed English texts, and
// Cancel ends the program.
class Language : public QWidget
{
    Q_OBJECT
public:
    explicit Language(WindowRegistry &registry);

    void Form_Load();
    void Form_Unload();
    void Get_Language();
    void Get_Flag();
    void Dir1_Change();
    void Command1_Click();
    void Change_Language();
    void Command2_Click();
    void Command3_Click();
    void cmd_Refresh_Click();

    // The window's background picture, drawn at the top left under all controls.
    QPixmap background() const { return m_background; }

    // Controls.
    QLabel *lbl_Lingua;
    QLabel *lbl_Seleziona;
    FolderList *Dir1;
    QLabel *Image3;
    QPushButton *cmd_Refresh;
    QPushButton *Command1;
    QPushButton *Command2;
    QPushButton *Command3;
    QLabel *img_Flag;
    FileList File1 { QStringLiteral("*.drv") };
    FileList File2 { QStringLiteral("*.jpg") };
    QPixmap Picture1; // holds the loaded picture for img_Flag

protected:
    void closeEvent(QCloseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    QString programDir() const;
    void showPicture(const QString &file);

    WindowRegistry &m_registry;
    QPixmap m_background;
};
