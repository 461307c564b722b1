#include "ui/LogLineStore.h"

#include <array>

namespace tess {

namespace {

constexpr std::size_t kTextBlockBits = 20;  // 1 MiB of text per block
constexpr std::size_t kTextBlockSize = std::size_t{1} << kTextBlockBits;
constexpr std::size_t kStartBlockBits = 12;  // 4096 offsets per block
constexpr std::size_t kStartBlockSize = std::size_t{1} << kStartBlockBits;

// The phrases every log line is made of; phrase i is stored as the byte
// kFirstCode + i. A line's own bytes in the range of the codes and the escape
// are stored behind the escape byte.
constexpr std::array<std::string_view, 6> kPhrases = {
    " Battery Level is ",   "% (", " Hours, ", " Minutes, ", " Seconds remaining on battery).",
    " Running on AC Power",
};
constexpr unsigned char kFirstCode = 0x01;
constexpr unsigned char kEscape = kFirstCode + kPhrases.size();

bool IsCodeOrEscape(char byte) {
    const auto value = static_cast<unsigned char>(byte);
    return value >= kFirstCode && value <= kEscape;
}

// Index of the phrase that starts `text`, or kPhrases.size() when none does.
std::size_t PhraseAtStart(std::string_view text) {
    std::size_t i = 0;
    while (i < kPhrases.size() && !text.starts_with(kPhrases[i])) ++i;
    return i;
}

}  // namespace

void LogLineStore::Append(std::string_view line) {
    if (count_ % kStartBlockSize == 0) {
        starts_.push_back(std::make_unique_for_overwrite<std::uint64_t[]>(kStartBlockSize));
    }
    starts_.back()[count_ % kStartBlockSize] = used_;
    for (std::size_t i = 0; i < line.size();) {
        const std::size_t phrase = PhraseAtStart(line.substr(i));
        if (phrase < kPhrases.size()) {
            Put(static_cast<char>(kFirstCode + phrase));
            i += kPhrases[phrase].size();
            continue;
        }
        if (IsCodeOrEscape(line[i])) Put(static_cast<char>(kEscape));
        Put(line[i]);
        ++i;
    }
    ++count_;
}

void LogLineStore::Clear() {
    text_.clear();
    starts_.clear();
    used_ = 0;
    count_ = 0;
}

std::string LogLineStore::At(std::size_t row) const {
    std::string line;
    if (row >= count_) return line;
    const std::uint64_t end = row + 1 < count_ ? StartOf(row + 1) : used_;
    for (std::uint64_t offset = StartOf(row); offset < end; ++offset) {
        const char byte = ByteAt(offset);
        const auto value = static_cast<unsigned char>(byte);
        if (value == kEscape) {
            line += ByteAt(++offset);
        } else if (value >= kFirstCode && value < kEscape) {
            line += kPhrases[value - kFirstCode];
        } else {
            line += byte;
        }
    }
    return line;
}

std::size_t LogLineStore::BytesHeld() const {
    return text_.size() * kTextBlockSize +
           starts_.size() * kStartBlockSize * sizeof(std::uint64_t) +
           (text_.capacity() + starts_.capacity()) * sizeof(void*);
}

void LogLineStore::Put(char byte) {
    if (used_ % kTextBlockSize == 0) {
        text_.push_back(std::make_unique_for_overwrite<char[]>(kTextBlockSize));
    }
    text_.back()[used_ % kTextBlockSize] = byte;
    ++used_;
}

char LogLineStore::ByteAt(std::uint64_t offset) const {
    return text_[offset >> kTextBlockBits][offset % kTextBlockSize];
}

std::uint64_t LogLineStore::StartOf(std::size_t row) const {
    return starts_[row >> kStartBlockBits][row % kStartBlockSize];
}

}  // namespace tess
