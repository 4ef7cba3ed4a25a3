// SPDX-FileCopyrightText: 2026 The Morvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Micro-benchmarks of the arithmetic and the report on the longest texts a
// field holds (32,767 characters): each should stay far below a millisecond.

#include <benchmark/benchmark.h>

#include <string>

#include "catalogue/catalogue.h"
#include "engine/numerology.h"
#include "report/report.h"
#include "report/report_file.h"

namespace {

constexpr std::size_t kFieldLimit = 32767;

std::string LongName() {
    std::string name;
    const std::string pattern = "john smith, Mary-Ann 2nd; ";
    while (name.size() < kFieldLimit) {
        name += pattern;
    }
    name.resize(kFieldLimit);
    return name;
}

void BM_NameNumber(benchmark::State& state) {
    const std::string name = LongName();
    for (auto _ : state) {  // NOLINT(clang-analyzer-deadcode.DeadStores): the library's loop
        benchmark::DoNotOptimize(morvane::NameNumber(name));
    }
}
BENCHMARK(BM_NameNumber);

void BM_TextToInt(benchmark::State& state) {
    const std::string digits(kFieldLimit, '7');
    for (auto _ : state) {  // NOLINT(clang-analyzer-deadcode.DeadStores): the library's loop
        benchmark::DoNotOptimize(morvane::TextToInt(digits));
    }
}
BENCHMARK(BM_TextToInt);

void BM_ComposeReport(benchmark::State& state) {
    const std::string name = LongName();
    const std::string_view text = morvane::LoadText(112);
    for (auto _ : state) {  // NOLINT(clang-analyzer-deadcode.DeadStores): the library's loop
        std::string report = morvane::ReportHeader("03/05/02", "14:07:09");
        report += morvane::NameReportBody(name, "18", text);
        benchmark::DoNotOptimize(morvane::ToCrLf(report));
    }
}
BENCHMARK(BM_ComposeReport);

}  // namespace

BENCHMARK_MAIN();
