#include "QtProgramEnd.h"

#include <QCoreApplication>

// exit(), not quit(): quit() first offers every window a close event, and ending must not run any handler.
// exit() also leaves every nested event loop (a message box, a fetch), so nothing runs on afterwards.
void QtProgramEnd::endProgram()
{
    QCoreApplication::exit(0);
}
