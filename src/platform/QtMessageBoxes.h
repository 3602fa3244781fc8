#pragma once

#include "MessageBoxes.h"

class QtMessageBoxes : public MessageBoxes
{
public:
    void show(QWidget *parent, const QString &text, Icon icon) override;
};
