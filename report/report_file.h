// SPDX-FileCopyrightText: 2026 The Morvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Writing the report file, every LF as CR LF, the way trusted editors save:
// into a new file beside the target that replaces it only once it is whole,
// so a failed write never costs the user the report that was there before.

#include <sys/stat.h>

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace morvane {

// The text with each LF turned into CR LF and nothing else changed.
std::string ToCrLf(std::string_view text);

// A write beyond a file-size limit, or into a pipe nobody reads, then fails
// with an error the writer reports instead of ending the whole program.
void IgnoreWriteSignals();

// Points of a save that tests stop at or look in on.
enum class SaveStage {
    Created,  // the replacement exists, still empty
    Written,  // its contents are on the disk; it has not yet taken the target's place
};

class ReportFile {
  public:
    // Called at each stage with the replacement's descriptor; for tests.
    static void SetStageHook(std::function<void(SaveStage, int)> hook);
    // How long a write into a pipe or a device may make no progress before
    // the save gives up; a few seconds unless a test shortens it.
    static void SetStallLimit(std::chrono::milliseconds limit);

    // Gets `path` ready to be written; empty when it cannot be (a missing
    // folder, a folder, a read-only file, a pipe with no reader, a link that
    // another user planted in a shared sticky folder, ...). Never blocks. A
    // regular file (new, or reached through symbolic links) is written to a
    // private new file in its folder that then takes its place, keeping its
    // owner, group, extended attributes and mode. A device or pipe, a file
    // with more than one name or an owner we could not give back, or one
    // whose folder refuses new files by permission, is written in place.
    static std::optional<ReportFile> Create(const std::string& path);

    ReportFile(ReportFile&& other) noexcept;
    ReportFile& operator=(ReportFile&& other) noexcept;
    ReportFile(const ReportFile&) = delete;
    ReportFile& operator=(const ReportFile&) = delete;
    ~ReportFile();

    // Writes the text (LF as CR LF), flushes it to the disk and puts it in
    // place, exactly once; false if any step failed, and then a file that was
    // being replaced keeps its old contents and no temporary file is left.
    // A folder without room for the replacement fails here, and the old
    // file stays as it was.
    bool WriteAndClose(std::string_view text);

  private:
    ReportFile() = default;
    void Discard() noexcept;
    void DropReplacement() noexcept;
    bool WriteInPlace(const std::string& bytes);
    // Writes the replacement and puts it in place; `in_place` tells whether
    // the file may still be written where it stands after a failure.
    bool Replace(const std::string& bytes, bool& in_place);

    int fd_ = -1;            // the replacement; none when writing in place
    int original_ = -1;      // the existing file, as the kernel let us open it
    int folder_ = -1;        // the folder of the file being replaced
    std::string temporary_;  // the replacement's name while it has one of its own
    std::string name_;       // the name the replacement takes
    struct stat info_ {};    // the existing file's
    bool exists_ = false;
    bool unnamed_ = false;
    bool failed_ = false;  // no room even for the replacement
};

}  // namespace morvane
