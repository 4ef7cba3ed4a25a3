// SPDX-FileCopyrightText: 2026 The Morvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "report/report_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <memory>
#include <utility>

namespace morvane {
namespace {

constexpr mode_t kNewFileMode = 0666;  // less the umask, as any new file gets
constexpr int kTemporaryNameTries = 100;

// Opens a file that is not replaced but written where it stands. O_NONBLOCK
// keeps a pipe without a reader from stopping the window: it fails at once.
int OpenInPlace(const std::string& path) {
    const int fd =
        ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NONBLOCK, kNewFileMode);
    if (fd < 0) {
        return -1;
    }
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags < 0 || ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) < 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

// A symbolic link stays a link: the file it points to is the one replaced.
std::string ResolveLink(const std::string& path) {
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) {
        return path;
    }
    const std::unique_ptr<char, decltype(&std::free)> real(::realpath(path.c_str(), nullptr),
                                                           &std::free);
    return real ? std::string(real.get()) : path;  // dangling: written through the link
}

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : path.substr(0, slash);
}

// A new, empty file in `folder` with a name nobody else uses; its mode is
// what a plain create would give.
int CreateTemporary(const std::string& folder, std::string& name) {
    for (int attempt = 0; attempt < kTemporaryNameTries; ++attempt) {
        name = folder + (folder.back() == '/' ? "" : "/") + ".morvane-" +
               std::to_string(::getpid()) + "-" + std::to_string(attempt) + ".tmp";
        const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, kNewFileMode);
        if (fd >= 0 || errno != EEXIST) {
            return fd;
        }
    }
    return -1;
}

}  // namespace

std::string ToCrLf(std::string_view text) {
    std::string out;
    out.reserve(text.size() + text.size() / 16);
    for (const char c : text) {
        if (c == '\n') {
            out += '\r';
        }
        out += c;
    }
    return out;
}

void IgnoreWriteSignals() {
    std::signal(SIGXFSZ, SIG_IGN);
    std::signal(SIGPIPE, SIG_IGN);
}

std::optional<ReportFile> ReportFile::Create(const std::string& path) {
    if (path.empty() || path.back() == '/') {
        return std::nullopt;
    }
    const std::string target = ResolveLink(path);
    struct stat info {};
    const bool exists = ::stat(target.c_str(), &info) == 0;
    if (exists && !S_ISREG(info.st_mode)) {
        // A device, a pipe, a socket or a folder: nothing to rename over.
        const int fd = OpenInPlace(target);
        return fd >= 0 ? std::optional(ReportFile(fd, {}, target)) : std::nullopt;
    }
    if (exists && ::access(target.c_str(), W_OK) != 0) {
        return std::nullopt;  // a read-only report is not replaced behind its back
    }
    std::string temporary;
    const int fd = CreateTemporary(FolderOf(target), temporary);
    if (fd < 0) {
        if (!exists) {
            return std::nullopt;
        }
        // The folder takes no new file, but the file itself may be written.
        const int in_place = OpenInPlace(target);
        return in_place >= 0 ? std::optional(ReportFile(in_place, {}, target)) : std::nullopt;
    }
    if (exists && ::fchmod(fd, info.st_mode & 07777) != 0) {
        ::close(fd);
        ::unlink(temporary.c_str());
        return std::nullopt;
    }
    return ReportFile(fd, std::move(temporary), target);
}

ReportFile::ReportFile(ReportFile&& other) noexcept
    : fd_(std::exchange(other.fd_, -1)),
      temporary_(std::exchange(other.temporary_, {})),
      target_(std::move(other.target_)) {}

ReportFile& ReportFile::operator=(ReportFile&& other) noexcept {
    if (this != &other) {
        Discard();
        fd_ = std::exchange(other.fd_, -1);
        temporary_ = std::exchange(other.temporary_, {});
        target_ = std::move(other.target_);
    }
    return *this;
}

ReportFile::~ReportFile() {
    Discard();
}

void ReportFile::Discard() noexcept {
    if (fd_ >= 0) {
        ::close(std::exchange(fd_, -1));
    }
    if (!temporary_.empty()) {
        ::unlink(temporary_.c_str());
        temporary_.clear();
    }
}

bool ReportFile::WriteAndClose(std::string_view text) {
    const std::string bytes = ToCrLf(text);
    bool ok = fd_ >= 0;
    std::size_t done = 0;
    while (ok && done < bytes.size()) {
        const ssize_t n = ::write(fd_, bytes.data() + done, bytes.size() - done);
        if (n > 0) {
            done += static_cast<std::size_t>(n);
        } else if (n < 0 && errno == EINTR) {
            continue;
        } else {
            ok = false;  // an error, or a device that takes nothing more
        }
    }
    // A replacement must be on the disk before it takes the old file's place.
    if (ok && !temporary_.empty() && ::fsync(fd_) != 0) {
        ok = false;
    }
    // Closed once, whatever happened; a close error can report a failed write.
    if (fd_ >= 0 && ::close(std::exchange(fd_, -1)) != 0) {
        ok = false;
    }
    if (ok && !temporary_.empty()) {
        ok = ::rename(temporary_.c_str(), target_.c_str()) == 0;
        if (ok) {
            temporary_.clear();
        }
    }
    Discard();
    return ok;
}

}  // namespace morvane
