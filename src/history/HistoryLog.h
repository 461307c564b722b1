#pragma once

#include <cstdint>
#include <functional>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

#include "history/LocalTimeReader.h"
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
// rewritten is read again from the start. The file is read a slice at a time,
// and a caller that must not wait for a large log reads a little of it at once
// and the rest later; the file is open only while it is read. Never throws on
// what the file holds.
class HistoryLog {
public:
    // Logs larger than this are read from this many bytes before their end.
    static constexpr std::uint64_t kMaxBytes = 256ull << 20;
    // Longer lines are not entries; they are skipped without being held.
    static constexpr std::size_t kMaxLineBytes = 1024;
    // The file is read this many bytes at a time.
    static constexpr std::size_t kSliceBytes = std::size_t{1} << 20;
    static constexpr std::uint64_t kWholeFile = std::numeric_limits<std::uint64_t>::max();

    explicit HistoryLog(const DateTimeFormat& format, std::uint64_t maxBytes = kMaxBytes,
                        std::size_t sliceBytes = kSliceBytes)
        : parser_(format), maxBytes_(maxBytes), sliceBytes_(sliceBytes) {}

    // Reads the log at `path`, whole.
    void Open(const std::string& path);
    // Names the log at `path` without reading any of it: Follow reads it.
    void Name(const std::string& path);
    // Reads what the file holds beyond what was read: what was appended, or
    // the whole file again when it is another one. It reads `bytes` of it,
    // and then `bytes` more for as long as `goOn` says.
    LogChange Follow(std::uint64_t bytes = kWholeFile, const std::function<bool()>& goOn = {});
    // Whether the last Follow read up to the end of the file as it found it
    // (or stopped at a failure); until then the samples are those of its start.
    bool Caught() const { return caught_; }
    // How much of the file, from where reading began, is read, and its size.
    std::uint64_t BytesRead() const { return size_ - start_; }
    std::uint64_t BytesToRead() const { return end_ - start_; }

    const std::vector<Sample>& Samples() const { return samples_; }
    const LogReport& Report() const { return report_; }
    const std::string& Path() const { return path_; }
    // How many of the samples are as they were before the last Open or Follow.
    std::size_t Kept() const { return kept_; }

private:
    enum class Tail { None, Entry, Skipped };

    void Load(ReadOnlyFile& file);
    void Reset(LogReport::State state, const std::string& error);
    void ReadOn(ReadOnlyFile& file, std::uint64_t bytes, const std::function<bool()>& goOn);
    void Slice(std::string_view bytes);
    Tail Line(std::string_view line);
    bool HeadChanged(ReadOnlyFile& file) const;

    LogLineParser parser_;
    LocalTimeReader times_;
    std::uint64_t maxBytes_;
    std::size_t sliceBytes_;
    std::string path_;
    std::vector<Sample> samples_;
    LogReport report_;
    std::size_t kept_ = 0;
    bool loaded_ = false;  // the file has been found since it was named
    bool caught_ = false;
    FileIdentity identity_;
    std::uint64_t start_ = 0;  // where reading began
    std::uint64_t size_ = 0;   // bytes read up to
    std::uint64_t end_ = 0;    // the file's size when it was last opened
    // The line being read: its start, and what of it is held.
    std::uint64_t lineStart_ = 0;
    std::string carry_;
    bool overlong_ = false;  // too long to be an entry: not held
    bool dropping_ = false;  // the line cut in two where a large log's reading begins
    Tail tail_ = Tail::None;  // what the last line, without its line end yet, was read as
    std::string head_;  // the first bytes, to notice a file rewritten in place
    std::vector<char> slice_;
};

}  // namespace tess
