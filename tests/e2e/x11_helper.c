/* Acts as the window manager would for the end-to-end tests:
 *   x11_helper close <window-id>   ask a window to close (WM_DELETE_WINDOW)
 *   x11_helper steal-focus <secs>  map a second window, give it the input
 *                                  focus, keep it for <secs> seconds, then
 *                                  give the focus back to the window that had
 *                                  it and exit
 */
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <unistd.h>

static int closeWindow(Display* d, Window w) {
    XEvent ev;
    memset(&ev, 0, sizeof ev);
    ev.xclient.type = ClientMessage;
    ev.xclient.window = w;
    ev.xclient.message_type = XInternAtom(d, "WM_PROTOCOLS", False);
    ev.xclient.format = 32;
    ev.xclient.data.l[0] = (long)XInternAtom(d, "WM_DELETE_WINDOW", False);
    ev.xclient.data.l[1] = CurrentTime;
    XSendEvent(d, w, False, NoEventMask, &ev);
    XFlush(d);
    return 0;
}

static int stealFocus(Display* d, double secs) {
    Window previous;
    int revert;
    XGetInputFocus(d, &previous, &revert);
    Window w = XCreateSimpleWindow(d, DefaultRootWindow(d), 10, 10, 200, 100, 0, 0, 0xffffff);
    XMapRaised(d, w);
    XSync(d, False);
    usleep(200000);
    XSetInputFocus(d, w, RevertToParent, CurrentTime);
    XSync(d, False);
    printf("focus-taken\n");
    fflush(stdout);
    usleep((useconds_t)(secs * 1e6));
    if (previous != None && previous != PointerRoot) {
        XSetInputFocus(d, previous, RevertToParent, CurrentTime);
    }
    XDestroyWindow(d, w);
    XSync(d, False);
    printf("focus-returned\n");
    fflush(stdout);
    return 0;
}

int main(int argc, char** argv) {
    if (argc < 3) {
        fprintf(stderr, "usage: x11_helper close <window-id> | steal-focus <secs>\n");
        return 2;
    }
    Display* d = XOpenDisplay(NULL);
    if (!d) {
        fprintf(stderr, "x11_helper: no display\n");
        return 1;
    }
    int rc = 2;
    if (strcmp(argv[1], "close") == 0) rc = closeWindow(d, (Window)strtoul(argv[2], NULL, 0));
    if (strcmp(argv[1], "steal-focus") == 0) rc = stealFocus(d, atof(argv[2]));
    XCloseDisplay(d);
    return rc;
}
