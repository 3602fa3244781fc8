#pragma once

#include <QTest>
#include <QWidget>

// Finds a control by its object name and fails the test loudly when it is missing.
template<typename T = QWidget> T *control(QWidget *window, const char *name)
{
    T *found = window->findChild<T *>(QLatin1String(name));
    if (!found)
        qFatal("control %s not found in %s", name, qPrintable(window->objectName()));
    return found;
}
