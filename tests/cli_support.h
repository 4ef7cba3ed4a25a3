// SPDX-FileCopyrightText: 2026 The Morvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Runs morvane-cli's command in the test's own process, on strings for its
// standard streams and the report tests' fake clock.

#include <sstream>
#include <string>
#include <vector>

#include "cli/cli.h"
#include "tests/fakes.h"

namespace morvane::testing {

struct CliResult {
    int status;
    std::string out;
    std::string err;
};

inline CliResult RunCli(const std::vector<std::string>& args, const std::string& input = "",
                        std::size_t wrap_width = 0) {
    std::istringstream in(input);
    std::string out;
    cli::Output output([&](std::string_view text) {
        out += text;
        return true;
    });
    std::ostringstream err;
    FakeClock clock;
    cli::Io io{in, output, err, clock, wrap_width};
    const int status = cli::Run(args, io);
    output.Flush();
    return {status, out, err.str()};
}

}  // namespace morvane::testing
