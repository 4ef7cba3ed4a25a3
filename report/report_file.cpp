// SPDX-FileCopyrightText: 2026 The Morvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "report/report_file.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdlib>
#include <memory>
#include <utility>
#include <vector>

namespace morvane {
namespace {

constexpr mode_t kNewFileMode = 0666;  // less the umask, as any new file gets
constexpr mode_t kPrivateMode = 0600;  // while being written: never more open than the result
constexpr int kTemporaryNameTries = 100;
constexpr int kMaxLinks = 40;  // as many as the kernel follows

std::function<void(SaveStage, int)>& StageHook() {
    static std::function<void(SaveStage, int)> hook;
    return hook;
}

std::chrono::milliseconds& StallLimit() {
    static std::chrono::milliseconds limit{5000};
    return limit;
}

void CloseIfOpen(int& fd) {
    if (fd >= 0) {
        ::close(std::exchange(fd, -1));
    }
}

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string NameOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The rule of the kernel's fs.protected_symlinks, applied whether or not the
// system has it on: a link in a sticky folder that others may write to is
// followed only if it belongs to us or to the folder's owner. Otherwise any
// local user could plant one that makes us overwrite a file of our own.
bool MayFollow(const std::string& link, const struct stat& link_info) {
    struct stat folder {};
    if (::stat(FolderOf(link).c_str(), &folder) != 0) {
        return false;
    }
    const bool shared = (folder.st_mode & S_ISVTX) != 0 && (folder.st_mode & S_IWOTH) != 0;
    return !shared || link_info.st_uid == ::geteuid() || link_info.st_uid == folder.st_uid;
}

// Opens an existing file for writing, following symbolic links one at a time
// under MayFollow, so that what is replaced is exactly what the kernel let us
// open. `resolved` is the path that reached it (or, where nothing exists,
// the path a new file goes to). O_NONBLOCK keeps a pipe without a reader
// from stopping the window: it fails at once.
int OpenExisting(const std::string& path, std::string& resolved) {
    resolved = path;
    for (int hop = 0; hop <= kMaxLinks; ++hop) {
        const int fd =
            ::open(resolved.c_str(), O_WRONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
        if (fd >= 0 || errno != ELOOP) {
            return fd;
        }
        struct stat info {};
        if (::lstat(resolved.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) {
            errno = ELOOP;
            return -1;
        }
        if (!MayFollow(resolved, info)) {
            errno = EACCES;
            return -1;
        }
        std::string target(PATH_MAX, '\0');
        const ssize_t length = ::readlink(resolved.c_str(), target.data(), target.size());
        if (length < 0 || static_cast<std::size_t>(length) >= target.size()) {
            return -1;
        }
        target.resize(static_cast<std::size_t>(length));
        if (target.front() == '/') {
            resolved = std::move(target);
        } else {
            resolved = FolderOf(resolved).append("/").append(target);
        }
    }
    errno = ELOOP;
    return -1;
}

// A new, empty, private file in the folder: unnamed where the file system
// can (nothing is left behind if we are killed), named otherwise.
int CreateReplacement(int folder, std::string& name) {
    name.clear();
    // It is named later through /proc, so that must be there.
    if (::access("/proc/self/fd", X_OK) == 0) {
        const int fd = ::openat(folder, ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, kPrivateMode);
        if (fd >= 0 || (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL)) {
            return fd;
        }
    }
    for (int attempt = 0; attempt < kTemporaryNameTries; ++attempt) {
        name = ".morvane-" + std::to_string(::getpid()) + "-" + std::to_string(attempt) + ".tmp";
        const int named =
            ::openat(folder, name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, kPrivateMode);
        if (named >= 0 || errno != EEXIST) {
            if (named < 0) {
                name.clear();
            }
            return named;
        }
    }
    name.clear();
    return -1;
}

// Gives an unnamed file the name `name` in the folder; false if it is taken.
bool LinkUnnamed(int fd, int folder, const std::string& name) {
    const std::string self = "/proc/self/fd/" + std::to_string(fd);
    return ::linkat(AT_FDCWD, self.c_str(), folder, name.c_str(), AT_SYMLINK_FOLLOW) == 0;
}

// Gives the replacement the file's owner, group and extended attributes
// (ACLs among them) and its mode, less setuid and setgid: a copy must never
// run with rights the original's owner did not give it.
bool TakeOver(int replacement, int original, const struct stat& info) {
    if ((info.st_uid != ::geteuid() || info.st_gid != ::getegid()) &&
        ::fchown(replacement, info.st_uid, info.st_gid) != 0) {
        return false;
    }
    const ssize_t size = ::flistxattr(original, nullptr, 0);
    if (size < 0 && errno != ENOTSUP) {
        return false;
    }
    std::vector<char> names(static_cast<std::size_t>(std::max<ssize_t>(size, 0)));
    if (size > 0 && ::flistxattr(original, names.data(), names.size()) != size) {
        return false;
    }
    for (std::size_t at = 0; at < names.size();) {
        const char* name = names.data() + at;
        const ssize_t length = ::fgetxattr(original, name, nullptr, 0);
        std::vector<char> value(static_cast<std::size_t>(std::max<ssize_t>(length, 0)));
        if (length < 0 || ::fgetxattr(original, name, value.data(), value.size()) != length ||
            ::fsetxattr(replacement, name, value.data(), value.size(), 0) != 0) {
            return false;
        }
        at += std::char_traits<char>::length(name) + 1;
    }
    return ::fchmod(replacement, info.st_mode & 0777) == 0;
}

// Writes all of `bytes`; a pipe or device that takes nothing for the stall
// limit is given up on rather than left to hold the window.
bool WriteAll(int fd, const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n > 0) {
            done += static_cast<std::size_t>(n);
        } else if (n < 0 && errno == EINTR) {
            continue;
        } else if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            pollfd ready{fd, POLLOUT, 0};
            const int polled = ::poll(&ready, 1, static_cast<int>(StallLimit().count()));
            if (polled == 0 || (polled < 0 && errno != EINTR)) {
                return false;
            }
        } else {
            return false;  // an error, or a device that takes nothing more
        }
    }
    return true;
}

mode_t NewFileMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return kNewFileMode & ~mask;
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

void ReportFile::SetStageHook(std::function<void(SaveStage, int)> hook) {
    StageHook() = std::move(hook);
}

void ReportFile::SetStallLimit(std::chrono::milliseconds limit) {
    StallLimit() = limit;
}

std::optional<ReportFile> ReportFile::Create(const std::string& path) {
    if (path.empty() || path.back() == '/') {
        return std::nullopt;
    }
    ReportFile file;
    std::string resolved;
    file.original_ = OpenExisting(path, resolved);
    if (file.original_ < 0 && errno != ENOENT) {
        return std::nullopt;  // read-only, a folder, a pipe with no reader, a planted link...
    }
    file.exists_ = file.original_ >= 0;
    if (file.exists_ && ::fstat(file.original_, &file.info_) != 0) {
        return std::nullopt;
    }
    if (file.exists_ && !S_ISREG(file.info_.st_mode)) {
        return file;  // a device, a pipe or a socket: nothing to rename over
    }
    // A file with other names, or whose owner we could not give back, stays
    // the file it is and is written in place.
    if (file.exists_ &&
        (file.info_.st_nlink > 1 || (file.info_.st_uid != ::geteuid() && ::geteuid() != 0))) {
        return file;
    }
    file.folder_ = ::open(FolderOf(resolved).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (file.folder_ < 0) {
        file.folder_ = ::open(FolderOf(resolved).c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    }
    if (file.folder_ < 0) {
        return file.exists_ ? std::optional(std::move(file)) : std::nullopt;
    }
    file.name_ = NameOf(resolved);
    struct stat named {};
    if (file.exists_ &&
        (::fstatat(file.folder_, file.name_.c_str(), &named, AT_SYMLINK_NOFOLLOW) != 0 ||
         named.st_dev != file.info_.st_dev || named.st_ino != file.info_.st_ino)) {
        return file;  // the name moved on meanwhile: write what was opened
    }
    file.fd_ = CreateReplacement(file.folder_, file.temporary_);
    if (file.fd_ < 0) {
        if (errno == ENOSPC || errno == EDQUOT) {
            // No room for a second copy: the old report stays as it is, and
            // the save fails as a write on a full disk does.
            file.failed_ = true;
            return file;
        }
        if (file.exists_ && (errno == EACCES || errno == EPERM || errno == EROFS)) {
            return file;  // the folder takes no new file, but the file itself may be written
        }
        return std::nullopt;
    }
    file.unnamed_ = file.temporary_.empty();
    if (StageHook()) {
        StageHook()(SaveStage::Created, file.fd_);
    }
    return file;
}

ReportFile::ReportFile(ReportFile&& other) noexcept
    : fd_(std::exchange(other.fd_, -1)),
      original_(std::exchange(other.original_, -1)),
      folder_(std::exchange(other.folder_, -1)),
      temporary_(std::exchange(other.temporary_, {})),
      name_(std::move(other.name_)),
      info_(other.info_),
      exists_(other.exists_),
      unnamed_(other.unnamed_),
      failed_(other.failed_) {}

ReportFile& ReportFile::operator=(ReportFile&& other) noexcept {
    if (this != &other) {
        Discard();
        fd_ = std::exchange(other.fd_, -1);
        original_ = std::exchange(other.original_, -1);
        folder_ = std::exchange(other.folder_, -1);
        temporary_ = std::exchange(other.temporary_, {});
        name_ = std::move(other.name_);
        info_ = other.info_;
        exists_ = other.exists_;
        unnamed_ = other.unnamed_;
        failed_ = other.failed_;
    }
    return *this;
}

ReportFile::~ReportFile() {
    Discard();
}

void ReportFile::Discard() noexcept {
    DropReplacement();
    CloseIfOpen(original_);
    CloseIfOpen(folder_);
}

void ReportFile::DropReplacement() noexcept {
    CloseIfOpen(fd_);
    if (!temporary_.empty()) {
        ::unlinkat(folder_, temporary_.c_str(), 0);
        temporary_.clear();
    }
}

bool ReportFile::WriteInPlace(const std::string& bytes) {
    const bool regular = S_ISREG(info_.st_mode);
    bool ok = original_ >= 0 && (!regular || ::ftruncate(original_, 0) == 0) &&
              WriteAll(original_, bytes) && (!regular || ::fsync(original_) == 0);
    // Closed once, whatever happened; a close error can report a failed write.
    if (original_ >= 0 && ::close(std::exchange(original_, -1)) != 0) {
        ok = false;
    }
    return ok;
}

bool ReportFile::Replace(const std::string& bytes, bool& in_place) {
    in_place = false;
    // A replacement must be on the disk before it takes the old file's place.
    if (!WriteAll(fd_, bytes) || ::fsync(fd_) != 0) {
        return false;
    }
    if (StageHook()) {
        StageHook()(SaveStage::Written, fd_);
    }
    const bool kept = exists_ ? TakeOver(fd_, original_, info_) : ::fchmod(fd_, NewFileMode()) == 0;
    if (!kept) {
        in_place = exists_;  // what made the file what it is could not be carried over
        return false;
    }
    if (unnamed_) {
        // A new file takes its name at once; an old one is replaced through a
        // name of our own, as a link cannot take an existing name.
        if (!exists_ && LinkUnnamed(fd_, folder_, name_)) {
            return ::fsync(folder_) == 0 || errno == EINVAL || errno == EBADF;
        }
        for (int attempt = 0; attempt < kTemporaryNameTries; ++attempt) {
            temporary_ =
                ".morvane-" + std::to_string(::getpid()) + "-" + std::to_string(attempt) + ".tmp";
            if (LinkUnnamed(fd_, folder_, temporary_)) {
                break;
            }
            temporary_.clear();
            if (errno != EEXIST) {
                return false;
            }
        }
        if (temporary_.empty()) {
            return false;
        }
    }
    if (::renameat(folder_, temporary_.c_str(), folder_, name_.c_str()) != 0) {
        // In a sticky folder, or with a file mounted on it, the name cannot
        // be taken over though the file itself may be written.
        in_place = exists_ && (errno == EPERM || errno == EBUSY || errno == EACCES);
        return false;
    }
    temporary_.clear();
    // The new name on the disk too, so a saved report survives a power cut.
    return ::fsync(folder_) == 0 || errno == EINVAL || errno == EBADF;
}

bool ReportFile::WriteAndClose(std::string_view text) {
    const std::string bytes = ToCrLf(text);
    bool ok = false;
    if (failed_) {
        ok = false;
    } else if (fd_ < 0) {
        ok = WriteInPlace(bytes);
    } else {
        bool in_place = false;
        ok = Replace(bytes, in_place);
        if (!ok && in_place) {
            DropReplacement();
            ok = WriteInPlace(bytes);
        }
    }
    Discard();
    return ok;
}

}  // namespace morvane
