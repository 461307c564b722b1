// Start-up to the first shown window, seen from outside: starts a program and
// waits on the X server for a top-level window with the given title to be
// mapped, then ends the program. Needs an X server without a window manager
// (which would map a frame rather than the program's own window).
//
//   first_window <runs> <title> <program> [arguments...]
//
// Prints the milliseconds of every run and their median.

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

struct FreeDeleter {
    void operator()(void* p) const { std::free(p); }
};
template <typename T>
using Reply = std::unique_ptr<T, FreeDeleter>;

xcb_atom_t Atom(xcb_connection_t* x, const char* name) {
    const Reply<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(
        x, xcb_intern_atom(x, 0, static_cast<uint16_t>(std::strlen(name)), name), nullptr));
    return reply ? reply->atom : static_cast<xcb_atom_t>(XCB_ATOM_NONE);
}

std::string Property(xcb_connection_t* x, xcb_window_t window, xcb_atom_t property) {
    const Reply<xcb_get_property_reply_t> reply(xcb_get_property_reply(
        x, xcb_get_property(x, 0, window, property, XCB_GET_PROPERTY_TYPE_ANY, 0, 256), nullptr));
    if (!reply) return {};
    return std::string(static_cast<const char*>(xcb_get_property_value(reply.get())),
                       static_cast<size_t>(xcb_get_property_value_length(reply.get())));
}

// Milliseconds from the start of the program to the map of its window titled
// `title`, whose size goes to `size`; negative when the program ended first.
double TimeOneRun(xcb_connection_t* x, xcb_atom_t netWmName, const std::string& title,
                  char** command, std::string* size) {
    // Whatever the last run left in the queue (its windows going) is not this run's.
    Reply<xcb_get_input_focus_reply_t>(
        xcb_get_input_focus_reply(x, xcb_get_input_focus(x), nullptr));
    while (Reply<xcb_generic_event_t>(xcb_poll_for_event(x))) {
    }
    const auto start = Clock::now();
    pid_t child = 0;
    if (posix_spawn(&child, command[0], nullptr, nullptr, command, environ) != 0) {
        std::perror(command[0]);
        std::exit(2);
    }
    double milliseconds = -1;
    while (milliseconds < 0) {
        const Reply<xcb_generic_event_t> event(xcb_wait_for_event(x));
        if (!event) break;
        if ((event->response_type & 0x7F) != XCB_MAP_NOTIFY) continue;
        const auto* map = reinterpret_cast<const xcb_map_notify_event_t*>(event.get());
        if (Property(x, map->window, netWmName) == title ||
            Property(x, map->window, XCB_ATOM_WM_NAME) == title) {
            milliseconds = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
            const Reply<xcb_get_geometry_reply_t> geometry(
                xcb_get_geometry_reply(x, xcb_get_geometry(x, map->window), nullptr));
            if (geometry)
                *size = std::to_string(geometry->width) + "x" + std::to_string(geometry->height);
        }
    }
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    return milliseconds;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s <runs> <title> <program> [arguments...]\n", argv[0]);
        return 2;
    }
    const int runs = std::max(1, std::atoi(argv[1]));
    const std::string title = argv[2];
    int screenNumber = 0;
    xcb_connection_t* x = xcb_connect(nullptr, &screenNumber);
    if (xcb_connection_has_error(x)) {
        std::fprintf(stderr, "no X display\n");
        return 2;
    }
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(x));
    for (int i = 0; i < screenNumber; ++i) xcb_screen_next(&screens);
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(x, screens.data->root, XCB_CW_EVENT_MASK, &mask);
    const xcb_atom_t netWmName = Atom(x, "_NET_WM_NAME");
    xcb_flush(x);

    std::vector<double> samples;
    for (int run = 0; run < runs; ++run) {
        std::string size;
        const double ms = TimeOneRun(x, netWmName, title, argv + 3, &size);
        if (ms < 0) {
            std::fprintf(stderr, "no window titled '%s' was shown\n", title.c_str());
            return 1;
        }
        std::printf("run %d: %.1f ms, window %s\n", run + 1, ms, size.c_str());
        samples.push_back(ms);
    }
    std::sort(samples.begin(), samples.end());
    std::printf("median %.1f ms\n", samples[samples.size() / 2]);
    xcb_disconnect(x);
    return 0;
}
