#include "ui/LogCopy.h"

#include <algorithm>

#include "common/Error.h"

namespace tess {

LogCopy::LogCopy(const std::string& path, Clipboard& clipboard) : file_(path) {
    switch (file_.GetState()) {
        case ReadOnlyFile::State::Open:
            break;
        case ReadOnlyFile::State::NotAFile:
            throw Error("Not a regular file: " + path);
        default:
            throw Error(file_.Error());
    }
    end_ = file_.Size();
    text_ = clipboard.NewText(static_cast<std::size_t>(end_));
}

bool LogCopy::ReadSlice() {
    if (offset_ < end_) {
        const auto wanted =
            static_cast<std::size_t>(std::min<std::uint64_t>(kLogCopySliceBytes, end_ - offset_));
        slice_.resize(wanted);
        const std::int64_t got = file_.ReadAt(offset_, slice_.data(), wanted);
        if (got < 0) throw Error(file_.Error());
        // A file cut shorter meanwhile ends where it ends now.
        if (got == 0) end_ = offset_;
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
