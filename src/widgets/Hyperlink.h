#pragma once

#include <QLabel>
#include <QUrl>

class LinkOpener;

// A link with a caption that opens its preset address in the user's web browser when clicked (or, with
// the keyboard, on Enter or Space). The click reaches no handler of the program; a hidden link cannot be
// clicked. The address never changes. Underlined in the colour its window gives it, with a dotted frame
// while it has the keyboard focus; screen readers know it as a link that can be pressed.
class Hyperlink : public QLabel
{
    Q_OBJECT
public:
    Hyperlink(QWidget *parent, const char *name, const QString &caption, QUrl url, LinkOpener &opener);

    QUrl url() const { return m_url; }
    void setCaption(const QString &caption);
    void setColour(const QColor &colour);
    // What a click does.
    void follow();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    QUrl m_url;
    LinkOpener &m_opener;
};
