// SPDX-FileCopyrightText: 2026 The Morvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Recording fakes for every service: tests see what was asked for, and no
// dialog ever opens.

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "app/services.h"

namespace morvane::testing {

struct Message {
    std::string text;
    MessageIcon icon;
    bool operator==(const Message&) const = default;
};

class FakeMessages : public MessageService {
  public:
    void Show(std::string_view text, MessageIcon icon) override {
        shown.push_back({std::string(text), icon});
        if (on_show) {
            on_show();
        }
    }
    std::vector<Message> shown;
    std::function<void()> on_show;  // runs while the "box" is open
};

class FakeSaveAs : public SaveAsService {
  public:
    std::optional<std::string> AskPath(const SaveAsRequest& request) override {
        requests.push_back(request);
        return answer;
    }
    std::vector<SaveAsRequest> requests;
    std::optional<std::string> answer;
};

class FakeBusyCursor : public BusyCursorService {
  public:
    void Begin() override { ++depth, ++begun; }
    void End() override { --depth; }
    int depth = 0;
    int begun = 0;
};

class FakeClock : public ClockService {
  public:
    LocalDateTime Now() override { return now; }
    LocalDateTime now{2002, 3, 5, 14, 7, 9};
};

class FakeLauncher : public LauncherService {
  public:
    LaunchResult Launch(std::string_view program, std::string_view argument) override {
        launches.emplace_back(std::string(program), std::string(argument));
        return result;
    }
    std::vector<std::pair<std::string, std::string>> launches;
    LaunchResult result = LaunchResult::Started;
};

struct FakeServices {
    FakeMessages messages;
    FakeSaveAs save_as;
    FakeBusyCursor busy_cursor;
    FakeClock clock;
    FakeLauncher launcher;
    Services services{{messages, save_as, busy_cursor, clock}, launcher};
};

}  // namespace morvane::testing
