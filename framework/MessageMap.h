#pragma once

#include <cstddef>
#include <variant>

#include "base/Types.h"

class CCmdTarget;

// One message as the framework routes it. For WM_COMMAND, nCode is the
// notification (BN_CLICKED, LBN_SELCHANGE, LBN_DBLCLK) and nId the control
// or command id; other messages carry their wParam and lParam.
struct Message
{
    UINT nMessage = 0;
    UINT nCode = 0;
    UINT nId = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
};

// A class's message map: its own entries plus a link to its base class's map.
// Dispatch walks from the most derived map to the base maps.
class MessageMap
{
public:
    constexpr explicit MessageMap(const MessageMap* pBase)
        : m_pBase(pBase)
    {
    }
    virtual ~MessageMap() = default;

    const MessageMap* Base() const { return m_pBase; }
    // Runs the handler this map (not its bases) holds for msg, if any.
    virtual bool DispatchOwn(CCmdTarget& target, const Message& msg, LRESULT& result) const = 0;

private:
    const MessageMap* m_pBase;
};

// One typed entry of class T's map.
template <class T> struct MessageEntry
{
    using VoidHandler = void (T::*)();
    using SysCommandHandler = void (T::*)(UINT, LPARAM);
    using IconHandler = HCURSOR (T::*)();

    UINT nMessage;
    UINT nCode;
    UINT nId;
    std::variant<VoidHandler, SysCommandHandler, IconHandler> handler;

    bool Matches(const Message& msg) const
    {
        if (msg.nMessage != nMessage)
            return false;
        return nMessage != WM_COMMAND || (msg.nCode == nCode && msg.nId == nId);
    }

    LRESULT Call(T& target, const Message& msg) const
    {
        if (auto p = std::get_if<VoidHandler>(&handler)) {
            (target.*(*p))();
            return 0;
        }
        if (auto p = std::get_if<SysCommandHandler>(&handler)) {
            (target.*(*p))(static_cast<UINT>(msg.wParam), msg.lParam);
            return 0;
        }
        return reinterpret_cast<LRESULT>((target.*std::get<IconHandler>(handler))());
    }
};

// Entry makers, one per kind of message the program handles.
template <class T> MessageEntry<T> OnBnClickedEntry(UINT nId, void (T::*pfn)())
{
    return {WM_COMMAND, BN_CLICKED, nId, pfn};
}
// A command (a menu item, the Help button) arrives as a button's click.
template <class T> MessageEntry<T> OnCommandEntry(UINT nId, void (T::*pfn)())
{
    return OnBnClickedEntry(nId, pfn);
}
template <class T> MessageEntry<T> OnLbnSelChangeEntry(UINT nId, void (T::*pfn)())
{
    return {WM_COMMAND, LBN_SELCHANGE, nId, pfn};
}
template <class T> MessageEntry<T> OnLbnDblClkEntry(UINT nId, void (T::*pfn)())
{
    return {WM_COMMAND, LBN_DBLCLK, nId, pfn};
}
template <class T> MessageEntry<T> OnSysCommandEntry(void (T::*pfn)(UINT, LPARAM))
{
    return {WM_SYSCOMMAND, 0, 0, pfn};
}
template <class T> MessageEntry<T> OnPaintEntry(void (T::*pfn)())
{
    return {WM_PAINT, 0, 0, pfn};
}
template <class T> MessageEntry<T> OnDestroyEntry(void (T::*pfn)())
{
    return {WM_DESTROY, 0, 0, pfn};
}
template <class T> MessageEntry<T> OnQueryDragIconEntry(HCURSOR (T::*pfn)())
{
    return {WM_QUERYDRAGICON, 0, 0, pfn};
}

// The map of class T over a static array of its entries.
template <class T> class TypedMessageMap final : public MessageMap
{
public:
    template <std::size_t N>
    TypedMessageMap(const MessageMap* pBase, const MessageEntry<T> (&entries)[N])
        : MessageMap(pBase)
        , m_pEntries(entries)
        , m_nEntries(N)
    {
    }
    TypedMessageMap(const MessageMap* pBase)
        : MessageMap(pBase)
        , m_pEntries(nullptr)
        , m_nEntries(0)
    {
    }

    bool DispatchOwn(CCmdTarget& target, const Message& msg, LRESULT& result) const override
    {
        for (std::size_t i = 0; i < m_nEntries; ++i) {
            if (m_pEntries[i].Matches(msg)) {
                result = m_pEntries[i].Call(static_cast<T&>(target), msg);
                return true;
            }
        }
        return false;
    }

private:
    const MessageEntry<T>* m_pEntries;
    std::size_t m_nEntries;
};
