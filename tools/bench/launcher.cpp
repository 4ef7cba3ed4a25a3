// SPDX-FileCopyrightText: 2026 The Morvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Runs one program and measures its start-up: the time from just before the
// spawn to the moment the X server finished drawing the program's first
// complete frame, then its peak resident memory (VmHWM) a settling delay
// later. Prints "<milliseconds> <VmHWM KiB> <CPU milliseconds>" on one line,
// then kills the program. The CPU time (user + system, up to the kill) is far
// less sensitive than the wall time to other load on the machine.
//
// The frame's time is the server's own: every drawing on the screen raises a
// damage event stamped with the server time, and the program prints
// "first-paint" only after its first paint pass has been flushed and the
// server has answered a round trip, so every damage event of that frame has
// been sent by the time the line arrives. The last of them closes the frame.
// The program's own account of when it painted would miss the transfer of
// the pixels and the server's drawing of them.
//
// Usage: bench-launch [--settle-ms N] [--timeout-ms N] PROGRAM [ARG...]

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/damage.h>
#include <xcb/xcb.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <string_view>
#include <thread>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

constexpr std::string_view kMarker = "first-paint\n";

double MonotonicMs() {
    return std::chrono::duration<double, std::milli>(Clock::now().time_since_epoch()).count();
}

// Watches the whole screen for drawing, and maps the server's millisecond
// timestamps onto this process's steady clock.
class ScreenWatch {
  public:
    bool Open() {
        conn_ = xcb_connect(nullptr, nullptr);
        if (xcb_connection_has_error(conn_) != 0) {
            std::fputs("bench-launch: cannot connect to the X server ($DISPLAY)\n", stderr);
            return false;
        }
        const xcb_query_extension_reply_t* damage = xcb_get_extension_data(conn_, &xcb_damage_id);
        if (damage == nullptr || damage->present == 0) {
            std::fputs("bench-launch: the X server has no DAMAGE extension\n", stderr);
            return false;
        }
        damage_event_ = damage->first_event + XCB_DAMAGE_NOTIFY;
        std::free(xcb_damage_query_version_reply(
            conn_,
            xcb_damage_query_version(conn_, XCB_DAMAGE_MAJOR_VERSION, XCB_DAMAGE_MINOR_VERSION),
            nullptr));
        const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(conn_)).data;
        // Drawing into any window shows up as damage to the root window,
        // which holds the whole screen.
        xcb_damage_create(conn_, xcb_generate_id(conn_), screen->root,
                          XCB_DAMAGE_REPORT_LEVEL_RAW_RECTANGLES);
        // A window of our own whose property changes come back stamped with
        // the server time, to tie that time to the steady clock.
        probe_ = xcb_generate_id(conn_);
        const uint32_t mask = XCB_EVENT_MASK_PROPERTY_CHANGE;
        xcb_create_window(conn_, XCB_COPY_FROM_PARENT, probe_, screen->root, 0, 0, 1, 1, 0,
                          XCB_WINDOW_CLASS_INPUT_ONLY, XCB_COPY_FROM_PARENT, XCB_CW_EVENT_MASK,
                          &mask);
        return Calibrate();
    }

    ~ScreenWatch() {
        if (conn_ != nullptr) {
            xcb_disconnect(conn_);
        }
    }

    // Forgets the damage seen so far (the screen before the program).
    void Forget() {
        RoundTrip();
        while (xcb_generic_event_t* event = xcb_poll_for_queued_event(conn_)) {
            std::free(event);
        }
        last_damage_ = 0;
        seen_damage_ = false;
    }

    // Collects every damage event the server has sent up to now.
    void Collect() {
        RoundTrip();
        while (xcb_generic_event_t* event = xcb_poll_for_queued_event(conn_)) {
            Note(event);
        }
    }

    // The steady-clock time of the last damage collected, or a negative value.
    double LastDamageMs() const {
        if (!seen_damage_) {
            return -1.0;
        }
        // Server times wrap at 2^32 ms; the difference is taken in that ring.
        const auto since = static_cast<int32_t>(last_damage_ - server_at_zero_);
        return zero_ms_ + since;
    }

  private:
    // The server stamps events with whole milliseconds of its clock. Of a
    // few probes, the one with the shortest round trip ties the clocks best.
    bool Calibrate() {
        double best_span = 1e9;
        for (int i = 0; i < 5; ++i) {
            const double before = MonotonicMs();
            const char byte = static_cast<char>(i);
            xcb_change_property(conn_, XCB_PROP_MODE_REPLACE, probe_, XCB_ATOM_WM_NAME,
                                XCB_ATOM_STRING, 8, 1, &byte);
            xcb_flush(conn_);
            xcb_timestamp_t stamp = 0;
            bool got = false;
            while (!got) {
                xcb_generic_event_t* event = xcb_wait_for_event(conn_);
                if (event == nullptr) {
                    std::fputs("bench-launch: lost the X server\n", stderr);
                    return false;
                }
                if ((event->response_type & 0x7f) == XCB_PROPERTY_NOTIFY) {
                    stamp = reinterpret_cast<xcb_property_notify_event_t*>(event)->time;
                    got = true;
                }
                std::free(event);
            }
            const double after = MonotonicMs();
            if (after - before < best_span) {
                best_span = after - before;
                server_at_zero_ = stamp;
                // A stamp of n covers the server's millisecond [n, n + 1).
                zero_ms_ = (before + after) / 2.0 - 0.5;
            }
        }
        return true;
    }

    void RoundTrip() {
        std::free(xcb_get_input_focus_reply(conn_, xcb_get_input_focus(conn_), nullptr));
    }

    void Note(xcb_generic_event_t* event) {
        if ((event->response_type & 0x7f) == damage_event_) {
            last_damage_ = reinterpret_cast<xcb_damage_notify_event_t*>(event)->timestamp;
            seen_damage_ = true;
        }
        std::free(event);
    }

    xcb_connection_t* conn_ = nullptr;
    xcb_window_t probe_ = 0;
    uint8_t damage_event_ = 0;
    xcb_timestamp_t server_at_zero_ = 0;
    double zero_ms_ = 0.0;
    xcb_timestamp_t last_damage_ = 0;
    bool seen_damage_ = false;
};

long ReadVmHwmKib(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0) {
            return std::strtol(line.c_str() + 6, nullptr, 10);
        }
    }
    return -1;
}

// Kills the program and returns the CPU time it used, in milliseconds.
double Stop(pid_t pid) {
    kill(pid, SIGKILL);
    int status = 0;
    rusage usage{};
    while (wait4(pid, &status, 0, &usage) < 0 && errno == EINTR) {
    }
    const auto ms = [](const timeval& t) {
        return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_usec) / 1e3;
    };
    return ms(usage.ru_utime) + ms(usage.ru_stime);
}

int Usage() {
    std::fputs("usage: bench-launch [--settle-ms N] [--timeout-ms N] PROGRAM [ARG...]\n", stderr);
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    int settle_ms = 200;
    int timeout_ms = 20000;
    int first = 1;
    while (first + 1 < argc && std::strncmp(argv[first], "--", 2) == 0) {
        const std::string_view option = argv[first];
        if (option == "--settle-ms") {
            settle_ms = std::atoi(argv[first + 1]);
        } else if (option == "--timeout-ms") {
            timeout_ms = std::atoi(argv[first + 1]);
        } else {
            return Usage();
        }
        first += 2;
    }
    if (first >= argc) {
        return Usage();
    }

    ScreenWatch screen;
    if (!screen.Open()) {
        return 1;
    }
    screen.Forget();

    int fds[2];
    if (pipe2(fds, O_CLOEXEC) != 0) {
        std::perror("pipe2");
        return 1;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, fds[1], STDOUT_FILENO);

    // Taken as late as possible before the spawn, so the measured time is the
    // program's own start-up and nothing of this launcher's.
    const Clock::time_point start = Clock::now();
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, argv[first], &actions, nullptr, argv + first, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(fds[1]);
    if (spawned != 0) {
        std::fprintf(stderr, "bench-launch: cannot run %s: %s\n", argv[first],
                     std::strerror(spawned));
        return 1;
    }

    // Reads until the marker line appears at the start of a line; the
    // program may print other lines before it.
    std::string seen;
    bool found = false;
    const Clock::time_point deadline = start + std::chrono::milliseconds(timeout_ms);
    while (!found) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
        if (left <= 0) {
            break;
        }
        pollfd watch{fds[0], POLLIN, 0};
        const int ready = poll(&watch, 1, static_cast<int>(left));
        if (ready < 0 && errno == EINTR) {
            continue;
        }
        if (ready <= 0) {
            break;
        }
        char buffer[4096];
        const ssize_t got = read(fds[0], buffer, sizeof buffer);
        if (got <= 0) {
            break;  // the program closed stdout or exited without a marker
        }
        seen.append(buffer, static_cast<std::size_t>(got));
        const std::size_t at = seen.find(kMarker);
        if (at != std::string::npos && (at == 0 || seen[at - 1] == '\n')) {
            found = true;
        }
    }
    if (!found) {
        Stop(pid);
        std::fprintf(stderr, "bench-launch: no \"first-paint\" line from %s within %d ms\n",
                     argv[first], timeout_ms);
        return 1;
    }

    screen.Collect();
    const double frame_ms = screen.LastDamageMs();
    if (frame_ms < 0.0) {
        Stop(pid);
        std::fprintf(stderr, "bench-launch: %s drew nothing on the screen\n", argv[first]);
        return 1;
    }

    std::this_thread::sleep_for(std::chrono::milliseconds(settle_ms));
    const long hwm_kib = ReadVmHwmKib(pid);
    const double cpu_ms = Stop(pid);
    close(fds[0]);
    if (hwm_kib < 0) {
        std::fprintf(stderr, "bench-launch: %s exited before its memory could be read\n",
                     argv[first]);
        return 1;
    }
    const double ms =
        frame_ms - std::chrono::duration<double, std::milli>(start.time_since_epoch()).count();
    std::printf("%.2f %ld %.1f\n", ms, hwm_kib, cpu_ms);
    return 0;
}
