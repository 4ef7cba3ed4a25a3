#pragma once

#include "ui/framework/win_app.h"

namespace morvane {

class CMorvaneApp : public CWinApp {
  protected:
    bool InitInstance() override;
};

}  // namespace morvane
