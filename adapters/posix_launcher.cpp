// SPDX-FileCopyrightText: 2026 The Morvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "adapters/posix_launcher.h"

#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <new>
#include <string>
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

namespace {

// PATH, or the system's default search path when it is unset.
std::string SearchPath() {
    if (const char* path = std::getenv("PATH")) {  // NOLINT(concurrency-mt-unsafe): one UI thread
        return path;
    }
    std::string path(::confstr(_CS_PATH, nullptr, 0), '\0');
    if (!path.empty()) {
        ::confstr(_CS_PATH, path.data(), path.size());
        path.pop_back();  // the terminating NUL
    }
    return path;
}

// Starts `file` through a short-lived child that only spawns it and exits
// with posix_spawn's error number. The browser is thus never our child:
// nothing has to reap it, and no thread waits for it. It runs in a session
// of its own, so Ctrl+C in Morvane's terminal does not reach it.
int SpawnDetached(const std::string& file, char* const argv[]) {
    posix_spawnattr_t attributes;
    if (const int error = ::posix_spawnattr_init(&attributes); error != 0) {
        return error;
    }
    // Morvane ignores SIGPIPE and SIGXFSZ for itself; the browser and the
    // programs it runs start with every signal at its default, none blocked.
    sigset_t all;
    sigset_t none;
    sigfillset(&all);
    sigemptyset(&none);
    ::posix_spawnattr_setsigdefault(&attributes, &all);
    ::posix_spawnattr_setsigmask(&attributes, &none);
    ::posix_spawnattr_setflags(&attributes,
                               POSIX_SPAWN_SETSID | POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETSIGMASK);
    const pid_t child = ::fork();
    if (child == 0) {
        pid_t browser = 0;
        ::_exit(::posix_spawn(&browser, file.c_str(), nullptr, &attributes, argv, environ));
    }
    const int fork_error = errno;
    ::posix_spawnattr_destroy(&attributes);
    if (child < 0) {
        return fork_error;
    }
    int status = 0;
    while (::waitpid(child, &status, 0) == -1) {
        if (errno != EINTR) {
            return errno;
        }
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : ECHILD;
}

}  // namespace

LaunchResult SpawnLauncher::Launch(std::string_view program, std::string_view argument) noexcept {
    try {
        const auto file = FindOnPath(program, SearchPath());
        if (!file) {
            return LaunchResult::NotFound;
        }
        std::string name(program);
        std::string address(argument);
        std::vector<char*> argv = {name.data(), address.data(), nullptr};
        switch (SpawnDetached(*file, argv.data())) {
            case 0:
                return LaunchResult::Started;
            case ENOENT:
                return LaunchResult::NotFound;
            case ENOMEM:
            case EAGAIN:
                return LaunchResult::NoMemory;
            default:
                return LaunchResult::Failed;
        }
    } catch (const std::bad_alloc&) {
        return LaunchResult::NoMemory;
    } catch (...) {
        return LaunchResult::Failed;
    }
}

}  // namespace morvane
