// SPDX-FileCopyrightText: 2026 The Morvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What a screen reader learns about a tab bar: a page tab list whose shown
// page's tab is the selected one. Qt 6.4's own interface marks that tab as
// focused instead, wherever the keyboard is, so a screen reader hears of no
// selected tab and of two focused controls at once. Proved through the
// AT-SPI bus by tests/e2e/a11y_bus.sh; it can go once Qt's own tab bar
// interface reports the shown tab as selected.

namespace morvane {

// Makes every QTabBar of the program use this interface; calling it again
// does nothing.
void InstallAccessibleTabBar();

}  // namespace morvane
