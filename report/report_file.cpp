#include "report/report_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <utility>

namespace morvane {

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

std::optional<ReportFile> ReportFile::Create(const std::string& path) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0) {
        return std::nullopt;
    }
    return ReportFile(fd);
}

ReportFile::ReportFile(ReportFile&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}

ReportFile& ReportFile::operator=(ReportFile&& other) noexcept {
    if (this != &other) {
        if (fd_ >= 0) {
            ::close(fd_);
        }
        fd_ = std::exchange(other.fd_, -1);
    }
    return *this;
}

ReportFile::~ReportFile() {
    if (fd_ >= 0) {
        ::close(fd_);
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
    // Closed once, whatever happened; a close error can report a failed write.
    if (fd_ >= 0 && ::close(std::exchange(fd_, -1)) != 0) {
        ok = false;
    }
    return ok;
}

}  // namespace morvane
