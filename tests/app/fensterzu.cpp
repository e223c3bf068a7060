// Asks X windows to close, as the close box of a window manager does: sends
// WM_DELETE_WINDOW to each window id given (decimal or 0x hex). The program
// then closes the window itself and, after its last one, ends normally, so
// that a leak check at its exit still runs.
#include <xcb/xcb.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

static xcb_atom_t atom(xcb_connection_t* c, const char* name)
{
    xcb_intern_atom_reply_t* r =
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, uint16_t(std::strlen(name)), name), nullptr);
    const xcb_atom_t a = r ? r->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(r);
    return a;
}

int main(int argc, char* argv[])
{
    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    int fehler = xcb_connection_has_error(c) ? 1 : 0;
    for (int k = 1; k < argc && !fehler; ++k) {
        // The event is 32 bytes on the wire, whatever the struct's size.
        char puffer[32] = {};
        auto* ev = reinterpret_cast<xcb_client_message_event_t*>(puffer);
        ev->response_type = XCB_CLIENT_MESSAGE;
        ev->format = 32;
        ev->window = xcb_window_t(std::strtoul(argv[k], nullptr, 0));
        ev->type = atom(c, "WM_PROTOCOLS");
        ev->data.data32[0] = atom(c, "WM_DELETE_WINDOW");
        ev->data.data32[1] = XCB_CURRENT_TIME;
        xcb_generic_error_t* e =
            xcb_request_check(c, xcb_send_event_checked(c, 0, ev->window, XCB_EVENT_MASK_NO_EVENT, puffer));
        fehler = e ? 1 : 0;
        std::free(e);
    }
    if (fehler)
        std::fputs("fensterzu: no X display, or a window id that is none\n", stderr);
    xcb_disconnect(c);
    return fehler;
}
