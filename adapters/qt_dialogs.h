// SPDX-FileCopyrightText: 2026 The Morvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The real services: Qt's message box, file dialog, override cursor and clock.

#include <QPointer>
#include <QWidget>

#include "adapters/posix_launcher.h"
#include "app/services.h"

namespace morvane {

class QtMessageService : public MessageService {
  public:
    void SetOwner(QWidget* owner) { owner_ = owner; }
    void Show(std::string_view text, MessageIcon icon) override;

  private:
    QPointer<QWidget> owner_;
};

class QtSaveAsService : public SaveAsService {
  public:
    void SetOwner(QWidget* owner) { owner_ = owner; }
    std::optional<std::string> AskPath(const SaveAsRequest& request) override;

  private:
    QPointer<QWidget> owner_;
};

class QtBusyCursorService : public BusyCursorService {
  public:
    void Begin() override;
    void End() override;
};

class QtClockService : public ClockService {
  public:
    LocalDateTime Now() override;
};

// All the real services, for the running program.
class QtServices {
  public:
    void SetOwner(QWidget* owner) {
        messages_.SetOwner(owner);
        save_as_.SetOwner(owner);
    }
    Services& Get() { return services_; }

  private:
    QtMessageService messages_;
    QtSaveAsService save_as_;
    QtBusyCursorService busy_cursor_;
    QtClockService clock_;
    SpawnLauncher launcher_;
    Services services_{{messages_, save_as_, busy_cursor_, clock_}, launcher_};
};

// Qt's name-filter form of a filter: "label (pattern)".
QString ToQtFilter(const FileFilter& filter);

}  // namespace morvane
