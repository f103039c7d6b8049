#include "framework/WindowMove.h"

#include <QGuiApplication>
#include <QWindow>

#ifdef DIALSTACK_HAVE_XCB
#include <cstdlib>
#include <cstring>
#include <memory>

#include <xcb/xcb.h>
#endif

bool WindowMove::IsAvailable()
{
    return IsAvailableOn(QGuiApplication::platformName());
}

bool WindowMove::IsAvailableOn(QStringView platformName)
{
    return platformName == u"xcb";
}

bool WindowMove::Start(QWindow* pWindow)
{
    if (!pWindow || !IsAvailable())
        return false;
    // Qt's own system move is meant for a drag with the mouse button held:
    // started from a menu it would follow the pointer until the next click.
    // A move the window manager runs from the keyboard ends with Return.
    return StartFromKeyboardOnX11(pWindow) || pWindow->startSystemMove();
}

#ifdef DIALSTACK_HAVE_XCB

namespace {

template <class T> using XcbReply = std::unique_ptr<T, decltype(&std::free)>;

xcb_atom_t Atom(xcb_connection_t* connection, const char* pszName)
{
    const xcb_intern_atom_cookie_t cookie
        = xcb_intern_atom(connection, 0, static_cast<uint16_t>(strlen(pszName)), pszName);
    XcbReply<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(connection, cookie, nullptr), &std::free);
    return reply ? reply->atom : static_cast<xcb_atom_t>(XCB_ATOM_NONE);
}

// Whether the window manager lists the atom in _NET_SUPPORTED.
bool Supports(xcb_connection_t* connection, xcb_window_t root, xcb_atom_t feature)
{
    const xcb_get_property_cookie_t cookie
        = xcb_get_property(connection, 0, root, Atom(connection, "_NET_SUPPORTED"), XCB_ATOM_ATOM, 0, 4096);
    XcbReply<xcb_get_property_reply_t> reply(xcb_get_property_reply(connection, cookie, nullptr), &std::free);
    if (!reply || reply->format != 32)
        return false;
    const auto* atoms = static_cast<const xcb_atom_t*>(xcb_get_property_value(reply.get()));
    const int nAtoms = xcb_get_property_value_length(reply.get()) / 4;
    for (int i = 0; i < nAtoms; ++i) {
        if (atoms[i] == feature)
            return true;
    }
    return false;
}

}   // namespace

bool WindowMove::StartFromKeyboardOnX11(QWindow* pWindow)
{
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
    if (!connection || !pWindow->handle())
        return false;
    const xcb_setup_t* setup = xcb_get_setup(connection);
    const xcb_window_t root = xcb_setup_roots_iterator(setup).data->root;
    const xcb_atom_t moveResize = Atom(connection, "_NET_WM_MOVERESIZE");
    if (moveResize == XCB_ATOM_NONE || !Supports(connection, root, moveResize))
        return false;

    constexpr uint32_t kMoveFromKeyboard = 10;   // _NET_WM_MOVERESIZE_MOVE_KEYBOARD
    constexpr uint32_t kFromApplication = 1;
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = static_cast<xcb_window_t>(pWindow->winId());
    message.type = moveResize;
    message.data.data32[2] = kMoveFromKeyboard;
    message.data.data32[4] = kFromApplication;
    xcb_send_event(connection, 0, root, XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
        reinterpret_cast<const char*>(&message));
    xcb_flush(connection);
    return true;
}

#else

bool WindowMove::StartFromKeyboardOnX11(QWindow*)
{
    return false;
}

#endif
