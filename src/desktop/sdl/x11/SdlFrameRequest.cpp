// The X Window System's side of a window's frame: a window manager frames a
// window only when it first shows, and puts the frame, not the window, where
// the window asked to be. Those that follow the desktop's common rules
// (EWMH) say beforehand how large the frame will be when asked.
#include "desktop/sdl/SdlFrameRequest.h"

#include <SDL.h>
#include <SDL_syswm.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>

namespace krepogor {
namespace {

// How long the window manager may take to answer; none that answers takes
// more than a few milliseconds.
constexpr Uint64 kWaitMs = 200;

// Whether the window manager lists `atom` among what it does, on the root
// window (never on a window of its own, which may be gone: a request about a
// missing window would end the program as a lost display).
bool WindowManagerDoes(Display* display, Atom atom) {
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    const Atom supported = XInternAtom(display, "_NET_SUPPORTED", False);
    if (XGetWindowProperty(display, DefaultRootWindow(display), supported, 0, 4096, False, XA_ATOM,
                           &type, &format, &count, &after, &data) != Success ||
        !data)
        return false;
    bool does = false;
    if (type == XA_ATOM && format == 32) {
        const auto* atoms = reinterpret_cast<const Atom*>(data);
        for (unsigned long i = 0; i < count && !does; ++i) does = atoms[i] == atom;
    }
    XFree(data);
    return does;
}

bool FrameKnown(SDL_Window* window) {
    int top = 0, left = 0, bottom = 0, right = 0;
    return SDL_GetWindowBordersSize(window, &top, &left, &bottom, &right) == 0 &&
           (top != 0 || left != 0 || bottom != 0 || right != 0);
}

}  // namespace

void AskWindowFrame(SDL_Window* window) {
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (!SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11) return;
    Display* display = info.info.x11.display;
    const Atom request = XInternAtom(display, "_NET_REQUEST_FRAME_EXTENTS", False);
    if (FrameKnown(window) || !WindowManagerDoes(display, request)) return;
    XEvent e{};
    e.xclient.type = ClientMessage;
    e.xclient.window = info.info.x11.window;
    e.xclient.message_type = request;
    e.xclient.format = 32;
    XSendEvent(display, DefaultRootWindow(display), False,
               SubstructureRedirectMask | SubstructureNotifyMask, &e);
    XFlush(display);
    // The answer is a property on the window, which SDL reads among its events.
    const Uint64 until = SDL_GetTicks64() + kWaitMs;
    while (!FrameKnown(window) && SDL_GetTicks64() < until) {
        SDL_PumpEvents();
        SDL_Delay(1);
    }
}

}  // namespace krepogor
