#include "history/HistoryLog.h"

#include <algorithm>
#include <cstring>

namespace tess {

namespace {
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
    Name(path);
    Follow();
}

void HistoryLog::Name(const std::string& path) {
    path_ = path;
    Reset(LogReport::State::Missing, {});
    loaded_ = false;
    caught_ = false;
}

void HistoryLog::Reset(LogReport::State state, const std::string& error) {
    samples_.clear();
    kept_ = 0;
    report_ = {};
    report_.state = state;
    report_.error = error;
    loaded_ = true;
    caught_ = true;
    identity_ = {};
    start_ = size_ = end_ = lineStart_ = 0;
    carry_.clear();
    overlong_ = dropping_ = false;
    tail_ = Tail::None;
    head_.clear();
    std::vector<char>().swap(slice_);
}

// Takes up the file from its start; reading it is Follow's.
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
    caught_ = false;
    identity_ = file.Identity();
    head_ = ReadHead(file);
    // A typical entry takes 60 to 90 bytes; this spares most of the regrowth.
    samples_.reserve(static_cast<std::size_t>(std::min(file.Size(), maxBytes_) / 64));
    if (file.Size() > maxBytes_) {
        // The latest entries matter most. Reading starts on the byte before
        // the cut, so that the line cut in two, and only that, is left out.
        start_ = file.Size() - maxBytes_ - 1;
        dropping_ = true;
    } else if (std::string_view(head_).substr(0, kByteOrderMark.size()) == kByteOrderMark) {
        start_ = kByteOrderMark.size();  // a text editor's mark, not part of the first line
    }
    size_ = end_ = lineStart_ = start_;
}

LogChange HistoryLog::Follow(std::uint64_t bytes, const std::function<bool()>& goOn) {
    ReadOnlyFile file(path_);
    if (file.GetState() != ReadOnlyFile::State::Open) {
        const bool loaded = loaded_;
        const LogReport before = report_;
        Load(file);
        const bool same = loaded && before.state == report_.state &&
                          before.error == report_.error && before.entries == 0 &&
                          before.skipped == 0;
        return same ? LogChange::None : LogChange::Reloaded;
    }
    const bool unread = !loaded_ || (report_.state != LogReport::State::Read &&
                                     report_.state != LogReport::State::DatesUnreadable);
    LogChange change = LogChange::Appended;
    if (unread || file.Identity() != identity_ || file.Size() < size_ || HeadChanged(file)) {
        Load(file);
        change = LogChange::Reloaded;
    } else if (file.Size() == size_ && caught_) {
        kept_ = samples_.size();
        return LogChange::None;
    } else {
        // The last line had no line end yet: what follows completes it.
        if (tail_ == Tail::Entry) {
            samples_.pop_back();
            --report_.entries;
        } else if (tail_ == Tail::Skipped) {
            --report_.skipped;
        }
        tail_ = Tail::None;
        kept_ = samples_.size();
    }
    ReadOn(file, bytes, goOn);
    return change;
}

bool HistoryLog::HeadChanged(ReadOnlyFile& file) const {
    std::string now(head_.size(), '\0');
    return file.ReadAt(0, now.data(), now.size()) != static_cast<std::int64_t>(now.size()) ||
           now != head_;
}

void HistoryLog::ReadOn(ReadOnlyFile& file, std::uint64_t bytes,
                        const std::function<bool()>& goOn) {
    end_ = file.Size();
    std::uint64_t stop = end_ - size_ > bytes ? size_ + bytes : end_;
    while (size_ < end_) {
        if (size_ == stop) {
            if (!goOn || !goOn()) break;
            stop = end_ - size_ > bytes ? size_ + bytes : end_;
        }
        slice_.resize(static_cast<std::size_t>(std::min<std::uint64_t>(sliceBytes_, stop - size_)));
        const std::int64_t got = file.ReadAt(size_, slice_.data(), slice_.size());
        if (got < 0) {
            report_.state = LogReport::State::Unreadable;
            report_.error = file.Error();
        }
        // Shortened while being read, the file ends here; the next Follow sees it.
        if (got <= 0) {
            end_ = size_;
            break;
        }
        Slice({slice_.data(), static_cast<std::size_t>(got)});
    }
    caught_ = size_ >= end_;
    if (!caught_) return;
    std::vector<char>().swap(slice_);
    if (dropping_) {
        report_.bytesLeftOut = size_;
    } else if (lineStart_ < size_) {
        // The last line, without its line end yet, is read as it stands.
        if (overlong_) {
            ++report_.skipped;
            tail_ = Tail::Skipped;
        } else {
            tail_ = Line(carry_);
        }
    }
}

// The bytes of the file from `size_` on.
void HistoryLog::Slice(std::string_view bytes) {
    const char* p = bytes.data();
    const char* const stop = p + bytes.size();
    while (p < stop) {
        const char* newline =
            static_cast<const char*>(std::memchr(p, '\n', static_cast<std::size_t>(stop - p)));
        if (newline == nullptr) {
            if (!overlong_ && !dropping_) carry_.append(p, stop);
            if (carry_.size() > kMaxLineBytes) {
                overlong_ = true;
                carry_.clear();
            }
            break;
        }
        const std::uint64_t next = size_ + static_cast<std::uint64_t>(newline + 1 - bytes.data());
        if (dropping_) {
            dropping_ = false;
            report_.bytesLeftOut = next;
        } else if (overlong_) {
            ++report_.skipped;
            overlong_ = false;
        } else if (carry_.empty()) {
            Line({p, static_cast<std::size_t>(newline - p)});
        } else {
            carry_.append(p, newline);
            Line(carry_);
            carry_.clear();
        }
        p = newline + 1;
        lineStart_ = next;
    }
    size_ += bytes.size();
}

// One line without its LF: an entry, a skipped line, or (blank) nothing. The
// parser gives an entry's time on the local clock, as the line does.
HistoryLog::Tail HistoryLog::Line(std::string_view line) {
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.empty()) return Tail::None;
    Sample sample;
    if (parser_.Parse(line, sample)) {
        const std::int64_t local = sample.time;
        sample.utcOffset = static_cast<std::int16_t>(
            times_.MinutesAhead(local, samples_.empty() ? nullptr : &samples_.back().time));
        sample.time = local - 60 * std::int64_t{sample.utcOffset};
        samples_.push_back(sample);
        ++report_.entries;
        return Tail::Entry;
    }
    ++report_.skipped;
    return Tail::Skipped;
}

}  // namespace tess
