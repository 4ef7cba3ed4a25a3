// SPDX-FileCopyrightText: 2026 The Morvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Times what a person does in Morvane's window from the keyboard: keys in
// the name field, Analyse Now, the working tip, the first switch to each
// tab and a second one back and forth. Each is timed from the moment the
// key goes to the X server to the last drawing it causes, as the server
// stamps it.

#include "screen_watch.h"

namespace morvane::bench {

// Runs the interactions on the window that has just shown its first frame;
// prints "<milliseconds> <what>" for each. False (after a message on
// stderr) when one cannot be done or never stops drawing.
bool RunInteractions(ScreenWatch& screen);

}  // namespace morvane::bench
