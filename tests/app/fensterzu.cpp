// Asks X windows to close, as the close box of a window manager does: sends
// WM_DELETE_WINDOW to each window id given (decimal or 0x hex). The program
// then closes the window itself and, after its last one, ends normally, so
// that a leak check at its exit still runs.
#include <xcb/xcb.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

xcb_atom_t atom(xcb_connection_t* c, const char* name)
{
    xcb_intern_atom_reply_t* r =
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, uint16_t(std::strlen(name)), name), nullptr);
    const xcb_atom_t a = r ? r->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(r);
    return a;
}

} // namespace

int main(int argc, char* argv[])
{
    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c)) {
        std::fputs("fensterzu: no X display\n", stderr);
        xcb_disconnect(c);
        return 1;
    }
    const xcb_atom_t protokolle = atom(c, "WM_PROTOCOLS");
    const xcb_atom_t loeschen = atom(c, "WM_DELETE_WINDOW");
    int fehler = 0;
    for (int k = 1; k < argc; ++k) {
        char* ende = nullptr;
        const unsigned long id = std::strtoul(argv[k], &ende, 0);
        if (!ende || *ende || id == 0) {
            std::fprintf(stderr, "fensterzu: not a window id: %s\n", argv[k]);
            fehler = 1;
            continue;
        }
        // The event is 32 bytes on the wire, whatever the struct's size.
        char puffer[32] = {};
        auto* ev = reinterpret_cast<xcb_client_message_event_t*>(puffer);
        ev->response_type = XCB_CLIENT_MESSAGE;
        ev->format = 32;
        ev->window = xcb_window_t(id);
        ev->type = protokolle;
        ev->data.data32[0] = loeschen;
        ev->data.data32[1] = XCB_CURRENT_TIME;
        xcb_generic_error_t* e = xcb_request_check(
            c, xcb_send_event_checked(c, 0, xcb_window_t(id), XCB_EVENT_MASK_NO_EVENT, puffer));
        if (e) {
            std::fprintf(stderr, "fensterzu: window %s: X error %d\n", argv[k], int(e->error_code));
            std::free(e);
            fehler = 1;
        }
    }
    xcb_disconnect(c);
    return fehler;
}
