#pragma once

// Whether the computer has an internet connection. Only the result 1 means connected.
class ConnectionState
{
public:
    virtual ~ConnectionState() = default;
    virtual int InternetGetConnectedState() = 0;
};
