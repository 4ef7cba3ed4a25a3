#pragma once

// Character Values: the value of every letter, as the name number counts it.

#include "ui/property_page.h"

namespace morvane {

class CCharVals : public CPropertyPage {
  public:
    CCharVals();
};

}  // namespace morvane
