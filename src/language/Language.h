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
    QLabel *lbl_Lingua; // the heading, "Choose your language!"
    QLabel *lbl_Seleziona; // caption of the folder list, "Languages"
    FolderList *Dir1; // the language folders
    QLabel *Image3; // the language picture, top left
    QPushButton *cmd_Refresh; // reads the folders on disk again
    QPushButton *Command1; // "&OK": installs the driver of the open folder
    QPushButton *Command2; // "&Cancel" of a later change: back to the main window
    QPushButton *Command3; // "&Cancel" of the first run: ends the program
    QLabel *img_Flag; // the open folder's flag picture
    FileList File1 { QStringLiteral("*.drv") }; // the drivers in the open folder, unseen
    FileList File2 { QStringLiteral("*.jpg") }; // the pictures in the open folder, unseen
    QPixmap Picture1; // holds the loaded picture for img_Flag

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    QString programDir() const;
    void showPicture(const QString &file);

    WindowRegistry &m_registry;
    QPixmap m_background;
};
