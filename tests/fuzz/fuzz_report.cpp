// SPDX-FileCopyrightText: 2026 The Morvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Report composition and the CR LF conversion on arbitrary field texts.
//
// A body or header built from empty fields is exactly its fixed labels, so
// with real fields it must grow by exactly their lengths: no field dropped,
// repeated, cut or escaped. The file text must be the composed text with a
// CR put before each LF and nothing else changed.

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "report/report.h"
#include "report/report_file.h"

namespace {

void Check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

void CheckCrLf(std::string_view text) {
    const std::string out = morvane::ToCrLf(text);
    const auto lf_count = static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
    Check(out.size() == text.size() + lf_count);

    // Every LF in the output has its own CR in front; dropping exactly those
    // CRs must give back the input byte for byte.
    std::string restored;
    restored.reserve(text.size());
    for (std::size_t i = 0; i < out.size(); ++i) {
        if (out[i] == '\n') {
            Check(i > 0 && out[i - 1] == '\r');
        }
        const bool cr_of_lf = out[i] == '\r' && i + 1 < out.size() && out[i + 1] == '\n';
        if (!cr_of_lf) {
            restored += out[i];
        }
    }
    Check(restored == text);

    // The last line keeps whatever end the composed text gave it.
    if (text.empty()) {
        Check(out.empty());
    } else if (text.back() == '\n') {
        Check(out.ends_with("\r\n"));
    } else {
        Check(out.back() == text.back());
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider provider(data, size);
    const std::string date = provider.ConsumeRandomLengthString();
    const std::string time = provider.ConsumeRandomLengthString();
    const std::string name = provider.ConsumeRandomLengthString();
    const std::string number = provider.ConsumeRandomLengthString();
    const std::string day = provider.ConsumeRandomLengthString();
    const std::string month = provider.ConsumeRandomLengthString();
    const std::string year = provider.ConsumeRandomLengthString();
    const std::string birth_number = provider.ConsumeRandomLengthString();
    const std::string destiny_number = provider.ConsumeRandomLengthString();
    const std::string birth_text = provider.ConsumeRandomLengthString();
    const std::string destiny_text = provider.ConsumeRandomLengthString();
    const std::string interpretation = provider.ConsumeRemainingBytesAsString();

    const std::string header = morvane::ReportHeader(date, time);
    Check(header.size() == morvane::ReportHeader("", "").size() + date.size() + time.size());

    const std::string name_body = morvane::NameReportBody(name, number, interpretation);
    Check(name_body.size() == morvane::NameReportBody("", "", "").size() + name.size() +
                                  number.size() + interpretation.size());
    Check(name_body.ends_with(interpretation));

    const morvane::BirthReportFields birth{
        day, month, year, birth_number, destiny_number, birth_text, destiny_text};
    const std::string birth_body = morvane::BirthReportBody(birth);
    Check(birth_body.size() == morvane::BirthReportBody({}).size() + day.size() + month.size() +
                                   year.size() + birth_number.size() + destiny_number.size() +
                                   birth_text.size() + destiny_text.size());
    Check(birth_body.ends_with(destiny_text));

    const std::string number_body = morvane::NumberReportBody(number, interpretation);
    Check(number_body.size() ==
          morvane::NumberReportBody("", "").size() + number.size() + interpretation.size());
    Check(number_body.ends_with(interpretation));

    // A saved report is the header followed by one body.
    for (const std::string* body : {&name_body, &birth_body, &number_body}) {
        CheckCrLf(header + *body);
    }
    CheckCrLf(std::string_view(reinterpret_cast<const char*>(data), size));
    return 0;
}
