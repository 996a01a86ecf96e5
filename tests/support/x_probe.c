/* Looks at and closes X windows for the window tests.
 *   x_probe size WIN               prints "width height" of the window's client area
 *   x_probe title WIN              prints the window's name
 *   x_probe pixels WIN x y [...]   prints "r g b" for each point, one line each
 *   x_probe close WIN              asks the window to close, as a window manager's close button does
 *   x_probe ping WIN               sends _NET_WM_PING as a window manager does; prints "pong" when the
 *                                  window answers within 2 s, else fails
 */
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/select.h>

static int fail(const char* what)
{
    fprintf(stderr, "x_probe: %s\n", what);
    return 1;
}

static void send_protocol_message(Display* display, Window window, Atom protocol, long timestamp)
{
    XEvent event;
    memset(&event, 0, sizeof event);
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = (long)protocol;
    event.xclient.data.l[1] = timestamp;
    event.xclient.data.l[2] = (long)window;
    XSendEvent(display, window, False, NoEventMask, &event);
    XFlush(display);
}

/* A client answers a ping by sending it back to the root window, where a
   window manager listens for substructure events. */
static int ping(Display* display, Window window)
{
    Window root = DefaultRootWindow(display);
    XSelectInput(display, root, SubstructureNotifyMask);
    Atom ping_atom = XInternAtom(display, "_NET_WM_PING", False);
    long stamp = 0x5a5a01;
    send_protocol_message(display, window, ping_atom, stamp);
    struct timeval left = {2, 0};
    for (;;) {
        while (XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == ClientMessage && event.xclient.window == root &&
                (Atom)event.xclient.data.l[0] == ping_atom && event.xclient.data.l[1] == stamp &&
                (Window)event.xclient.data.l[2] == window) {
                printf("pong\n");
                return 0;
            }
        }
        fd_set fds;
        FD_ZERO(&fds);
        FD_SET(ConnectionNumber(display), &fds);
        if (select(ConnectionNumber(display) + 1, &fds, NULL, NULL, &left) <= 0) return fail("no answer to the ping");
    }
}

int main(int argc, char** argv)
{
    if (argc < 3) return fail("usage: x_probe size|title|pixels|close|ping WIN ...");
    Display* display = XOpenDisplay(NULL);
    if (!display) return fail("cannot open the display");
    Window window = (Window)strtoul(argv[2], NULL, 0);
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(display, window, &attributes)) return fail("no such window");

    if (strcmp(argv[1], "size") == 0) {
        printf("%d %d\n", attributes.width, attributes.height);
    } else if (strcmp(argv[1], "title") == 0) {
        char* name = NULL;
        if (!XFetchName(display, window, &name) || !name) return fail("window has no name");
        printf("%s\n", name);
        XFree(name);
    } else if (strcmp(argv[1], "pixels") == 0) {
        XImage* image = XGetImage(display, window, 0, 0, (unsigned)attributes.width, (unsigned)attributes.height,
                                  AllPlanes, ZPixmap);
        if (!image) return fail("cannot read the window's pixels");
        for (int i = 3; i + 1 < argc; i += 2) {
            int x = atoi(argv[i]), y = atoi(argv[i + 1]);
            if (x < 0 || y < 0 || x >= attributes.width || y >= attributes.height) {
                printf("-1 -1 -1\n");
                continue;
            }
            unsigned long p = XGetPixel(image, x, y);
            printf("%lu %lu %lu\n", (p & image->red_mask) >> 16, (p & image->green_mask) >> 8, p & image->blue_mask);
        }
        XDestroyImage(image);
    } else if (strcmp(argv[1], "close") == 0) {
        send_protocol_message(display, window, XInternAtom(display, "WM_DELETE_WINDOW", False), CurrentTime);
    } else if (strcmp(argv[1], "ping") == 0) {
        int rc = ping(display, window);
        XCloseDisplay(display);
        return rc;
    } else {
        return fail("unknown command");
    }
    XCloseDisplay(display);
    return 0;
}
