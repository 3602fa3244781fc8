#pragma once

#include "ProgramEnd.h"

class QtProgramEnd : public ProgramEnd
{
public:
    void endProgram() override;
};
