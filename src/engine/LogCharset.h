#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

namespace tess {

// UTF-8 text as the log file holds it: in the system's text encoding, the
// conversion the log writer makes (characters it lacks become '?').
std::string ToLogCharset(const std::string& text);

// The log file's text read back: its bytes, in the system's text encoding as
// the writer put them there, turned into UTF-8 piece by piece. A character
// that one piece cuts off is completed by the next; bytes that are no
// character of the encoding become U+FFFD.
class LogTextDecoder {
public:
    LogTextDecoder();
    ~LogTextDecoder();
    LogTextDecoder(const LogTextDecoder&) = delete;
    LogTextDecoder& operator=(const LogTextDecoder&) = delete;

    // Appends the UTF-8 of the next piece of the file to `out`.
    void Decode(std::string_view bytes, std::string& out);
    // The end of the file: a character left unfinished becomes U+FFFD.
    void Finish(std::string& out);

private:
    // The platform's part: appends the UTF-8 of the whole characters at the
    // start of `bytes` to `out`; returns how many bytes they take.
    std::size_t DecodeWhole(std::string_view bytes, std::string& out);

    struct State;
    std::unique_ptr<State> state_;
    // The start of a character that the last piece cut off.
    std::string held_;
};

}  // namespace tess
