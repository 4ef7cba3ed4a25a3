// SPDX-FileCopyrightText: 2026 The Morvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The ports: small interfaces over what the desktop provides (message boxes,
// the Save As dialog, the busy cursor, the clock, starting another program).
// The user interface supplies the real ones; tests supply recording fakes,
// so nothing here ever blocks a test.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "report/report.h"

namespace morvane {

enum class MessageIcon { Information, Warning, Error };

class MessageService {
  public:
    virtual ~MessageService() = default;
    // A modal box with one OK button; returns when the user has closed it.
    virtual void Show(std::string_view text, MessageIcon icon) = 0;
};

// A choice of the Save As dialog's file types: what the user reads, and
// which names it lists.
struct FileFilter {
    std::string label;    // e.g. "Text Files (*.txt)"
    std::string pattern;  // e.g. "*.txt"; kEveryFile lists every name
};
inline constexpr std::string_view kEveryFile = "*";

struct SaveAsRequest {
    std::string title;
    std::vector<FileFilter> filters;  // the first one is selected
    std::string initial_name;         // the text the file-name box starts with
    std::string default_suffix;       // added to a name typed without one, e.g. "txt"
    bool confirm_overwrite = true;
};

class SaveAsService {
  public:
    virtual ~SaveAsService() = default;
    // The chosen path, or nothing when the user cancelled.
    virtual std::optional<std::string> AskPath(const SaveAsRequest& request) = 0;
};

class BusyCursorService {
  public:
    virtual ~BusyCursorService() = default;
    virtual void Begin() = 0;
    virtual void End() = 0;
};

// Shows the busy cursor for the lifetime of the object.
class BusyCursor {
  public:
    explicit BusyCursor(BusyCursorService& service) : service_(service) { service_.Begin(); }
    ~BusyCursor() { service_.End(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
    BusyCursor(BusyCursor&&) = delete;
    BusyCursor& operator=(BusyCursor&&) = delete;

  private:
    BusyCursorService& service_;
};

class ClockService {
  public:
    virtual ~ClockService() = default;
    virtual LocalDateTime Now() = 0;
};

enum class LaunchResult { Started, NotFound, NoMemory, Failed };

class LauncherService {
  public:
    virtual ~LauncherService() = default;
    // Starts `program` with one argument and does not wait for it.
    virtual LaunchResult Launch(std::string_view program, std::string_view argument) = 0;
};

// What saving a report needs from the desktop.
struct ReportServices {
    MessageService& messages;
    SaveAsService& save_as;
    BusyCursorService& busy_cursor;
    ClockService& clock;
};

// Everything a page needs from outside the window.
struct Services : ReportServices {
    LauncherService& launcher;
};

}  // namespace morvane
