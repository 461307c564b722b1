#include "history/ReadOnlyFile.h"

#include <windows.h>

#include <string>

#include "common/win32/SystemError.h"
#include "common/win32/WideText.h"

namespace tess {

namespace {
HANDLE AsHandle(std::intptr_t handle) {
    return reinterpret_cast<HANDLE>(handle);
}
}  // namespace

ReadOnlyFile::ReadOnlyFile(const std::string& path) {
    // The file the log writer opens: the path as UTF-16, whatever the ANSI code
    // page lacks. Shared for reading, writing and deleting, so that the
    // writer's appends and Clear Log go on unhindered.
    const std::wstring name = Utf8ToWide(path);
    const HANDLE file = CreateFileW(name.c_str(), GENERIC_READ,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        const DWORD code = GetLastError();
        const DWORD attributes = GetFileAttributesW(name.c_str());
        if (code == ERROR_FILE_NOT_FOUND || code == ERROR_PATH_NOT_FOUND) {
            state_ = State::Missing;
        } else if (attributes != INVALID_FILE_ATTRIBUTES &&
                   (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
            state_ = State::NotAFile;
        }
        error_ = SystemErrorText(code);
        return;
    }
    handle_ = reinterpret_cast<std::intptr_t>(file);
    BY_HANDLE_FILE_INFORMATION info{};
    if (GetFileType(file) != FILE_TYPE_DISK) {
        state_ = State::NotAFile;
        error_ = SystemErrorText(ERROR_BAD_FILE_TYPE);
        return;
    }
    if (!GetFileInformationByHandle(file, &info)) {
        error_ = SystemErrorText(GetLastError());
        return;
    }
    state_ = State::Open;
    size_ = (static_cast<std::uint64_t>(info.nFileSizeHigh) << 32) | info.nFileSizeLow;
    identity_ = {info.dwVolumeSerialNumber,
                 (static_cast<std::uint64_t>(info.nFileIndexHigh) << 32) | info.nFileIndexLow};
}

ReadOnlyFile::~ReadOnlyFile() {
    if (handle_ != -1) CloseHandle(AsHandle(handle_));
}

std::int64_t ReadOnlyFile::ReadAt(std::uint64_t offset, char* buffer, std::size_t count) {
    if (state_ != State::Open) return -1;
    OVERLAPPED at{};
    at.Offset = static_cast<DWORD>(offset);
    at.OffsetHigh = static_cast<DWORD>(offset >> 32);
    const DWORD wanted = count > 0x40000000 ? 0x40000000 : static_cast<DWORD>(count);
    DWORD got = 0;
    if (!ReadFile(AsHandle(handle_), buffer, wanted, &got, &at)) {
        const DWORD code = GetLastError();
        if (code == ERROR_HANDLE_EOF) return 0;
        error_ = SystemErrorText(code);
        return -1;
    }
    return got;
}

}  // namespace tess
