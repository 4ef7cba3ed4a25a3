// SPDX-FileCopyrightText: 2026 The Morvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/framework/win_app.h"

namespace morvane {

class CMorvaneApp : public CWinApp {
  protected:
    bool InitInstance() override;
};

}  // namespace morvane
