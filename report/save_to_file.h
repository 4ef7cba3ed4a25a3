#pragma once

// Save To File: the one procedure behind the button of every analysis page.
// A page differs only by its ReportLayout.

#include <functional>
#include <string>
#include <vector>

#include "report/services.h"

namespace morvane {

using FieldTexts = std::vector<std::string>;

struct ReportLayout {
    int required_field;       // nothing to save while this field is empty
    std::vector<int> fields;  // the fields the body takes, in the order it takes them
    std::string (*compose)(const FieldTexts& texts);  // the page's body from those texts
    MessageIcon create_failure_icon;                  // icon of "Unable to create file"
};

// The Save As settings every page uses.
SaveAsRequest ReportSaveAsRequest();

// Asks for a file and writes the report of the page's current field texts;
// every failure is shown to the user through `services`.
void SaveToFile(const ReportLayout& layout, const std::function<std::string(int)>& read_field,
                ReportServices& services);

}  // namespace morvane
