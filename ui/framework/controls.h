// SPDX-FileCopyrightText: 2026 The Morvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The widget a control table row makes, as the classic dialog manager drew
// each kind; where it stands and what it reports is the page's business.

#include <QPixmap>
#include <functional>
#include <string_view>

#include "ui/framework/control_table.h"

class QPlainTextEdit;
class QWidget;

namespace morvane {

// Draws a picture for a device pixel ratio.
using PictureFunction = std::function<QPixmap(qreal device_pixel_ratio)>;
// Makes Picture rows whose text is `name` show what `draw` gives.
void RegisterPicture(std::string_view name, PictureFunction draw);

// The widget for `row`, a child of `parent`; a TextBox row dresses
// `text_box`, which the caller made. Its accessible name is the caller's.
QWidget* MakeControl(const ControlSpec& row, QWidget* parent, QPlainTextEdit* text_box);

}  // namespace morvane
