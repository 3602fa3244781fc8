#pragma once

#include <QToolButton>

// A square button that shows a 48 x 48 picture on the window's colour, with a tooltip and a click.
// Its accessible name follows the tooltip, so screen readers can name it in every language. Space or Return
// presses it when it has the focus, as they press the window's other buttons.
class PictureButton : public QToolButton
{
    Q_OBJECT
public:
    // picture: the name of one of the program's pictures
    PictureButton(QWidget *parent, const char *name, const QString &picture);

    void setTip(const QString &text);

protected:
    // The picture is read when the button is first shown.
    void showEvent(QShowEvent *event) override;

private:
    QString fallbackName() const;
    QString m_picture;
};
