#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Morvane developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Reading the interpretation by keyboard in a window whose pages scroll.

caret.py WINDOW X Y WIDTH HEIGHT

With the program running, accessible, on the session's X display and bus,
its window WINDOW's inside at X Y WIDTH HEIGHT on the screen and its
interpretation box filled: Tab into the box, then Page Down and Ctrl+End,
pressed with xdotool as a person presses them. The bus tells where the
focus is and that the caret moved. Where the caret is drawn, the screen
tells: Qt reports a plain text box's character extents as if it never
scrolled inside, so the bus cannot. A caret shows only in the window with
the keyboard (and in this read-only box it does not blink): while another
window takes the keyboard for a moment, the one thing that goes from the
part of the box the page shows is the caret, a thin upright line, which
must have been there whole. Exits non-zero with what it saw.
"""

import struct
import subprocess
import sys

import pyatspi

from a11y_bus import CONTAINERS, MAIN_TITLE, application, descendants, poll, states

KEYS = ["Page_Down", "Page_Down", "ctrl+End"]


def extents(accessible):
    e = accessible.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return (e.x, e.y, e.x + e.width, e.y + e.height)


def meet(a, b):
    return (max(a[0], b[0]), max(a[1], b[1]), min(a[2], b[2]), min(a[3], b[3]))


def focused(window):
    """The control with the keyboard; the containers around it say so too."""
    for accessible in descendants(window):
        if pyatspi.STATE_FOCUSED in states(accessible) and \
                accessible.getRoleName() not in CONTAINERS:
            return accessible
    return None


def press(key):
    subprocess.run(["xdotool", "key", key], check=True)


class Screen:
    """The rows of the screen within `area` (left, top, right, bottom)."""

    def __init__(self, area):
        dump = subprocess.run(["xwd", "-root", "-silent"], check=True,
                              stdout=subprocess.PIPE).stdout
        header = struct.unpack(">25I", dump[:100])
        size, bits, stride, colours = header[0], header[11], header[12], header[19]
        self.pixel = bits // 8
        start = size + 12 * colours
        # What lies past the screen's edge is not seen.
        self.left, top = area[:2]
        right, bottom = min(area[2], header[4]), min(area[3], header[5])
        self.rows = [dump[start + y * stride + self.left * self.pixel:
                          start + y * stride + right * self.pixel]
                     for y in range(top, bottom)]
        self.top = top

    def changed(self, other):
        """The box around the pixels that differ from other's, or None."""
        rows = [y for y, (a, b) in enumerate(zip(self.rows, other.rows)) if a != b]
        if not rows:
            return None
        columns = set()
        for y in rows:
            a, b = self.rows[y], other.rows[y]
            columns.update(x // self.pixel for x in range(0, len(a), self.pixel)
                           if a[x:x + self.pixel] != b[x:x + self.pixel])
        return (self.left + min(columns), self.top + rows[0],
                self.left + max(columns) + 1, self.top + rows[-1] + 1)


def main(args):
    window_id = args[0]
    x, y, width, height = map(int, args[1:])
    window = poll(lambda: next((w for w in application() or [] if w.name == MAIN_TITLE), None),
                  "the main window", seconds=30)
    box = poll(lambda: next((a for a in descendants(window)
                             if pyatspi.STATE_MULTI_LINE in states(a)
                             and a.name == "Interpretation"
                             and a.queryText().characterCount), None),
               "an interpretation to read")
    # The page holding the box, and the scrolling area's view of it. A page
    # that does not scroll needs no following: the case is none of this
    # check's.
    page = box.parent
    view = page.parent
    if extents(page)[3] <= extents(view)[3] + 1:
        sys.exit("the page does not scroll: page {}, its view {}".format(
            extents(page), extents(view)))

    # Tab until the box has the keyboard.
    was = focused(window)
    for _ in range(12):
        if was is not None and was.name == "Interpretation" and \
                pyatspi.STATE_MULTI_LINE in states(was):
            break
        press("Tab")
        was = poll(lambda: (lambda now: now if now is not None and now != was else None)(
            focused(window)), "Tab to move the focus from {}".format(
                was.name if was is not None else "nowhere"))
    else:
        sys.exit("Tab never reached the interpretation box")

    # Qt reports its own pixels; the screen has the scale's.
    inside = extents(window)
    ratio = width / (inside[2] - inside[0])

    def on_screen(rect):
        return tuple(round(v) for v in (x + (rect[0] - inside[0]) * ratio,
                                        y + (rect[1] - inside[1]) * ratio,
                                        x + (rect[2] - inside[0]) * ratio,
                                        y + (rect[3] - inside[1]) * ratio))

    text = box.queryText()
    line = text.getCharacterExtents(0, pyatspi.DESKTOP_COORDS)[3] * ratio
    window_area = (x, y, x + width, y + height)

    def settled():
        """Until two looks in a row agree: the page has stopped moving."""
        looks = [Screen(window_area)]

        def still():
            looks.append(Screen(window_area))
            del looks[:-2]
            return looks[1].changed(looks[0]) is None

        poll(still, "the window to settle")

    def has_keyboard(want):
        return (pyatspi.STATE_FOCUSED in states(box)) == want

    offset = text.caretOffset
    for key in KEYS:
        press(key)
        try:
            offset = poll(lambda: (lambda now: now if now != offset else None)(
                text.caretOffset), key + " to move the caret")
        except AssertionError as error:
            sys.exit("after {}: {}".format(key, error))
        settled()
        shown = on_screen(meet(meet(extents(box), extents(view)), inside))
        with_caret = Screen(shown)
        # Another window, in the screen's corner, takes the keyboard for a
        # moment: in the box's shown part the caret goes, and nothing else.
        other = subprocess.Popen(["xmessage", "-geometry", "+0+0", "-timeout", "30", "."],
                                 stderr=subprocess.DEVNULL)
        try:
            poll(lambda: has_keyboard(False), "another window to take the keyboard")
            seen = [None]

            def whole_caret():
                # A thin upright line, as tall as a line of text: cut by the
                # edge of the page's view, it is shorter.
                caret = seen[0] = Screen(shown).changed(with_caret)
                return caret is not None and caret[3] - caret[1] >= 0.9 * line and \
                    caret[2] - caret[0] <= 2 + 2 * ratio

            try:
                poll(whole_caret, "the caret")
            except AssertionError:
                sys.exit("after {}: the caret (offset {}) {}; the box shows at {} on the "
                         "screen, the page's view at {}".format(
                             key, offset,
                             "is drawn nowhere there" if seen[0] is None
                             else "is not a whole line there: {}".format(seen[0]),
                             shown, on_screen(extents(view))))
            caret = seen[0]
        finally:
            other.kill()
            other.wait()
        print("after {}: caret at offset {}, drawn at {}, in the box's shown part {}".format(
            key, offset, caret, shown))
        subprocess.run(["xdotool", "windowactivate", "--sync", window_id], check=True)
        poll(lambda: has_keyboard(True), "the window to take the keyboard back")


if __name__ == "__main__":
    main(sys.argv[1:])
