// Launches a program and measures, from the moment it is started, when its window first shows
// drawn content on the X screen, and the program's peak resident memory once it is up.
//
// "Visible" is the first drawing into the program's top-level window after the window was
// mapped, as the X server's DAMAGE extension reports it: a window that is mapped but not yet
// painted does not count. Every program is measured the same way, by the server's events,
// so no polling interval adds to or hides any time.
//
// Usage: startup-probe [--title TITLE] [--settle MS] [--timeout MS] -- PROGRAM [ARGS...]
// Prints one line: <visible ms> <mapped ms> <peak resident KiB>
// Exits 0 on success, 2 on a usage or X error, 3 when no window showed within the timeout.
#include <xcb/damage.h>
#include <xcb/xcb.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <memory>
#include <optional>
#include <poll.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

struct Options {
    std::string title; // empty: any window of the launched process
    int settle_ms = 500;
    int timeout_ms = 20000;
    std::vector<char*> command;
};

std::optional<Options> parse(int argc, char** argv) {
    Options o;
    int i = 1;
    for (; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--") {
            ++i;
            break;
        }
        if (i + 1 >= argc) return std::nullopt;
        if (arg == "--title") {
            o.title = argv[++i];
        } else if (arg == "--settle") {
            o.settle_ms = std::atoi(argv[++i]);
        } else if (arg == "--timeout") {
            o.timeout_ms = std::atoi(argv[++i]);
        } else {
            return std::nullopt;
        }
    }
    for (; i < argc; ++i) o.command.push_back(argv[i]);
    if (o.command.empty()) return std::nullopt;
    o.command.push_back(nullptr);
    return o;
}

template <class T>
using Reply = std::unique_ptr<T, decltype(&std::free)>;

xcb_atom_t atom(xcb_connection_t* c, const char* name) {
    Reply<xcb_intern_atom_reply_t> r(
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, std::strlen(name), name), nullptr),
        &std::free);
    return r ? r->atom : xcb_atom_t{XCB_ATOM_NONE};
}

std::optional<std::string> property(xcb_connection_t* c, xcb_window_t w, xcb_atom_t name,
                                    xcb_atom_t type) {
    Reply<xcb_get_property_reply_t> r(
        xcb_get_property_reply(c, xcb_get_property(c, 0, w, name, type, 0, 1024), nullptr),
        &std::free);
    if (!r || r->type == XCB_ATOM_NONE) return std::nullopt;
    const auto* data = static_cast<const char*>(xcb_get_property_value(r.get()));
    return std::string(data, static_cast<std::size_t>(xcb_get_property_value_length(r.get())));
}

long resident_peak_kib(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0) return std::atol(line.c_str() + 6);
    }
    return -1;
}

void stop(pid_t pid) {
    kill(pid, SIGTERM);
    for (int i = 0; i < 300; ++i) {
        if (waitpid(pid, nullptr, WNOHANG) == pid) return;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
}

double ms_since(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

} // namespace

int main(int argc, char** argv) {
    const auto options = parse(argc, argv);
    if (!options) {
        std::fprintf(stderr,
                     "usage: %s [--title TITLE] [--settle MS] [--timeout MS] -- "
                     "PROGRAM [ARGS...]\n",
                     argv[0]);
        return 2;
    }
    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c)) {
        std::fprintf(stderr, "startup-probe: cannot open the display\n");
        return 2;
    }
    const xcb_query_extension_reply_t* damage = xcb_get_extension_data(c, &xcb_damage_id);
    if (damage == nullptr || !damage->present) {
        std::fprintf(stderr, "startup-probe: the X server has no DAMAGE extension\n");
        return 2;
    }
    std::free(xcb_damage_query_version_reply(
        c, xcb_damage_query_version(c, XCB_DAMAGE_MAJOR_VERSION, XCB_DAMAGE_MINOR_VERSION),
        nullptr));
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    const xcb_atom_t net_wm_pid = atom(c, "_NET_WM_PID");
    const xcb_atom_t net_wm_name = atom(c, "_NET_WM_NAME");
    const xcb_atom_t utf8 = atom(c, "UTF8_STRING");
    // Hear of every top-level window created and mapped from now on.
    const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(c, root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(c);

    const Clock::time_point start = Clock::now();
    const pid_t pid = fork();
    if (pid < 0) return 2;
    if (pid == 0) {
        execvp(options->command[0], options->command.data());
        std::fprintf(stderr, "startup-probe: cannot run %s: %s\n", options->command[0],
                     std::strerror(errno));
        _exit(127);
    }

    auto is_target = [&](xcb_window_t w) {
        const auto pid_prop = property(c, w, net_wm_pid, XCB_ATOM_CARDINAL);
        if (!pid_prop || pid_prop->size() != 4) return false;
        std::uint32_t owner = 0;
        std::memcpy(&owner, pid_prop->data(), 4);
        if (owner != static_cast<std::uint32_t>(pid)) return false;
        if (options->title.empty()) return true;
        auto title = property(c, w, net_wm_name, utf8);
        if (!title) title = property(c, w, XCB_ATOM_WM_NAME, XCB_ATOM_STRING);
        return title && *title == options->title;
    };

    xcb_window_t target = XCB_WINDOW_NONE;
    double mapped_ms = -1;
    double visible_ms = -1;
    const int fd = xcb_get_file_descriptor(c);
    while (visible_ms < 0) {
        while (xcb_generic_event_t* raw = xcb_poll_for_event(c)) {
            const std::unique_ptr<xcb_generic_event_t, decltype(&std::free)> ev(raw, &std::free);
            const int type = ev->response_type & 0x7f;
            if (type == XCB_CREATE_NOTIFY) {
                // Watch drawing from creation on, so no early frame slips past.
                const auto* e = reinterpret_cast<xcb_create_notify_event_t*>(raw);
                xcb_damage_create(c, xcb_generate_id(c), e->window,
                                  XCB_DAMAGE_REPORT_LEVEL_NON_EMPTY);
            } else if (type == XCB_MAP_NOTIFY && target == XCB_WINDOW_NONE) {
                const auto* e = reinterpret_cast<xcb_map_notify_event_t*>(raw);
                if (is_target(e->window)) {
                    target = e->window;
                    mapped_ms = ms_since(start);
                }
            } else if (type == damage->first_event + XCB_DAMAGE_NOTIFY) {
                const auto* e = reinterpret_cast<xcb_damage_notify_event_t*>(raw);
                if (e->drawable == target && target != XCB_WINDOW_NONE)
                    visible_ms = ms_since(start);
            }
        }
        xcb_flush(c);
        if (visible_ms >= 0) break;
        if (xcb_connection_has_error(c)) {
            stop(pid);
            return 2;
        }
        if (waitpid(pid, nullptr, WNOHANG) == pid) {
            std::fprintf(stderr, "startup-probe: %s ended before its window showed\n",
                         options->command[0]);
            return 3;
        }
        const int left = options->timeout_ms - static_cast<int>(ms_since(start));
        if (left <= 0) {
            std::fprintf(stderr, "startup-probe: no window of %s showed within %d ms\n",
                         options->command[0], options->timeout_ms);
            stop(pid);
            return 3;
        }
        pollfd p{fd, POLLIN, 0};
        poll(&p, 1, std::min(left, 50));
    }

    // Whatever the program does right after its first frame counts toward its peak too.
    std::this_thread::sleep_for(std::chrono::milliseconds(options->settle_ms));
    const long peak = resident_peak_kib(pid);
    stop(pid);
    xcb_disconnect(c);
    std::printf("%.2f %.2f %ld\n", visible_ms, mapped_ms, peak);
    return peak < 0 ? 3 : 0;
}
