#pragma once

// What the three analysis pages (name, birth date, number) have in common:
// the help button, the clearing of their fields whenever the page is shown
// or hidden, the focus on their first field and the empty-field warning.

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include "ui/property_page.h"

namespace morvane {

struct AnalysisPageInfo {
    int first_field;                  // takes the focus on show, after help, ...
    std::vector<int> cleared_fields;  // emptied, in this order, on every show and hide
    int help_button;
    std::int32_t help_text;  // catalogue id of the help message
};

class CAnalysisPage : public CPropertyPage {
  protected:
    CAnalysisPage(std::string_view caption, std::span<const ControlSpec> layout,
                  AnalysisPageInfo info);

    bool OnInitDialog() override;
    void OnShowWindow() override;

    // False, after warning and focusing the field, when `text` is empty.
    bool CheckNotEmpty(const std::string& text, int field);

  private:
    void OnHelp();

    AnalysisPageInfo info_;
};

}  // namespace morvane
