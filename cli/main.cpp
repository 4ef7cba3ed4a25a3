// SPDX-FileCopyrightText: 2026 The Morvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// morvane-cli: the process around the command: standard streams, the
// terminal's width, the local clock, and how a failed write ends it.

#include <sys/ioctl.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <ctime>
#include <iostream>
#include <string>
#include <vector>

#include "cli/cli.h"
#include "report/report_file.h"

namespace {

class LocalClock : public morvane::ClockService {
  public:
    morvane::LocalDateTime Now() override {
        const std::time_t now = std::time(nullptr);
        std::tm local{};
        localtime_r(&now, &local);
        return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
                local.tm_hour,        local.tm_min,     local.tm_sec};
    }
};

// Readings fill the terminal's width; piped output keeps each on one line.
std::size_t WrapWidth() {
    constexpr unsigned short kNarrowest = 40;
    winsize size{};
    if (isatty(STDOUT_FILENO) == 0) {
        return 0;
    }
    if (ioctl(STDOUT_FILENO, TIOCGWINSZ, &size) != 0 || size.ws_col == 0) {
        return 80;
    }
    return size.ws_col < kNarrowest ? kNarrowest : size.ws_col;
}

int write_errno = 0;

bool WriteAll(std::string_view text) {
    while (!text.empty()) {
        const ssize_t written = write(STDOUT_FILENO, text.data(), text.size());
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            write_errno = written < 0 ? errno : EIO;
            return false;
        }
        text.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    // The report writer reports a write it cannot finish instead of dying;
    // standard output handles a closed pipe itself, below.
    morvane::IgnoreWriteSignals();
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> args(argv + 1, argv + argc);
    morvane::cli::Output out(WriteAll);
    LocalClock clock;
    morvane::cli::Io io{std::cin, out, std::cerr, clock, WrapWidth()};
    const int status = morvane::cli::Run(args, io);
    if (out.Flush()) {
        return status;
    }
    if (write_errno == EPIPE) {
        // Nobody reads any more (| head): end quietly, as a pipe's writer does.
        std::signal(SIGPIPE, SIG_DFL);
        std::raise(SIGPIPE);
    }
    std::cerr << "morvane-cli: write error: " << std::strerror(write_errno) << "\n";
    return morvane::cli::kExitRefused;
}
