#include "About.h"

#include "app/Controls.h"
#include "app/Twips.h"
#include "app/WindowRegistry.h"
#include "main_window/Main.h"

#include <QCloseEvent>

About::About(WindowRegistry &registry)
    : m_registry(registry)
{
    setObjectName(QStringLiteral("About"));
    setWindowTitle(QStringLiteral(":: Vantorel ::"));
    setFixedSize(px(6480), px(4185));
    Controls::setBackground(this, Qt::black);
    Controls::centreOnScreen(this);
}

void About::closeEvent(QCloseEvent *event)
{
    event->accept();
    m_registry.unload(WindowRegistry::Form::About);
    m_registry.main().setWindowState(Qt::WindowNoState);
    m_registry.main().show();
}
