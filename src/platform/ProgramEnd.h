#pragma once

// Ends the program at once: no window is asked to close, nothing is saved.
class ProgramEnd
{
public:
    virtual ~ProgramEnd() = default;
    virtual void endProgram() = 0;
};
