// SPDX-FileCopyrightText: 2026 The Morvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Writing the report file, every LF as CR LF, the way trusted editors save:
// into a new file beside the target that replaces it only once it is whole,
// so a failed write never costs the user the report that was there before.

#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace morvane {

// The text with each LF turned into CR LF and nothing else changed.
std::string ToCrLf(std::string_view text);

// A write beyond a file-size limit, or into a pipe nobody reads, then fails
// with an error the writer reports instead of ending the whole program.
void IgnoreWriteSignals();

class ReportFile {
  public:
    // Gets `path` ready to be written; empty when it cannot be (a missing
    // folder, a folder, a read-only file, a pipe with no reader, ...). Never
    // blocks. A regular file (new, or reached through a symbolic link) is
    // written to a temporary file in its folder; a device or pipe, or a file
    // whose folder takes no new file, is written in place.
    static std::optional<ReportFile> Create(const std::string& path);

    ReportFile(ReportFile&& other) noexcept;
    ReportFile& operator=(ReportFile&& other) noexcept;
    ReportFile(const ReportFile&) = delete;
    ReportFile& operator=(const ReportFile&) = delete;
    ~ReportFile();

    // Writes the text (LF as CR LF), flushes it to the disk and puts it in
    // place, exactly once; false if any step failed, and then a file that was
    // being replaced keeps its old contents and no temporary file is left.
    bool WriteAndClose(std::string_view text);

  private:
    ReportFile(int fd, std::string temporary, std::string target)
        : fd_(fd), temporary_(std::move(temporary)), target_(std::move(target)) {}
    void Discard() noexcept;

    int fd_ = -1;
    std::string temporary_;  // empty when writing in place
    std::string target_;
};

}  // namespace morvane
