// SPDX-FileCopyrightText: 2026 The Morvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The command's output: a buffered writer that remembers a failed write, and
// records written as text for people, CSV (RFC 4180) or JSON lines.

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace morvane::cli {

class Output {
  public:
    // `sink` writes all it is given or returns false.
    using Sink = std::function<bool(std::string_view)>;
    explicit Output(Sink sink) : sink_(std::move(sink)) {}
    void Put(std::string_view text);
    // False once any write has failed; nothing is written after that.
    bool Flush();
    bool failed() const { return failed_; }

  private:
    Sink sink_;
    std::string buffer_;
    bool failed_ = false;
};

enum class Format { Text, Csv, Json };

struct Field {
    std::string_view key;    // the CSV column and the JSON member
    std::string_view label;  // what a person reads in the text format
    std::string value;
    enum Kind { String, Number, Boolean } kind = String;
};
using Record = std::vector<Field>;

// Writes one record after another; the CSV header comes with the first.
class RecordWriter {
  public:
    // `wrap_width` 0 writes each text value on one line.
    RecordWriter(Output& out, Format format, std::size_t wrap_width)
        : out_(out), format_(format), wrap_width_(wrap_width) {}
    void Write(const Record& record);

  private:
    void WriteText(const Record& record);
    Output& out_;
    Format format_;
    std::size_t wrap_width_;
    bool first_ = true;
};

// Characters, not bytes, of valid UTF-8.
std::size_t DisplayWidth(std::string_view text);
// A field quoted for CSV only when it has to be.
std::string CsvField(std::string_view value);
// A JSON string literal; the text is valid UTF-8.
std::string JsonString(std::string_view value);
// Words filled into lines of at most `width` characters, the first line
// continuing after `indent` columns already written and each further line
// indented by as many spaces.
std::string Wrap(std::string_view text, std::size_t width, std::size_t indent);

}  // namespace morvane::cli
