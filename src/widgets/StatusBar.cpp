#include "StatusBar.h"

#include "Accessibility.h"

#include <QLabel>

StatusBar::StatusBar(QWidget *window, const char *name, QRect geometry)
    : QWidget(window)
    , m_notice(new QLabel(this))
{
    setObjectName(QLatin1String(name));
    setGeometry(geometry);
    Accessibility::setRole(this, QAccessible::StatusBar);
    m_notice->setObjectName(QStringLiteral("notice"));
    m_notice->setGeometry(0, 0, 0, 0);
    m_notice->setVisible(false);
    Accessibility::setRole(m_notice, QAccessible::Notification);
}

void StatusBar::announce(const QWidget *label, const QString &text)
{
    QString &told = m_told[label];
    if (text == told)
        return;
    told = text;
    if (text.isEmpty() || !window()->isVisible())
        return;
    // Shown again, the notice is what screen readers hear.
    m_notice->hide();
    m_notice->setText(text);
    m_notice->show();
}
