// SPDX-FileCopyrightText: 2026 The Morvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/format.h"

#include <algorithm>
#include <array>
#include <cstdio>

namespace morvane::cli {
namespace {

constexpr std::size_t kBufferSize = 1 << 16;

}  // namespace

// A continuation byte adds nothing to the width.
std::size_t DisplayWidth(std::string_view text) {
    return static_cast<std::size_t>(std::ranges::count_if(
        text, [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

void Output::Put(std::string_view text) {
    if (failed_) {
        return;
    }
    buffer_ += text;
    if (buffer_.size() >= kBufferSize) {
        Flush();
    }
}

bool Output::Flush() {
    if (!failed_ && !buffer_.empty()) {
        failed_ = !sink_(buffer_);
        buffer_.clear();
    }
    return !failed_;
}

std::string CsvField(std::string_view value) {
    if (value.find_first_of(",\"\r\n") == std::string_view::npos) {
        return std::string(value);
    }
    std::string out = "\"";
    for (const char c : value) {
        out += c;
        if (c == '"') {
            out += '"';
        }
    }
    return out + "\"";
}

std::string JsonString(std::string_view value) {
    std::string out = "\"";
    for (const char c : value) {
        switch (c) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            default:
                if (static_cast<unsigned char>(c) < 0x20) {
                    std::array<char, 8> escape{};
                    std::snprintf(escape.data(), escape.size(), "\\u%04x", c);
                    out += escape.data();
                } else {
                    out += c;
                }
        }
    }
    return out + "\"";
}

std::string Wrap(std::string_view text, std::size_t width, std::size_t indent) {
    std::string out;
    std::size_t column = indent;
    bool line_empty = true;
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t end = std::min(text.find(' ', at), text.size());
        const std::string_view word = text.substr(at, end - at);
        at = end + 1;
        if (word.empty()) {
            continue;
        }
        const std::size_t word_width = DisplayWidth(word);
        if (!line_empty && column + 1 + word_width > width) {
            out += '\n';
            out.append(indent, ' ');
            column = indent;
            line_empty = true;
        }
        if (!line_empty) {
            out += ' ';
            ++column;
        }
        out += word;
        column += word_width;
        line_empty = false;
    }
    return out;
}

void RecordWriter::WriteText(const Record& record) {
    std::size_t label_width = 0;
    for (const Field& field : record) {
        label_width = std::max(label_width, DisplayWidth(field.label));
    }
    const std::size_t indent = label_width + 2;
    if (!first_) {
        out_.Put("\n");
    }
    for (const Field& field : record) {
        std::string line(field.label);
        line += ':';
        line.append(indent - DisplayWidth(field.label) - 1, ' ');
        line += wrap_width_ > indent ? Wrap(field.value, wrap_width_, indent) : field.value;
        out_.Put(line);
        out_.Put("\n");
    }
}

void RecordWriter::Write(const Record& record) {
    std::string line;
    switch (format_) {
        case Format::Text:
            WriteText(record);
            break;
        case Format::Csv:
            if (first_) {
                for (const Field& field : record) {
                    line += line.empty() ? "" : ",";
                    line += field.key;
                }
                line += "\r\n";
            }
            for (std::size_t i = 0; i < record.size(); ++i) {
                line += i == 0 ? "" : ",";
                line += CsvField(record[i].value);
            }
            out_.Put(line + "\r\n");
            break;
        case Format::Json:
            line = "{";
            for (const Field& field : record) {
                line += line.size() == 1 ? "" : ", ";
                line += JsonString(field.key);
                line += ": ";
                line += field.kind == Field::String ? JsonString(field.value) : field.value;
            }
            out_.Put(line + "}\n");
            break;
    }
    first_ = false;
}

}  // namespace morvane::cli
