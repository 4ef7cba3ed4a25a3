#pragma once

// Small interfaces over what the desktop provides (message boxes, the Save As
// dialog, the busy cursor, the clock). The user interface supplies the real
// ones; tests supply recording fakes, so nothing here ever blocks a test.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace morvane {

enum class MessageIcon { Information, Warning, Error };

class MessageService {
  public:
    virtual ~MessageService() = default;
    // A modal box with one OK button; returns when the user has closed it.
    virtual void Show(std::string_view text, MessageIcon icon) = 0;
};

struct FileFilter {
    std::string label;    // e.g. "Text Files (*.txt)"
    std::string pattern;  // e.g. "*.txt"
};

struct SaveAsRequest {
    std::string title;
    std::vector<FileFilter> filters;  // the first one is selected
    std::string initial_name;
    std::string default_extension;
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

struct LocalDateTime {
    int year = 0;
    int month = 0;  // 1-12
    int day = 0;    // 1-31
    int hour = 0;   // 0-23
    int minute = 0;
    int second = 0;
};

class ClockService {
  public:
    virtual ~ClockService() = default;
    virtual LocalDateTime Now() = 0;
};

// What saving a report needs from the desktop.
struct ReportServices {
    MessageService& messages;
    SaveAsService& save_as;
    BusyCursorService& busy_cursor;
    ClockService& clock;
};

}  // namespace morvane
