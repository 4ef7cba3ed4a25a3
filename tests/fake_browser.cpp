// SPDX-FileCopyrightText: 2026 The Morvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Stands in for the browser program in tests: appends its argument list, one
// argument a line, and whether it runs in a session of its own, to the file
// named by MORVANE_FAKE_BROWSER_LOG. When MORVANE_FAKE_BROWSER_HOLD names a
// file, it then stays alive until that file exists (at most ten seconds) and
// logs "released". When MORVANE_FAKE_BROWSER_SIGNALS is set, it also logs
// its ignored and blocked signals as /proc shows them.

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>

int main(int argc, char** argv) {
    const char* log = std::getenv("MORVANE_FAKE_BROWSER_LOG");  // NOLINT(concurrency-mt-unsafe)
    if (log == nullptr) {
        return 2;
    }
    std::FILE* out = std::fopen(log, "a");
    if (out == nullptr) {
        return 3;
    }
    std::fprintf(out, "argc=%d\n", argc);
    for (int i = 0; i < argc; ++i) {
        std::fprintf(out, "%s\n", argv[i]);
    }
    std::fprintf(out, "%s\n", ::getsid(0) == ::getpid() ? "own session" : "shared session");
    if (std::getenv("MORVANE_FAKE_BROWSER_SIGNALS") != nullptr) {  // NOLINT(concurrency-mt-unsafe)
        if (std::FILE* status = std::fopen("/proc/self/status", "r")) {
            char line[256];
            while (std::fgets(line, sizeof line, status) != nullptr) {
                if (std::strncmp(line, "SigIgn:", 7) == 0 ||
                    std::strncmp(line, "SigBlk:", 7) == 0) {
                    std::fputs(line, out);
                }
            }
            std::fclose(status);
        }
    }
    if (std::fclose(out) != 0) {
        return 4;
    }
    if (const char* hold = std::getenv("MORVANE_FAKE_BROWSER_HOLD")) {  // NOLINT
        const timespec step{0, 10'000'000};
        for (int i = 0; i < 1000 && ::access(hold, F_OK) != 0; ++i) {
            ::nanosleep(&step, nullptr);
        }
        if (std::FILE* done = std::fopen(log, "a")) {
            std::fputs("released\n", done);
            std::fclose(done);
        }
    }
    return 0;
}
