#include "Controls.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

namespace Controls {

namespace {
const char *const kAutoSize = "quelcorAutoSize";

QFont font(const QString &family, qreal points, bool bold, bool italic = false)
{
    QFont f(family);
    f.setPointSizeF(points);
    f.setBold(bold);
    f.setItalic(italic);
    return f;
}

// Draws the focus frame before the label draws its text, which does not fill its background.
class FocusFrame : public QObject
{
public:
    using QObject::QObject;
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *label = static_cast<QLabel *>(watched);
        if (event->type() == QEvent::Paint && label->hasFocus()) {
            QPainter painter(label);
            painter.setPen(QPen(label->palette().color(QPalette::WindowText), 1, Qt::DotLine));
            painter.drawRect(label->rect().adjusted(0, 0, -1, -1));
        }
        return false;
    }
};
} // namespace

QFont msSansSerif(qreal points, bool bold)
{
    return font(QStringLiteral("MS Sans Serif"), points, bold);
}

QFont arial(qreal points, bool bold, bool italic)
{
    return font(QStringLiteral("Arial"), points, bold, italic);
}

QFont timesNewRoman(qreal points, bool bold)
{
    return font(QStringLiteral("Times New Roman"), points, bold);
}

void installFontSubstitutes()
{
    // Liberation Sans and Serif have the metrics of Arial and Times New Roman, so captions fit as designed.
    QFont::insertSubstitutions(
        QStringLiteral("MS Sans Serif"),
        { QStringLiteral("Liberation Sans"), QStringLiteral("Arial"), QStringLiteral("Sans Serif") });
    QFont::insertSubstitutions(QStringLiteral("Arial"),
                               { QStringLiteral("Liberation Sans"), QStringLiteral("Sans Serif") });
    QFont::insertSubstitutions(QStringLiteral("Times New Roman"),
                               { QStringLiteral("Liberation Serif"), QStringLiteral("Serif") });
}

QLabel *label(QWidget *parent, const char *name, const QString &text, const QColor &colour, bool autoSize)
{
    auto *l = new QLabel(parent);
    l->setObjectName(QLatin1String(name));
    l->setProperty(kAutoSize, autoSize);
    setTextColour(l, colour);
    setCaption(l, text);
    return l;
}

void setCaption(QLabel *label, const QString &text)
{
    label->setText(text);
    if (label->property(kAutoSize).toBool())
        label->adjustSize();
}

void makeReachable(QLabel *label)
{
    label->setTextInteractionFlags(Qt::TextSelectableByKeyboard);
    label->setFocusPolicy(Qt::TabFocus);
    showFocusFrame(label);
}

void showFocusFrame(QLabel *label)
{
    label->installEventFilter(new FocusFrame(label));
}

void setTextColour(QWidget *widget, const QColor &colour)
{
    QPalette p = widget->palette();
    p.setColor(QPalette::WindowText, colour);
    widget->setPalette(p);
}

namespace {
// Enter and Return press the focused button, as Space does (a push button outside a dialog, or a tool button,
// takes only Space by itself).
class EnterPresses : public QObject
{
public:
    using QObject::QObject;

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto *key = static_cast<QKeyEvent *>(event);
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
        if (!enter || modifiers != Qt::NoModifier || key->isAutoRepeat())
            return false;
        static_cast<QAbstractButton *>(watched)->animateClick();
        return true;
    }
};
} // namespace

QPushButton *button(QWidget *parent, const char *name, const QString &text)
{
    auto *b = new QPushButton(text, parent);
    b->setObjectName(QLatin1String(name));
    b->setAutoDefault(false);
    pressOnEnter(b);
    return b;
}

void pressOnEnter(QAbstractButton *button)
{
    button->installEventFilter(new EnterPresses(button));
}

void enable(QTimer *timer)
{
    if (!timer->isActive())
        timer->start();
}

void setBackground(QWidget *widget, const QColor &colour)
{
    QPalette p = widget->palette();
    p.setColor(QPalette::Window, colour);
    widget->setPalette(p);
    widget->setAutoFillBackground(true);
}

void centreOnScreen(QWidget *window)
{
    QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->geometry();
    window->move(area.x() + (area.width() - window->width()) / 2, area.y() + (area.height() - window->height()) / 2);
}

} // namespace Controls
