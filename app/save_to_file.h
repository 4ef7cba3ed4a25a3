// SPDX-FileCopyrightText: 2026 The Morvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Save To File: the one procedure behind the button of every analysis page.
// A page differs only by its ReportLayout.

#include <functional>
#include <string>

#include "app/services.h"

namespace morvane {

// A field's current text, by control id.
using FieldReader = std::function<std::string(int id)>;

struct ReportLayout {
    int required_field;  // nothing to save while this field is empty
    // The page's body, reading its fields by id in the order the report
    // takes them.
    std::string (*compose)(const FieldReader& field);
    MessageIcon create_failure_icon;  // icon of "Unable to create file"
};

// The Save As settings every page uses.
SaveAsRequest ReportSaveAsRequest();

// Asks for a file and writes the report of the page's current field texts;
// every failure is shown to the user through `services`.
void SaveToFile(const ReportLayout& layout, const FieldReader& read_field,
                ReportServices& services);

}  // namespace morvane
