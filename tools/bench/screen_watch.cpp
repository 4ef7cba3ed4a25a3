// SPDX-FileCopyrightText: 2026 The Morvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "screen_watch.h"

#include <poll.h>
#include <xcb/damage.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>

namespace morvane::bench {

double ToMs(Clock::time_point at) {
    return std::chrono::duration<double, std::milli>(at.time_since_epoch()).count();
}

double MonotonicMs() {
    return ToMs(Clock::now());
}

ScreenWatch::~ScreenWatch() {
    if (conn_ != nullptr) {
        xcb_disconnect(conn_);
    }
}

bool ScreenWatch::Open() {
    conn_ = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(conn_) != 0) {
        std::fputs("bench-launch: cannot connect to the X server ($DISPLAY)\n", stderr);
        return false;
    }
    const xcb_query_extension_reply_t* damage = xcb_get_extension_data(conn_, &xcb_damage_id);
    if (damage == nullptr || damage->present == 0) {
        std::fputs("bench-launch: the X server has no DAMAGE extension\n", stderr);
        return false;
    }
    damage_event_ = damage->first_event + XCB_DAMAGE_NOTIFY;
    std::free(xcb_damage_query_version_reply(
        conn_, xcb_damage_query_version(conn_, XCB_DAMAGE_MAJOR_VERSION, XCB_DAMAGE_MINOR_VERSION),
        nullptr));
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(conn_)).data;
    // Drawing into any window shows up as damage to the root window,
    // which holds the whole screen.
    xcb_damage_create(conn_, xcb_generate_id(conn_), screen->root,
                      XCB_DAMAGE_REPORT_LEVEL_RAW_RECTANGLES);
    // A window of our own whose property changes come back stamped with
    // the server time, to tie that time to the steady clock.
    probe_ = xcb_generate_id(conn_);
    const uint32_t mask = XCB_EVENT_MASK_PROPERTY_CHANGE;
    xcb_create_window(conn_, XCB_COPY_FROM_PARENT, probe_, screen->root, 0, 0, 1, 1, 0,
                      XCB_WINDOW_CLASS_INPUT_ONLY, XCB_COPY_FROM_PARENT, XCB_CW_EVENT_MASK, &mask);
    return Calibrate();
}

void ScreenWatch::Forget() {
    RoundTrip();
    while (xcb_generic_event_t* event = xcb_poll_for_queued_event(conn_)) {
        std::free(event);
    }
    last_damage_ = 0;
    seen_damage_ = false;
}

void ScreenWatch::Collect() {
    RoundTrip();
    while (xcb_generic_event_t* event = xcb_poll_for_queued_event(conn_)) {
        Note(event);
    }
}

bool ScreenWatch::WaitQuiet(int quiet_ms, int bound_ms) {
    const Clock::time_point give_up = Clock::now() + std::chrono::milliseconds(bound_ms);
    const auto quiet = std::chrono::milliseconds(quiet_ms);
    // Quiet counts from the arrival of the last damage event, or from now.
    while (NextDamage(Clock::now() + quiet)) {
        if (Clock::now() > give_up) {
            return false;
        }
    }
    // Whatever the server sent on the way in.
    Collect();
    return true;
}

bool ScreenWatch::WaitDamage(int bound_ms) {
    return NextDamage(Clock::now() + std::chrono::milliseconds(bound_ms));
}

double ScreenWatch::LastDamageMs() const {
    if (!seen_damage_) {
        return -1.0;
    }
    // Server times wrap at 2^32 ms; the difference is taken in that ring.
    const auto since = static_cast<int32_t>(last_damage_ - server_at_zero_);
    return zero_ms_ + since;
}

// The server stamps events with whole milliseconds of its clock. Of a
// few probes, the one with the shortest round trip ties the clocks best.
bool ScreenWatch::Calibrate() {
    double best_span = 1e9;
    for (int i = 0; i < 5; ++i) {
        const double before = MonotonicMs();
        const char byte = static_cast<char>(i);
        xcb_change_property(conn_, XCB_PROP_MODE_REPLACE, probe_, XCB_ATOM_WM_NAME, XCB_ATOM_STRING,
                            8, 1, &byte);
        xcb_flush(conn_);
        xcb_timestamp_t stamp = 0;
        bool got = false;
        while (!got) {
            xcb_generic_event_t* event = xcb_wait_for_event(conn_);
            if (event == nullptr) {
                std::fputs("bench-launch: lost the X server\n", stderr);
                return false;
            }
            if ((event->response_type & 0x7f) == XCB_PROPERTY_NOTIFY) {
                stamp = reinterpret_cast<xcb_property_notify_event_t*>(event)->time;
                got = true;
            }
            std::free(event);
        }
        const double after = MonotonicMs();
        if (after - before < best_span) {
            best_span = after - before;
            server_at_zero_ = stamp;
            // A stamp of n covers the server's millisecond [n, n + 1).
            zero_ms_ = (before + after) / 2.0 - 0.5;
        }
    }
    return true;
}

void ScreenWatch::RoundTrip() {
    std::free(xcb_get_input_focus_reply(conn_, xcb_get_input_focus(conn_), nullptr));
}

bool ScreenWatch::NextDamage(Clock::time_point deadline) {
    for (;;) {
        while (xcb_generic_event_t* event = xcb_poll_for_event(conn_)) {
            if (Note(event)) {
                return true;
            }
        }
        if (xcb_connection_has_error(conn_) != 0) {
            return false;
        }
        const auto left =
            std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now()).count();
        if (left <= 0) {
            return false;
        }
        pollfd watch{xcb_get_file_descriptor(conn_), POLLIN, 0};
        if (poll(&watch, 1, static_cast<int>(left)) < 0 && errno != EINTR) {
            return false;
        }
    }
}

bool ScreenWatch::Note(xcb_generic_event_t* event) {
    const bool damage = (event->response_type & 0x7f) == damage_event_;
    if (damage) {
        last_damage_ = reinterpret_cast<xcb_damage_notify_event_t*>(event)->timestamp;
        seen_damage_ = true;
    }
    std::free(event);
    return damage;
}

}  // namespace morvane::bench
