// SPDX-FileCopyrightText: 2026 The Morvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The pages' multi-line text box. At 125 or 150 % its edges fall between
// device pixels: the style's frame line lands outside the box's clip, or
// under its viewport and scroll bar, rounded on their own, that paint over
// it. So the box draws its frame on its outermost whole device pixels, from
// a layer above its children. Proved in ui_layout_test (at 1, 1.25, 1.5,
// 1.75) by EveryTextBoxFrameIsWholeAtTheScreenScale; it can go once Qt's
// frames snap to whole device pixels at fractional scales.

class QPlainTextEdit;
class QWidget;

namespace morvane {

QPlainTextEdit* NewTextBox(QWidget* parent);

}  // namespace morvane
