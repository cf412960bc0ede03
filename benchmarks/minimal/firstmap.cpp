// Starts a program and prints the milliseconds from its exec to the first top-level window it
// maps on the X display, then ends it. Watching the root window's MapNotify needs no help from
// the program and no window manager.
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

using Clock = std::chrono::steady_clock;

struct FreeDeleter {
    void operator()(void* pointer) const { std::free(pointer); }
};

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fputs("usage: pirumo_firstmap PROGRAM [ARGUMENT...]\n", stderr);
        return 2;
    }
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection) != 0) {
        std::fputs("pirumo_firstmap: cannot open the display\n", stderr);
        return 2;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    // Checked, so that the watch is in place before the program starts.
    if (std::unique_ptr<xcb_generic_error_t, FreeDeleter> error{xcb_request_check(
            connection,
            xcb_change_window_attributes_checked(connection, root, XCB_CW_EVENT_MASK, &mask))}) {
        std::fputs("pirumo_firstmap: cannot watch the root window\n", stderr);
        return 2;
    }
    const Clock::time_point start = Clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execv(argv[1], argv + 1);
        std::perror("pirumo_firstmap: exec");
        _exit(127);
    }
    int status = 0;
    // A program that exits or hangs before it maps a window ends the wait.
    const Clock::time_point deadline = start + std::chrono::seconds(60);
    pollfd display{xcb_get_file_descriptor(connection), POLLIN, 0};
    bool exited = false;
    while (Clock::now() < deadline && !(exited = waitpid(child, &status, WNOHANG) != 0)) {
        std::unique_ptr<xcb_generic_event_t, FreeDeleter> event{xcb_poll_for_event(connection)};
        if (event == nullptr) {
            if (xcb_connection_has_error(connection) != 0) {
                break;
            }
            poll(&display, 1, 100);
            continue;
        }
        if ((event->response_type & 0x7f) != XCB_MAP_NOTIFY) {
            continue;
        }
        const auto* map = reinterpret_cast<const xcb_map_notify_event_t*>(event.get());
        if (map->override_redirect != 0) {
            continue;  // menus and tooltips are not the program's window
        }
        const auto elapsed = std::chrono::duration<double, std::milli>(Clock::now() - start);
        std::printf("%.2f\n", elapsed.count());
        kill(child, SIGTERM);
        waitpid(child, &status, 0);
        xcb_disconnect(connection);
        return 0;
    }
    std::fputs("pirumo_firstmap: no window was mapped\n", stderr);
    if (!exited) {
        kill(child, SIGTERM);
        waitpid(child, &status, 0);
    }
    return 1;
}
