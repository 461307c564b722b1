#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "engine/LogCharset.h"
#include "history/ReadOnlyFile.h"
#include "ui/Clipboard.h"

namespace tess {

// How much of the log Copy Log reads at a time; the window's events run
// between two slices.
inline constexpr std::size_t kLogCopySliceBytes = std::size_t{1} << 20;

// The largest log Copy Log takes (256 MiB, the part of a log that the history
// reads): the clipboard holds the whole text for as long as it has it.
inline constexpr std::uint64_t kLogCopyMaxBytes = std::uint64_t{256} << 20;

// Copy Log's text while it is prepared: the log file as it was when the copy
// began, read a slice at a time and decoded from the charset the writer wrote
// it in straight into the clipboard's own text. Only a regular file is read: a
// device never ends, and opening a pipe would wait for a writer. The file is
// open only while a slice is read, so that the entries written and a Clear Log
// meanwhile find it as if no copy ran.
class LogCopy {
public:
    // Looks at the file. Throws tess::Error with the reason when it is no
    // regular file, cannot be opened, or is larger than kLogCopyMaxBytes.
    LogCopy(const std::string& path, Clipboard& clipboard);

    // Reads and decodes the next slice. Returns false once the whole file is
    // in the text. Throws tess::Error when the read fails, or when the file is
    // no longer the one it was (removed, replaced by another, or cut shorter).
    bool ReadSlice();
    // Puts the whole text on the clipboard (see ClipboardText::Put).
    void Put();

private:
    std::string path_;
    FileIdentity identity_;
    std::uint64_t end_ = 0;
    std::uint64_t offset_ = 0;
    LogTextDecoder decoder_;
    std::unique_ptr<ClipboardText> text_;
    std::string slice_;
    std::string decoded_;
};

}  // namespace tess
