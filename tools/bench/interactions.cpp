// SPDX-FileCopyrightText: 2026 The Morvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "interactions.h"

#include <X11/keysym.h>
#include <xcb/xtest.h>

#include <cstdio>
#include <cstdlib>
#include <thread>
#include <vector>

namespace morvane::bench {
namespace {

// Drawing that stops for this long is done: far longer than any pause in
// the drawing of one change, far shorter than a text cursor's blink.
constexpr int kQuietMs = 100;
// A text cursor blinks every half of Qt's flash time (1000 ms by default):
// after a quiet spell, waiting this long tells whether one is blinking.
constexpr int kBlinkBoundMs = 500 - kQuietMs + 50;
// An interaction whose drawing has not stopped by then has failed.
constexpr int kSettleBoundMs = 5000;

// One step: the keys of a chord, pressed in order and released in reverse,
// and what it is (null for a step that only leads to the next).
struct Step {
    const char* what;
    std::vector<xcb_keysym_t> keys;
};

// Start on the name page with the name field focused. Tab moves the focus
// on a control; Ctrl+Tab goes on to the next tab, from the last back to the
// first.
const Step kSteps[] = {
    {"first key typed in the name field", {XK_j}},
    {"next key typed in the name field", {XK_o}},
    {"Enter: Analyse Now on the name page", {XK_Return}},
    {nullptr, {XK_Tab}},  // Analyse Now
    {nullptr, {XK_Tab}},  // How does this work?
    {nullptr, {XK_Tab}},  // the interpretation
    {"working tip shown on keyboard focus", {XK_Tab}},
    {"first switch to Birth/Destiny Number", {XK_Control_L, XK_Tab}},
    {"first switch to Interpret Number", {XK_Control_L, XK_Tab}},
    {"first switch to Character Values", {XK_Control_L, XK_Tab}},
    {"first switch to About Us", {XK_Control_L, XK_Tab}},
    {"second switch to Name Interpretation", {XK_Control_L, XK_Tab}},
    {"second switch to Birth/Destiny Number", {XK_Control_L, XK_Tab}},
};

// Sends key presses through the X server's test extension, as a keyboard
// would: the program receives them as ordinary key events.
class Keyboard {
  public:
    explicit Keyboard(xcb_connection_t* conn) : conn_(conn) {}

    bool Open() {
        const xcb_query_extension_reply_t* xtest = xcb_get_extension_data(conn_, &xcb_test_id);
        if (xtest == nullptr || xtest->present == 0) {
            std::fputs("bench-launch: the X server has no XTEST extension\n", stderr);
            return false;
        }
        const xcb_setup_t* setup = xcb_get_setup(conn_);
        first_ = setup->min_keycode;
        xcb_get_keyboard_mapping_reply_t* map = xcb_get_keyboard_mapping_reply(
            conn_,
            xcb_get_keyboard_mapping(conn_, first_, setup->max_keycode - setup->min_keycode + 1),
            nullptr);
        if (map == nullptr) {
            std::fputs("bench-launch: cannot read the keyboard mapping\n", stderr);
            return false;
        }
        per_code_ = map->keysyms_per_keycode;
        const xcb_keysym_t* syms = xcb_get_keyboard_mapping_keysyms(map);
        syms_.assign(syms, syms + xcb_get_keyboard_mapping_keysyms_length(map));
        std::free(map);
        root_ = xcb_setup_roots_iterator(setup).data->root;
        return true;
    }

    // Queues the chord's presses and releases; the caller flushes them.
    bool Queue(const std::vector<xcb_keysym_t>& keys) {
        std::vector<xcb_keycode_t> codes;
        for (const xcb_keysym_t key : keys) {
            const xcb_keycode_t code = CodeOf(key);
            if (code == 0) {
                std::fprintf(stderr, "bench-launch: no key for keysym 0x%x\n", key);
                return false;
            }
            codes.push_back(code);
        }
        for (const xcb_keycode_t code : codes) {
            Fake(XCB_KEY_PRESS, code);
        }
        while (!codes.empty()) {
            Fake(XCB_KEY_RELEASE, codes.back());
            codes.pop_back();
        }
        return true;
    }

  private:
    // The first key code that gives `key` without a modifier, else with one.
    xcb_keycode_t CodeOf(xcb_keysym_t key) const {
        for (std::size_t column = 0; column < per_code_; ++column) {
            for (std::size_t i = column; i < syms_.size(); i += per_code_) {
                if (syms_[i] == key) {
                    return static_cast<xcb_keycode_t>(first_ + i / per_code_);
                }
            }
        }
        return 0;
    }

    void Fake(uint8_t type, xcb_keycode_t code) {
        xcb_test_fake_input(conn_, type, code, XCB_CURRENT_TIME, root_, 0, 0, 0);
    }

    xcb_connection_t* conn_;
    xcb_window_t root_ = 0;
    xcb_keycode_t first_ = 0;
    std::size_t per_code_ = 1;
    std::vector<xcb_keysym_t> syms_;
};

// Waits until some window of the program has the keyboard; without a
// window manager, Qt hands it to the window it shows.
bool WaitForFocus(xcb_connection_t* conn) {
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(conn)).data->root;
    for (int i = 0; i < kSettleBoundMs / 10; ++i) {
        xcb_get_input_focus_reply_t* reply =
            xcb_get_input_focus_reply(conn, xcb_get_input_focus(conn), nullptr);
        const xcb_window_t focus = reply != nullptr ? reply->focus : XCB_NONE;
        std::free(reply);
        if (focus != XCB_NONE && focus != XCB_INPUT_FOCUS_POINTER_ROOT && focus != root) {
            return true;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    std::fputs("bench-launch: the program's window never got the keyboard\n", stderr);
    return false;
}

}  // namespace

bool RunInteractions(ScreenWatch& screen) {
    xcb_connection_t* conn = screen.Connection();
    Keyboard keyboard(conn);
    if (!keyboard.Open() || !WaitForFocus(conn)) {
        return false;
    }
    for (const Step& step : kSteps) {
        if (!screen.WaitQuiet(kQuietMs, kSettleBoundMs)) {
            std::fputs("bench-launch: the program's window never stops drawing\n", stderr);
            return false;
        }
        // A blinking text cursor draws every half second; starting just
        // after a blink keeps the next one out of the measured drawing.
        if (step.what != nullptr && screen.WaitDamage(kBlinkBoundMs)) {
            screen.WaitQuiet(1, kQuietMs);
        }
        screen.Forget();
        if (!keyboard.Queue(step.keys)) {
            return false;
        }
        const double sent_ms = MonotonicMs();
        xcb_flush(conn);
        // Every step draws; a slow start of the drawing (the machine busy
        // elsewhere) must not pass for its end.
        const char* what = step.what != nullptr ? step.what : "a step between";
        if (!screen.WaitDamage(kSettleBoundMs)) {
            std::fprintf(stderr, "bench-launch: nothing was drawn after: %s\n", what);
            return false;
        }
        if (!screen.WaitQuiet(kQuietMs, kSettleBoundMs)) {
            std::fprintf(stderr, "bench-launch: drawing never stopped after: %s\n", what);
            return false;
        }
        if (step.what == nullptr) {
            continue;
        }
        const double drawn_ms = screen.LastDamageMs();
        // The damage fell somewhere in its whole server millisecond, whose
        // start LastDamageMs gives: its middle is the fair estimate.
        std::printf("%.2f %s\n", drawn_ms + 0.5 - sent_ms, step.what);
    }
    return true;
}

}  // namespace morvane::bench
