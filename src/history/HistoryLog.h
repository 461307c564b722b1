#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "history/LogLineParser.h"
#include "history/ReadOnlyFile.h"
#include "history/Sample.h"

namespace tess {

// What reading the log found.
struct LogReport {
    enum class State {
        Read,             // the file was read (it may hold no entry at all)
        Missing,          // no file at the path
        NotAFile,         // a folder, a pipe or a device
        Unreadable,       // opening or reading failed; `error` says why
        DatesUnreadable,  // this system's dates cannot be read back; `error` says why
    };
    State state = State::Missing;
    std::string error;
    std::size_t entries = 0;         // lines read as entries
    std::size_t skipped = 0;         // lines that are not entries in this format
    std::uint64_t bytesLeftOut = 0;  // the start of a very large log, not read
};

enum class LogChange { None, Appended, Reloaded };

// The entries of a log file, read once and then followed as the writer appends:
// only the new bytes are read. A file that was replaced, cleared, shortened or
// rewritten is read again from the start. Never throws on what the file holds.
class HistoryLog {
public:
    // Logs larger than this are read from this many bytes before their end.
    static constexpr std::uint64_t kMaxBytes = 256ull << 20;
    // Longer lines are not entries; they are skipped without being held.
    static constexpr std::size_t kMaxLineBytes = 1024;

    explicit HistoryLog(const DateTimeFormat& format, std::uint64_t maxBytes = kMaxBytes)
        : parser_(format), maxBytes_(maxBytes) {}

    void Open(const std::string& path);
    LogChange Follow();

    const std::vector<Sample>& Samples() const { return samples_; }
    const LogReport& Report() const { return report_; }
    const std::string& Path() const { return path_; }
    // How many of the samples are as they were before the last Open or Follow.
    std::size_t Kept() const { return kept_; }

private:
    enum class Tail { None, Entry, Skipped };

    void Load(ReadOnlyFile& file);
    void Reset(LogReport::State state, const std::string& error);
    void ReadFrom(ReadOnlyFile& file, std::uint64_t offset, bool dropFirstLine);
    Tail Line(std::string_view line);
    bool HeadChanged(ReadOnlyFile& file) const;

    LogLineParser parser_;
    std::uint64_t maxBytes_;
    std::string path_;
    std::vector<Sample> samples_;
    LogReport report_;
    std::size_t kept_ = 0;
    FileIdentity identity_;
    std::uint64_t size_ = 0;       // bytes read up to
    std::uint64_t tailStart_ = 0;  // where a last line without its line end begins
    Tail tail_ = Tail::None;
    std::string head_;  // the first bytes, to notice a file rewritten in place
};

}  // namespace tess
