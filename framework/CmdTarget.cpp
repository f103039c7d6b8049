#include "framework/CmdTarget.h"

const MessageMap* CCmdTarget::GetThisMessageMap()
{
    static const TypedMessageMap<CCmdTarget> map(nullptr);
    return &map;
}

bool CCmdTarget::DispatchMessage(const Message& msg, LRESULT& result)
{
    for (const MessageMap* map = GetMessageMap(); map; map = map->Base()) {
        if (map->DispatchOwn(*this, msg, result))
            return true;
    }
    return false;
}
