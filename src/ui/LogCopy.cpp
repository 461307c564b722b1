#include "ui/LogCopy.h"

#include <algorithm>

#include "common/Error.h"
#include "common/Files.h"

namespace tess {

namespace {

// The file at `path`, open; throws tess::Error with the reason when it is not.
void ExpectOpen(const ReadOnlyFile& file, const std::string& path) {
    switch (file.GetState()) {
        case ReadOnlyFile::State::Open:
            return;
        case ReadOnlyFile::State::NotAFile:
            throw Error(NotARegularFileText(path));
        default:
            throw Error(file.Error());
    }
}

// Whole mebibytes, rounded up: a log over the bound never reads as at it.
std::string Mebibytes(std::uint64_t bytes) {
    return std::to_string((bytes + (std::uint64_t{1} << 20) - 1) >> 20) + " MiB";
}

}  // namespace

LogCopy::LogCopy(const std::string& path, Clipboard& clipboard) : path_(path) {
    const ReadOnlyFile file(path);
    ExpectOpen(file, path);
    end_ = file.Size();
    identity_ = file.Identity();
    if (end_ > kLogCopyMaxBytes) {
        throw Error("The log is too large to copy: " + Mebibytes(end_) +
                    ", and Copy Log copies a log of up to " + Mebibytes(kLogCopyMaxBytes));
    }
    text_ = clipboard.NewText(static_cast<std::size_t>(end_));
}

bool LogCopy::ReadSlice() {
    if (offset_ < end_) {
        // The file as the copy found it, or one that took its place: another
        // file, or (since a new file may take the number of a deleted one)
        // one that no longer reaches as far as the copy has read.
        ReadOnlyFile file(path_);
        const bool gone = file.GetState() == ReadOnlyFile::State::Missing;
        if (!gone) ExpectOpen(file, path_);
        const auto wanted =
            static_cast<std::size_t>(std::min<std::uint64_t>(kLogCopySliceBytes, end_ - offset_));
        slice_.resize(wanted);
        const std::int64_t got = gone ? 0 : file.ReadAt(offset_, slice_.data(), wanted);
        if (got < 0) throw Error(file.Error());
        if (got == 0 || file.Identity() != identity_) {
            throw Error("The log was removed or replaced while it was being copied");
        }
        offset_ += static_cast<std::uint64_t>(got);
        decoded_.clear();
        decoder_.Decode(std::string_view(slice_.data(), static_cast<std::size_t>(got)), decoded_);
        text_->Append(decoded_);
        if (offset_ < end_) return true;
    }
    decoded_.clear();
    decoder_.Finish(decoded_);
    text_->Append(decoded_);
    std::string().swap(slice_);
    std::string().swap(decoded_);
    return false;
}

void LogCopy::Put() {
    text_->Put();
}

}  // namespace tess
