/* Waits until the X server shows a window whose name matches a pattern mapped, and
   prints the milliseconds since a given start and the window's id. It listens for the
   server's map events instead of asking again and again, so that timing a window costs
   the window's program almost nothing and is exact to a millisecond or two.
     wait_for_window START_NS PATTERN TIMEOUT_MS
   START_NS: the start in nanoseconds of the realtime clock (date +%s%N); PATTERN: an
   extended regular expression. Exit code 1 when no such window showed in time. */
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/Xatom.h>
#include <regex.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/select.h>
#include <time.h>

static long long nowNs(void) {
  struct timespec t;
  clock_gettime(CLOCK_REALTIME, &t);
  return (long long)t.tv_sec * 1000000000LL + t.tv_nsec;
}

static int ignoreErrors(Display* display, XErrorEvent* error) {
  (void)display;
  (void)error;
  return 0;  /* a window can go between the event and the question about it */
}

/* Whether the window is viewable and its name (UTF-8 or the plain property) matches. */
static int matches(Display* display, Window window, regex_t* pattern) {
  XWindowAttributes attributes;
  if (!XGetWindowAttributes(display, window, &attributes) || attributes.map_state != IsViewable) return 0;
  int found = 0;
  Atom utf8 = XInternAtom(display, "UTF8_STRING", False);
  Atom netName = XInternAtom(display, "_NET_WM_NAME", False);
  Atom type;
  int format;
  unsigned long count, after;
  unsigned char* text = NULL;
  if (XGetWindowProperty(display, window, netName, 0, 1024, False, utf8, &type, &format, &count, &after, &text) ==
          Success &&
      text) {
    found = regexec(pattern, (const char*)text, 0, NULL, 0) == 0;
    XFree(text);
    if (found) return 1;
  }
  char* name = NULL;
  if (XFetchName(display, window, &name) && name) {
    found = regexec(pattern, name, 0, NULL, 0) == 0;
    XFree(name);
  }
  return found;
}

static Window search(Display* display, Window root, regex_t* pattern) {
  Window parent, *children = NULL;
  unsigned int n = 0;
  Window hit = 0;
  if (!XQueryTree(display, root, &root, &parent, &children, &n)) return 0;
  for (unsigned int i = 0; i < n && !hit; ++i)
    if (matches(display, children[i], pattern)) hit = children[i];
  if (children) XFree(children);
  return hit;
}

int main(int argc, char** argv) {
  if (argc != 4) {
    fprintf(stderr, "usage: wait_for_window START_NS PATTERN TIMEOUT_MS\n");
    return 2;
  }
  const long long start = atoll(argv[1]);
  const long long deadline = nowNs() + atoll(argv[3]) * 1000000LL;
  regex_t pattern;
  if (regcomp(&pattern, argv[2], REG_EXTENDED | REG_NOSUB) != 0) return 2;
  Display* display = XOpenDisplay(NULL);
  if (!display) return 2;
  XSetErrorHandler(&ignoreErrors);
  const Window root = DefaultRootWindow(display);
  XSelectInput(display, root, SubstructureNotifyMask | PropertyChangeMask);
  XSync(display, False);
  Window hit = search(display, root, &pattern);
  while (!hit && nowNs() < deadline) {
    /* Any change below the root (a map, a new name) is a reason to look; a quiet
       server is asked again every 5 ms, for a name set on a window already mapped. */
    fd_set fds;
    FD_ZERO(&fds);
    FD_SET(ConnectionNumber(display), &fds);
    struct timeval wait = {0, 5000};
    if (!XPending(display)) select(ConnectionNumber(display) + 1, &fds, NULL, NULL, &wait);
    while (XPending(display)) {
      XEvent event;
      XNextEvent(display, &event);
      if (event.type == MapNotify && matches(display, event.xmap.window, &pattern)) hit = event.xmap.window;
    }
    if (!hit) hit = search(display, root, &pattern);
  }
  if (!hit) return 1;
  printf("%lld %lu\n", (nowNs() - start) / 1000000LL, (unsigned long)hit);
  XCloseDisplay(display);
  regfree(&pattern);
  return 0;
}
