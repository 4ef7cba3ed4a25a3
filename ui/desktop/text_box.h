// SPDX-FileCopyrightText: 2026 The Morvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The pages' multi-line text box. At a fractional scale (125 %, 150 %) its
// edges fall between device pixels: the style's frame line then lands on a
// pixel outside the box's clip, or under its viewport and scroll bar, which
// are rounded on their own and paint over it. So the box draws its frame
// itself, on the outermost whole device pixels it owns, from a layer above
// its children. Proved by EveryTextBoxFrameIsWholeAtTheScreenScale in
// ui_layout_test (run at 1, 1.25, 1.5 and 1.75); it can go once Qt's frames
// snap to whole device pixels at fractional scales.

#include <QPlainTextEdit>

class QPainter;

namespace morvane {

class TextBox : public QPlainTextEdit {
  public:
    explicit TextBox(QWidget* parent);

    // The style's frame for this box, in device pixels.
    void DrawFrame(QPainter& painter, const QRect& device_rect) const;

  protected:
    bool event(QEvent* event) override;

  private:
    QWidget* frame_ = nullptr;
};

}  // namespace morvane
