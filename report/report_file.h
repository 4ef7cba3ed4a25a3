#pragma once

// Writing the report file: created or truncated, every LF written as CR LF.

#include <optional>
#include <string>
#include <string_view>

namespace morvane {

// The text with each LF turned into CR LF and nothing else changed.
std::string ToCrLf(std::string_view text);

class ReportFile {
  public:
    // Creates the file, or truncates it to nothing; empty when it cannot be
    // opened for writing (missing folder, a folder, no permission, ...).
    static std::optional<ReportFile> Create(const std::string& path);

    ReportFile(ReportFile&& other) noexcept;
    ReportFile& operator=(ReportFile&& other) noexcept;
    ReportFile(const ReportFile&) = delete;
    ReportFile& operator=(const ReportFile&) = delete;
    ~ReportFile();

    // Writes the text (LF as CR LF) and closes the file, exactly once;
    // false if the write or the close failed.
    bool WriteAndClose(std::string_view text);

  private:
    explicit ReportFile(int fd) : fd_(fd) {}
    int fd_ = -1;
};

}  // namespace morvane
