#pragma once

#include "framework/WinApp.h"

// The application object of a GUI test that brings none of its own. Its
// map counts the command kCommandId, so tests can see commands reach the
// application.
class CTestApp : public CWinApp
{
public:
    static constexpr UINT kCommandId = 3900;

    CTestApp();

    const MessageMap* GetMessageMap() const override { return GetThisMessageMap(); }
    static const MessageMap* GetThisMessageMap();

    int m_nCommands = 0;

private:
    void OnTestCommand() { ++m_nCommands; }
};
