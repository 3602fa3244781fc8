#include "Accessibility.h"

#include "Hyperlink.h"

#include <QAccessibleWidget>
#include <QLabel>

namespace {

const char kWindowRole[] = "quelcorAccessibleRole";
const char kDecorative[] = "quelcorDecorative";
const char kDescribedBy[] = "quelcorDescribedBy";
const char kRole[] = "quelcorRole";

// A window, or a widget in a role other than its class's: its role, and its children without the pictures that
// only decorate them. A label keeps its text as its name; a window may take its description from a label.
class OwnInterface : public QAccessibleWidget
{
public:
    OwnInterface(QWidget *widget, QAccessible::Role role)
        : QAccessibleWidget(widget, role)
    {
    }

    int childCount() const override { return int(children().size()); }

    QString text(QAccessible::Text kind) const override
    {
        const QString by = widget()->property(kDescribedBy).toString();
        if (kind == QAccessible::Description && !by.isEmpty()) {
            auto *label = widget()->findChild<QLabel *>(by);
            return label && label->isVisibleTo(widget()) ? label->text() : QString();
        }
        auto *label = qobject_cast<QLabel *>(widget());
        if (kind == QAccessible::Name && label && widget()->accessibleName().isEmpty())
            return label->text();
        return QAccessibleWidget::text(kind);
    }

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
            return new OwnInterface(widget, QAccessible::Role(role.toInt()));
        const QVariant own = widget->property(kRole);
        if (!widget->isWindow() && own.isValid())
            return new OwnInterface(widget, QAccessible::Role(own.toInt()));
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

void setDescribedBy(QWidget *window, QWidget *label)
{
    window->setProperty(kDescribedBy, label->objectName());
}

void setRole(QWidget *widget, QAccessible::Role role)
{
    widget->setProperty(kRole, int(role));
}

} // namespace Accessibility
