#pragma once

#include "framework/MessageMap.h"

// Every object that can receive commands: windows and the application.
class CCmdTarget
{
public:
    virtual ~CCmdTarget() = default;

    // The class's own map; a derived class with entries overrides both.
    virtual const MessageMap* GetMessageMap() const { return GetThisMessageMap(); }
    static const MessageMap* GetThisMessageMap();

    // Walks this object's map chain from the most derived map to the base;
    // true when a handler ran.
    bool DispatchMessage(const Message& msg, LRESULT& result);
};
