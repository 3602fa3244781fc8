// Start-up measured from outside, as the user's display sees it: an X client that watches the root window,
// starts a program and takes the time from just before the fork to the first top-level window of that
// program being mapped (MapNotify); half a second later it reads the program's peak memory (VmHWM) and
// ends it. Prints the milliseconds, the peak and the PSS of its process tree in kibibytes, and the CPU time
// its threads had used when the map was seen, in milliseconds (steadier than the wall time on a busy machine,
// and what a start costs a machine with fewer cores).
// Usage: bench_map_start <folder to start in> <program> [arguments...]
#include "ProcessTree.h"

#include <xcb/xcb.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>

#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

namespace {

double now()
{
    timespec t {};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

long peakKiB(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0)
            return std::strtol(line.c_str() + 6, nullptr, 10);
    }
    return -1;
}

// The _NET_WM_PID of a window: the process that owns it, where the toolkit says so (Qt does).
long windowPid(xcb_connection_t *x, xcb_window_t window, xcb_atom_t netWmPid)
{
    xcb_get_property_reply_t *reply
        = xcb_get_property_reply(x, xcb_get_property(x, false, window, netWmPid, XCB_ATOM_CARDINAL, 0, 1), nullptr);
    long pid = -1;
    if (reply && xcb_get_property_value_length(reply) == 4)
        pid = long(*static_cast<uint32_t *>(xcb_get_property_value(reply)));
    std::free(reply);
    return pid;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: bench_map_start <folder> <program> [arguments...]\n");
        return 2;
    }
    xcb_connection_t *x = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(x)) {
        std::fprintf(stderr, "bench_map_start: no X display\n");
        return 1;
    }
    xcb_screen_t *screen = xcb_setup_roots_iterator(xcb_get_setup(x)).data;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(x, screen->root, XCB_CW_EVENT_MASK, &mask);
    xcb_intern_atom_reply_t *atom = xcb_intern_atom_reply(x, xcb_intern_atom(x, false, 11, "_NET_WM_PID"), nullptr);
    const xcb_atom_t netWmPid = atom ? atom->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(atom);
    std::free(xcb_get_input_focus_reply(x, xcb_get_input_focus(x), nullptr)); // the selection is in force

    const double start = now();
    const pid_t child = fork();
    if (child == 0) {
        if (chdir(argv[1]) != 0)
            _exit(126);
        if (const int null = open("/dev/null", O_WRONLY); null >= 0)
            dup2(null, STDERR_FILENO); // the program's warnings are no part of the figures
        execv(argv[2], argv + 2);
        _exit(127);
    }

    double mapped = -1;
    double cpu = -1;
    const int fd = xcb_get_file_descriptor(x);
    while (mapped < 0 && now() - start < 20000) {
        xcb_generic_event_t *event = xcb_poll_for_event(x);
        if (!event) {
            pollfd p { fd, POLLIN, 0 };
            poll(&p, 1, 100);
            if (xcb_connection_has_error(x))
                break;
            continue;
        }
        if ((event->response_type & 0x7f) == XCB_MAP_NOTIFY) {
            const double at = now();
            const auto *map = reinterpret_cast<xcb_map_notify_event_t *>(event);
            const long owner = windowPid(x, map->window, netWmPid);
            if (!map->override_redirect && (owner == child || owner < 0)) {
                mapped = at;
                cpu = threadsCpuMs(child);
            }
        }
        std::free(event);
    }
    if (mapped < 0) {
        kill(child, SIGKILL);
        waitpid(child, nullptr, 0);
        std::fprintf(stderr, "bench_map_start: %s mapped no window within 20 s\n", argv[2]);
        return 1;
    }
    usleep(500 * 1000);
    const long peak = peakKiB(child);
    const long pss = treePssKiB(child);
    kill(child, SIGTERM);
    int status = 0;
    for (int i = 0; i < 50 && waitpid(child, &status, WNOHANG) == 0; ++i)
        usleep(20 * 1000);
    if (waitpid(child, &status, WNOHANG) == 0) {
        kill(child, SIGKILL);
        waitpid(child, &status, 0);
    }
    xcb_disconnect(x);
    std::printf("%.1f %ld %ld %.1f\n", mapped - start, peak, pss, cpu);
    return 0;
}
