#include "tests/support/TestApp.h"

#include "res/ResourceTable.h"

CTestApp::CTestApp()
{
    ResourceTable::ConfigureApplication(*this);
}

const MessageMap* CTestApp::GetThisMessageMap()
{
    using T = CTestApp;
    static const MessageEntry<T> entries[] = {
        OnCommandEntry<T>(kCommandId, &T::OnTestCommand),
    };
    static const TypedMessageMap<T> map(CWinApp::GetThisMessageMap(), entries);
    return &map;
}
