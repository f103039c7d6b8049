#pragma once

#include "framework/WinApp.h"

// The application: runs the main window modally, then lets the process end.
class CDirectoryApp : public CWinApp
{
public:
    CDirectoryApp();

    BOOL InitInstance() override;

    const MessageMap* GetMessageMap() const override { return GetThisMessageMap(); }
    static const MessageMap* GetThisMessageMap();
};
