// SPDX-FileCopyrightText: 2026 The Morvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The pictures as the build drew them (see tools/embed_artwork.cpp), defined
// in a source file the build writes.

#include <span>

namespace morvane {

// One image as premultiplied ARGB32 pixels in this machine's byte order,
// rows packed without padding.
struct ShippedImage {
    int side;                   // width and height, in device pixels
    double device_pixel_ratio;  // 1.0 for the icons
    const unsigned char* pixels;
};

// The logo at each screen scale the build drew it for.
std::span<const ShippedImage> ShippedLogos();
// The window icon at each of its sizes.
std::span<const ShippedImage> ShippedButterflies();

}  // namespace morvane
