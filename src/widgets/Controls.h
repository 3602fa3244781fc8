#pragma once

#include <QColor>
#include <QFont>
#include <QString>

class QAbstractButton;
class QLabel;
class QPushButton;
class QTimer;
class QWidget;

// Small helpers that give the windows' controls the looks they are drawn with.
namespace Controls {

// The typefaces the windows name; the program maps them to metric-compatible faces where they are missing.
QFont msSansSerif(qreal points, bool bold = false);
QFont arial(qreal points, bool bold = false, bool italic = false);
QFont timesNewRoman(qreal points, bool bold = false);
void installFontSubstitutes();

// A label that takes the size of its caption when it is marked auto-sized.
QLabel *label(QWidget *parent, const char *name, const QString &text, const QColor &colour, bool autoSize);
void setCaption(QLabel *label, const QString &text);
void setTextColour(QWidget *widget, const QColor &colour);
// A label's text that Tab reaches, to be read and copied from the keyboard (it is not a link): while it has the
// focus, a dotted frame in the text's colour shows it, as on a link.
void makeReachable(QLabel *label);
// While the label has the keyboard focus, a dotted frame in its text's colour shows it (links, reachable text).
void showFocusFrame(QLabel *label);

// A push button that Space and Enter press when it has the focus.
QPushButton *button(QWidget *parent, const char *name, const QString &text);
// Enter and Return press the button when it has the focus, as Space does.
void pressOnEnter(QAbstractButton *button);
// Enables a timer as a design's timer is enabled: one that runs already keeps its rhythm, not restarted.
void enable(QTimer *timer);
// A window's background colour.
void setBackground(QWidget *widget, const QColor &colour);
// Centres a window on the screen it is on.
void centreOnScreen(QWidget *window);

} // namespace Controls
