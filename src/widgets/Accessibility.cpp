#include "Accessibility.h"

#include "Hyperlink.h"

#include <QAccessibleWidget>

namespace {

const char kWindowRole[] = "quelcorAccessibleRole";
const char kDecorative[] = "quelcorDecorative";

// A window: its role, and its children without the pictures that only decorate it.
class WindowInterface : public QAccessibleWidget
{
public:
    WindowInterface(QWidget *window, QAccessible::Role role)
        : QAccessibleWidget(window, role)
    {
    }

    int childCount() const override { return int(children().size()); }

    QAccessibleInterface *child(int index) const override
    {
        const QList<QWidget *> shown = children();
        return index >= 0 && index < shown.size() ? QAccessible::queryAccessibleInterface(shown[index]) : nullptr;
    }

    int indexOfChild(const QAccessibleInterface *child) const override
    {
        if (!child || !child->object() || !child->object()->isWidgetType())
            return -1;
        return int(children().indexOf(static_cast<QWidget *>(child->object())));
    }

private:
    // As Qt counts a widget's children (no windows, no menus), less the decorative ones.
    QList<QWidget *> children() const
    {
        QList<QWidget *> out;
        for (QWidget *child : widget()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
            if (!child->isWindow() && !child->inherits("QMenu") && !child->inherits("QFocusFrame")
                && child->objectName() != QLatin1String("qt_rubberband") && !child->property(kDecorative).toBool())
                out.append(child);
        }
        return out;
    }
};

// A hyperlink: its caption as its name, its address as its value, and a press action that follows it.
class LinkInterface : public QAccessibleWidget
{
public:
    explicit LinkInterface(Hyperlink *link)
        : QAccessibleWidget(link, QAccessible::Link)
    {
    }

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Value)
            return link()->url().toString();
        return QAccessibleWidget::text(kind);
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.linked = true;
        return s;
    }

    QStringList actionNames() const override
    {
        return QStringList { pressAction() } + QAccessibleWidget::actionNames();
    }

    void doAction(const QString &action) override
    {
        if (action == pressAction())
            link()->follow();
        else
            QAccessibleWidget::doAction(action);
    }

private:
    Hyperlink *link() const { return static_cast<Hyperlink *>(widget()); }
};

QAccessibleInterface *interfaceFor(const QString &, QObject *object)
{
    if (auto *link = qobject_cast<Hyperlink *>(object))
        return new LinkInterface(link);
    if (object && object->isWidgetType()) {
        auto *widget = static_cast<QWidget *>(object);
        const QVariant role = widget->property(kWindowRole);
        if (widget->isWindow() && role.isValid())
            return new WindowInterface(widget, QAccessible::Role(role.toInt()));
    }
    return nullptr;
}

} // namespace

namespace Accessibility {

void install()
{
    static bool installed = false;
    if (!installed)
        QAccessible::installFactory(interfaceFor);
    installed = true;
}

void setWindowRole(QWidget *window, QAccessible::Role role)
{
    window->setProperty(kWindowRole, int(role));
}

void setDecorative(QWidget *picture)
{
    picture->setProperty(kDecorative, true);
}

} // namespace Accessibility
