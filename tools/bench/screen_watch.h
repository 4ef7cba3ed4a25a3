// SPDX-FileCopyrightText: 2026 The Morvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The benchmark's view of the screen: every drawing on it, stamped with the
// X server's own time and mapped onto this process's steady clock.

#include <xcb/xcb.h>

#include <chrono>
#include <cstdint>

namespace morvane::bench {

using Clock = std::chrono::steady_clock;

// Milliseconds on the steady clock.
double MonotonicMs();
double ToMs(Clock::time_point at);

// Watches the whole screen for drawing, and maps the server's millisecond
// timestamps onto this process's steady clock.
class ScreenWatch {
  public:
    ScreenWatch() = default;
    ScreenWatch(const ScreenWatch&) = delete;
    ScreenWatch& operator=(const ScreenWatch&) = delete;
    ~ScreenWatch();

    bool Open();

    // Forgets the damage seen so far (the screen before the program).
    void Forget();

    // Collects every damage event the server has sent up to now.
    void Collect();

    // Waits until nothing has been drawn for `quiet_ms`, collecting what is;
    // false when the drawing has not stopped after `bound_ms`.
    bool WaitQuiet(int quiet_ms, int bound_ms);

    // Waits up to `bound_ms` for the next drawing; false when none came.
    bool WaitDamage(int bound_ms);

    // The steady-clock time of the last damage collected (the start of the
    // server millisecond it was stamped with), or a negative value.
    double LastDamageMs() const;

    // For requests of the caller's own (the keyboard, the input focus).
    xcb_connection_t* Connection() const { return conn_; }

  private:
    bool Calibrate();
    void RoundTrip();
    // Reads events until a damage event has arrived (true) or the steady
    // clock passes `deadline` (false).
    bool NextDamage(Clock::time_point deadline);
    // Notes a damage event and frees `event`; true if it was one.
    bool Note(xcb_generic_event_t* event);

    xcb_connection_t* conn_ = nullptr;
    xcb_window_t probe_ = 0;
    uint8_t damage_event_ = 0;
    xcb_timestamp_t server_at_zero_ = 0;
    double zero_ms_ = 0.0;
    xcb_timestamp_t last_damage_ = 0;
    bool seen_damage_ = false;
};

}  // namespace morvane::bench
