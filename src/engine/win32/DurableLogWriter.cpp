#include <windows.h>

#include "common/win32/AnsiText.h"
#include "common/win32/SystemError.h"
#include "common/win32/WideText.h"
#include "engine/LogFile.h"

namespace tess {

namespace {

class FileHandle {
public:
    explicit FileHandle(HANDLE handle) : handle_(handle) {}
    ~FileHandle() {
        if (handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
    }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    HANDLE get() const { return handle_; }
    // Closes now, so that a failure of the close itself is seen.
    BOOL Close() {
        const BOOL closed = CloseHandle(handle_);
        handle_ = INVALID_HANDLE_VALUE;
        return closed;
    }

private:
    HANDLE handle_;
};

}  // namespace

void DurableLogWriter::AppendLine(const std::string& path, const std::string& line) {
    // The line in the ANSI code page, as the log has always been written.
    AppendDurably(path, Utf8ToAnsi(line) + "\r\n", flush_);
}

// The path in the user's own characters, so that it names exactly that file.
void AppendDurably(const std::string& path, const std::string& record, bool flush) {
    // Appending access only: every write goes to the end of the file, even
    // when someone else has made it longer since it was opened.
    FileHandle file(CreateFileW(Utf8ToWide(path).c_str(), FILE_APPEND_DATA, FILE_SHARE_READ,
                                nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (file.get() == INVALID_HANDLE_VALUE) ThrowSystemError(GetLastError());
    DWORD written = 0;
    if (!WriteFile(file.get(), record.data(), static_cast<DWORD>(record.size()), &written,
                   nullptr)) {
        ThrowSystemError(GetLastError());
    }
    if (written != record.size()) ThrowSystemError(ERROR_DISK_FULL);
    if (flush && !FlushFileBuffers(file.get())) ThrowSystemError(GetLastError());
    if (!file.Close()) ThrowSystemError(GetLastError());
}

}  // namespace tess
