#include "ui/launcher.h"

#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

extern char** environ;  // NOLINT(readability-redundant-declaration): not declared by every libc

namespace morvane {
namespace {

bool IsExecutableFile(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) &&
           ::access(path.c_str(), X_OK) == 0;
}

}  // namespace

std::optional<std::string> FindOnPath(std::string_view program, std::string_view path_list) {
    if (program.empty()) {
        return std::nullopt;
    }
    if (program.find('/') != std::string_view::npos) {
        std::string path(program);
        if (program.front() == '/' && IsExecutableFile(path)) {
            return path;
        }
        return std::nullopt;
    }
    while (true) {
        const std::size_t colon = path_list.find(':');
        const std::string_view dir = path_list.substr(0, colon);
        if (!dir.empty() && dir.front() == '/') {
            std::string candidate(dir);
            if (candidate.back() != '/') {
                candidate += '/';
            }
            candidate += program;
            if (IsExecutableFile(candidate)) {
                return candidate;
            }
        }
        if (colon == std::string_view::npos) {
            return std::nullopt;
        }
        path_list.remove_prefix(colon + 1);
    }
}

LaunchResult SpawnLauncher::Launch(std::string_view program, std::string_view argument) {
    const char* path_env = std::getenv("PATH");  // NOLINT(concurrency-mt-unsafe): one UI thread
    const auto file = FindOnPath(program, path_env != nullptr ? path_env : "");
    if (!file) {
        return LaunchResult::NotFound;
    }
    std::string name(program);
    std::string address(argument);
    std::vector<char*> argv = {name.data(), address.data(), nullptr};
    pid_t pid = 0;
    const int error = ::posix_spawn(&pid, file->c_str(), nullptr, nullptr, argv.data(), environ);
    switch (error) {
        case 0:
            // Reap the child whenever it ends, so no zombie is left behind.
            std::thread([pid] {
                int status = 0;
                while (::waitpid(pid, &status, 0) == -1 && errno == EINTR) {
                }
            }).detach();
            return LaunchResult::Started;
        case ENOENT:
            return LaunchResult::NotFound;
        case ENOMEM:
        case EAGAIN:
            return LaunchResult::NoMemory;
        default:
            return LaunchResult::Failed;
    }
}

}  // namespace morvane
