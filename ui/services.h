#pragma once

// Everything a page needs from outside the window, behind interfaces so tests
// can record what a page asks for instead of opening real dialogs.

#include <string_view>

#include "report/services.h"

namespace morvane {

enum class LaunchResult { Started, NotFound, NoMemory, Failed };

class LauncherService {
  public:
    virtual ~LauncherService() = default;
    // Starts program with one argument and does not wait for it.
    virtual LaunchResult Launch(std::string_view program, std::string_view argument) = 0;
};

struct Services : ReportServices {
    LauncherService& launcher;
};

}  // namespace morvane
