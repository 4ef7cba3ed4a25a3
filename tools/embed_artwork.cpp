// SPDX-FileCopyrightText: 2026 The Morvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Draws the logo and the window icon as the program would at start-up and
// writes them as a C++ source of pixel arrays: morvane_embed_artwork <file>.
// Compiled into the program, they spare every start-up the drawing and the
// logo's font engine; the program still draws at a scale not listed here.

#include <QGuiApplication>
#include <QImage>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "ui/artwork/artwork.h"

namespace {

// The scales desktops offer in their settings.
constexpr double kLogoScales[] = {1.0, 1.25, 1.5, 1.75, 2.0};
constexpr int kButterflySizes[] = {16, 32, 64};

struct Entry {
    std::string name;
    int side;
    double dpr;
};

void WriteArray(std::ofstream& out, const std::string& name, const QImage& image) {
    out << "alignas(4) const unsigned char " << name << "[] = {";
    const auto* bytes = image.constBits();
    const auto count = static_cast<std::size_t>(image.sizeInBytes());
    for (std::size_t i = 0; i < count; ++i) {
        out << (i % 32 == 0 ? "\n" : "") << static_cast<unsigned>(bytes[i]) << ',';
    }
    out << "\n};\n";
}

void WriteTable(std::ofstream& out, const char* table, const std::vector<Entry>& entries) {
    out << "constexpr ShippedImage " << table << "[] = {\n";
    char dpr[32];
    for (const Entry& entry : entries) {
        std::snprintf(dpr, sizeof dpr, "%.17g", entry.dpr);
        out << "    {" << entry.side << ", " << dpr << ", " << entry.name << "},\n";
    }
    out << "};\n";
}

}  // namespace

int main(int argc, char** argv) {
    const QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: morvane_embed_artwork <file.cpp>\n");
        return 2;
    }
    std::ofstream out(argv[1], std::ios::trunc);
    out << "// Written by the build (morvane_embed_artwork) from ui/artwork/artwork.cpp.\n"
           "#include \"ui/artwork/shipped.h\"\n\nnamespace morvane {\nnamespace {\n";
    std::vector<Entry> logos;
    for (const double scale : kLogoScales) {
        const QImage image = morvane::PaintedLogo(scale);
        logos.push_back({"kLogo" + std::to_string(logos.size()), image.width(), scale});
        WriteArray(out, logos.back().name, image);
    }
    std::vector<Entry> butterflies;
    for (const int size : kButterflySizes) {
        const QImage image = morvane::PaintedButterfly(size);
        butterflies.push_back({"kButterfly" + std::to_string(size), size, 1.0});
        WriteArray(out, butterflies.back().name, image);
    }
    WriteTable(out, "kLogos", logos);
    WriteTable(out, "kButterflies", butterflies);
    out << "}  // namespace\n\n"
           "std::span<const ShippedImage> ShippedLogos() {\n    return kLogos;\n}\n\n"
           "std::span<const ShippedImage> ShippedButterflies() {\n    return kButterflies;\n}\n\n"
           "}  // namespace morvane\n";
    out.close();
    if (!out) {
        std::fprintf(stderr, "morvane_embed_artwork: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
