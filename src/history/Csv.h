#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tess {

// Comma-separated values as RFC 4180 writes them: records ended by CR LF,
// fields separated by commas, a field in double quotes (its quotes doubled)
// when it holds a comma, a quote or a line break.

// One field, quoted where it must be.
std::string CsvField(std::string_view text);
// A record of fields, with its CR LF.
std::string CsvRecord(const std::vector<std::string>& fields);

// Reads the records of a text one after another. A record ends at a line end
// outside quotes (CR LF, or LF alone as editors may leave it); a quoted field
// may hold line ends. What is no record (a quote not closed, text after a
// closing quote, a quote inside a field without quotes, a lone CR, a record
// longer than the limit, a last record without its line end) is one bad line:
// the reader goes on at the next line.
class CsvReader {
public:
    enum class Result { Record, BadLine, End };

    CsvReader(std::string_view text, std::size_t maxRecordBytes)
        : text_(text), max_(maxRecordBytes) {}

    // The next record's fields, or the next bad line, or the end.
    Result Next(std::vector<std::string>& fields);

private:
    bool Parse(std::vector<std::string>& fields);

    std::string_view text_;
    std::size_t max_;
    std::size_t at_ = 0;
};

}  // namespace tess
