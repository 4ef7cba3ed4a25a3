// SPDX-FileCopyrightText: 2026 The Morvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// morvane-cli: the window's numbers, workings and readings from a terminal,
// many spellings side by side, and the window's report file.

#include <cstddef>
#include <iosfwd>
#include <string>
#include <vector>

#include "app/services.h"
#include "cli/format.h"

namespace morvane::cli {

inline constexpr int kExitOk = 0;
inline constexpr int kExitRefused = 1;  // some input was refused
inline constexpr int kExitUsage = 2;

struct Io {
    std::istream& in;
    Output& out;
    std::ostream& err;
    ClockService& clock;         // the report header's date and time
    std::size_t wrap_width = 0;  // 0: readings on one line (output is no terminal)
};

// Runs the command line `args` (without the program name) and returns the
// exit status. A failed write to `io.out` stops the run; the caller reports it.
int Run(const std::vector<std::string>& args, Io& io);

}  // namespace morvane::cli
