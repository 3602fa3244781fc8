#include "Accessibility.h"

#include "Hyperlink.h"

#include <QAccessibleWidget>

namespace {

const char kWindowRole[] = "quelcorAccessibleRole";

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
            return new QAccessibleWidget(widget, QAccessible::Role(role.toInt()));
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

} // namespace Accessibility
