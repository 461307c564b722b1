#include "history/Csv.h"

#include <algorithm>

namespace tess {

std::string CsvField(std::string_view text) {
    if (text.find_first_of(",\"\r\n") == std::string_view::npos) return std::string(text);
    std::string field = "\"";
    for (const char c : text) {
        if (c == '"') field += '"';
        field += c;
    }
    return field + '"';
}

std::string CsvRecord(const std::vector<std::string>& fields) {
    std::string record;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0) record += ',';
        record += CsvField(fields[i]);
    }
    return record + "\r\n";
}

CsvReader::Result CsvReader::Next(std::vector<std::string>& fields) {
    if (at_ >= text_.size()) return Result::End;
    if (Parse(fields)) return Result::Record;
    const std::size_t lineEnd = text_.find('\n', at_);
    at_ = lineEnd == std::string_view::npos ? text_.size() : lineEnd + 1;
    return Result::BadLine;
}

// Reads the record at at_ and moves past it; false, leaving at_, when there is none.
bool CsvReader::Parse(std::vector<std::string>& fields) {
    fields.assign(1, std::string());
    const std::size_t end = std::min(text_.size(), at_ + max_);
    std::size_t i = at_;
    // Whether the field being read is quoted, and whether its quotes are closed.
    bool quoted = false;
    bool closed = false;
    const auto lineEndAt = [&](std::size_t j) {
        return text_[j] == '\n' || (text_[j] == '\r' && j + 1 < end && text_[j + 1] == '\n');
    };
    while (i < end) {
        const char c = text_[i];
        std::string& field = fields.back();
        if (quoted && !closed) {
            if (c != '"') {
                field += c;
                ++i;
            } else if (i + 1 < end && text_[i + 1] == '"') {
                field += '"';
                i += 2;
            } else {
                closed = true;
                ++i;
            }
            continue;
        }
        if (c == ',') {
            fields.emplace_back();
            quoted = closed = false;
            ++i;
        } else if (lineEndAt(i)) {
            at_ = i + (c == '\r' ? 2 : 1);
            return true;
        } else if (closed || c == '\r' || (c == '"' && !field.empty())) {
            return false;
        } else if (c == '"') {
            quoted = true;
            ++i;
        } else {
            field += c;
            ++i;
        }
    }
    return false;
}

}  // namespace tess
