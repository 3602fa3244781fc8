#pragma once

#include <QString>

class QWidget;

// A message box titled with the program's name, one OK button; returns when the user has closed it.
class MessageBoxes
{
public:
    enum class Icon { Exclamation, Critical };

    virtual ~MessageBoxes() = default;
    virtual void show(QWidget *parent, const QString &text, Icon icon) = 0;
};
