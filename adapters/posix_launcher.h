// SPDX-FileCopyrightText: 2026 The Morvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Starting the browser program: looked up on PATH, started without waiting.

#include <optional>
#include <string>
#include <string_view>

#include "app/services.h"

namespace morvane {

// The file that `program` names on `path_list` (a PATH value). Only absolute
// directories are searched: never the current directory, nor an empty or
// relative entry, so a stray file in the working folder is never run. A name
// holding a slash is taken as it stands if it is absolute.
std::optional<std::string> FindOnPath(std::string_view program, std::string_view path_list);

class SpawnLauncher : public LauncherService {
  public:
    // Never throws: a start that fails for lack of memory says so.
    LaunchResult Launch(std::string_view program, std::string_view argument) noexcept override;
};

}  // namespace morvane
