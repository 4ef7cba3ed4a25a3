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
// With --interact, the program must be Morvane: once its first frame is
// drawn, the launcher types into it instead (interactions.h) and prints a
// line "<milliseconds> <what>" for each interaction timed.
//
// Usage: bench-launch [--settle-ms N] [--timeout-ms N] [--interact] PROGRAM [ARG...]

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <string_view>
#include <thread>

#include "interactions.h"
#include "screen_watch.h"

extern char** environ;

namespace {

using morvane::bench::Clock;
using morvane::bench::ScreenWatch;

constexpr std::string_view kMarker = "first-paint\n";

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
    std::fputs(
        "usage: bench-launch [--settle-ms N] [--timeout-ms N] [--interact] PROGRAM [ARG...]\n",
        stderr);
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    int settle_ms = 200;
    int timeout_ms = 20000;
    bool interact = false;
    int first = 1;
    while (first + 1 < argc && std::strncmp(argv[first], "--", 2) == 0) {
        const std::string_view option = argv[first];
        if (option == "--interact") {
            interact = true;
            ++first;
            continue;
        }
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

    if (interact) {
        const bool done = morvane::bench::RunInteractions(screen);
        Stop(pid);
        close(fds[0]);
        return done ? 0 : 1;
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
    const double ms = frame_ms - morvane::bench::ToMs(start);
    std::printf("%.2f %ld %.1f\n", ms, hwm_kib, cpu_ms);
    return 0;
}
