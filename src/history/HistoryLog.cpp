#include "history/HistoryLog.h"

#include <algorithm>
#include <cstring>

namespace tess {

namespace {
constexpr std::size_t kChunkBytes = 1 << 20;
constexpr std::size_t kHeadBytes = 64;
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

std::string ReadHead(ReadOnlyFile& file) {
    std::string head(static_cast<std::size_t>(std::min<std::uint64_t>(kHeadBytes, file.Size())),
                     '\0');
    const std::int64_t got = file.ReadAt(0, head.data(), head.size());
    head.resize(got > 0 ? static_cast<std::size_t>(got) : 0);
    return head;
}
}  // namespace

void HistoryLog::Open(const std::string& path) {
    path_ = path;
    ReadOnlyFile file(path_);
    Load(file);
}

void HistoryLog::Reset(LogReport::State state, const std::string& error) {
    samples_.clear();
    kept_ = 0;
    report_ = {};
    report_.state = state;
    report_.error = error;
    identity_ = {};
    size_ = tailStart_ = 0;
    tail_ = Tail::None;
    head_.clear();
}

void HistoryLog::Load(ReadOnlyFile& file) {
    switch (file.GetState()) {
        case ReadOnlyFile::State::Open:
            break;
        case ReadOnlyFile::State::Missing:
            return Reset(LogReport::State::Missing, file.Error());
        case ReadOnlyFile::State::NotAFile:
            return Reset(LogReport::State::NotAFile, file.Error());
        case ReadOnlyFile::State::Failed:
            return Reset(LogReport::State::Unreadable, file.Error());
    }
    if (!parser_.Problem().empty()) {
        Reset(LogReport::State::DatesUnreadable, parser_.Problem());
    } else {
        Reset(LogReport::State::Read, {});
    }
    identity_ = file.Identity();
    head_ = ReadHead(file);
    // A typical entry takes 60 to 90 bytes; this spares most of the regrowth.
    samples_.reserve(static_cast<std::size_t>(std::min(file.Size(), maxBytes_) / 64));
    std::uint64_t start = 0;
    const bool tooLarge = file.Size() > maxBytes_;
    if (tooLarge) {
        // The latest entries matter most. Reading starts on the byte before
        // the cut, so that the line cut in two, and only that, is left out.
        start = file.Size() - maxBytes_ - 1;
    } else if (std::string_view(head_).substr(0, kByteOrderMark.size()) == kByteOrderMark) {
        start = kByteOrderMark.size();  // a text editor's mark, not part of the first line
    }
    ReadFrom(file, start, tooLarge);
}

LogChange HistoryLog::Follow() {
    ReadOnlyFile file(path_);
    if (file.GetState() != ReadOnlyFile::State::Open) {
        const LogReport before = report_;
        Load(file);
        const bool same = before.state == report_.state && before.error == report_.error &&
                          before.entries == 0 && before.skipped == 0;
        return same ? LogChange::None : LogChange::Reloaded;
    }
    const bool unread = report_.state != LogReport::State::Read &&
                        report_.state != LogReport::State::DatesUnreadable;
    if (unread || file.Identity() != identity_ || file.Size() < size_ || HeadChanged(file)) {
        Load(file);
        return LogChange::Reloaded;
    }
    if (file.Size() == size_) {
        kept_ = samples_.size();
        return LogChange::None;
    }
    // The last line had no line end yet: it is read again with what follows it.
    if (tail_ == Tail::Entry) {
        samples_.pop_back();
        --report_.entries;
    } else if (tail_ == Tail::Skipped) {
        --report_.skipped;
    }
    kept_ = samples_.size();
    ReadFrom(file, tailStart_, false);
    return LogChange::Appended;
}

bool HistoryLog::HeadChanged(ReadOnlyFile& file) const {
    std::string now(head_.size(), '\0');
    return file.ReadAt(0, now.data(), now.size()) != static_cast<std::int64_t>(now.size()) ||
           now != head_;
}

void HistoryLog::ReadFrom(ReadOnlyFile& file, std::uint64_t offset, bool dropFirstLine) {
    std::vector<char> chunk(static_cast<std::size_t>(
        std::min<std::uint64_t>(kChunkBytes, std::max<std::uint64_t>(file.Size() - offset, 1))));
    std::string carry;      // the start of a line that runs on into the next chunk
    bool overlong = false;  // the current line is too long to be an entry
    bool dropping = dropFirstLine;
    if (dropping) report_.bytesLeftOut = file.Size();
    std::uint64_t at = offset;
    std::uint64_t lineStart = offset;
    while (at < file.Size()) {
        const std::int64_t got = file.ReadAt(
            at, chunk.data(),
            static_cast<std::size_t>(std::min<std::uint64_t>(chunk.size(), file.Size() - at)));
        if (got < 0) {
            report_.state = LogReport::State::Unreadable;
            report_.error = file.Error();
            break;
        }
        if (got == 0) break;  // shortened while being read; the next Follow sees it
        const char* p = chunk.data();
        const char* const stop = p + got;
        while (p < stop) {
            const char* newline =
                static_cast<const char*>(std::memchr(p, '\n', static_cast<std::size_t>(stop - p)));
            if (newline == nullptr) {
                if (!overlong && !dropping) carry.append(p, stop);
                if (carry.size() > kMaxLineBytes) {
                    overlong = true;
                    carry.clear();
                }
                break;
            }
            if (dropping) {
                dropping = false;
                report_.bytesLeftOut = at + static_cast<std::uint64_t>(newline + 1 - chunk.data());
            } else if (overlong) {
                ++report_.skipped;
                overlong = false;
            } else if (carry.empty()) {
                Line({p, static_cast<std::size_t>(newline - p)});
            } else {
                carry.append(p, newline);
                Line(carry);
                carry.clear();
            }
            p = newline + 1;
            lineStart = at + static_cast<std::uint64_t>(p - chunk.data());
        }
        at += static_cast<std::uint64_t>(got);
    }
    size_ = at;
    tailStart_ = lineStart;
    tail_ = Tail::None;
    if (lineStart < at && !dropping) {
        if (overlong) {
            ++report_.skipped;
            tail_ = Tail::Skipped;
        } else {
            tail_ = Line(carry);
        }
    }
}

// One line without its LF: an entry, a skipped line, or (blank) nothing.
HistoryLog::Tail HistoryLog::Line(std::string_view line) {
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.empty()) return Tail::None;
    Sample sample;
    if (parser_.Parse(line, sample)) {
        samples_.push_back(sample);
        ++report_.entries;
        return Tail::Entry;
    }
    ++report_.skipped;
    return Tail::Skipped;
}

}  // namespace tess
