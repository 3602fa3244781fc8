#pragma once

#include <QAccessible>

class QWidget;

// What screen readers are told of the program's own kinds of widgets, beyond what Qt tells by itself:
// a hyperlink is a link that can be pressed, and each window says whether it is a main window or a dialog.
namespace Accessibility {

// Once, with the application: makes the program's widgets known to the accessibility framework.
void install();
// A window's role: QAccessible::Window for a main window, QAccessible::Dialog for one that is opened from
// another and closed again.
void setWindowRole(QWidget *window, QAccessible::Role role);
// A picture that only decorates: kept out of what screen readers are told (its window leaves it out of its children;
// a window so marked must have its role set).
void setDecorative(QWidget *picture);
// A window's description is the text of one of its labels (the words a sighted user reads first): screen readers
// read it as the window opens.
void setDescribedBy(QWidget *window, QWidget *label);
// A widget other than a window takes the given role (a status bar, a notification) in place of its class's own.
void setRole(QWidget *widget, QAccessible::Role role);

} // namespace Accessibility
