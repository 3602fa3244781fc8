#pragma once

#include <QLabel>

// A picture of the program's own artwork, read when it is first shown: windows that are loaded hidden at
// start-up (the main window, behind the splash window) then cost no picture decoding before the first window.
class ArtLabel : public QLabel
{
    Q_OBJECT
public:
    // size: the size to show the picture at; an empty size keeps the picture's own.
    ArtLabel(QWidget *parent, const char *name, QString art, QSize size = {});

protected:
    void showEvent(QShowEvent *event) override;

private:
    QString m_art;
    QSize m_size;
};
