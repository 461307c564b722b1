#include "engine/win32/Win32DateTimeFormat.h"

#include <windows.h>

#include "common/win32/SystemError.h"
#include "common/win32/WideText.h"

namespace tess {

namespace {

SYSTEMTIME ToSystemTime(const LocalDateTime& moment) {
    SYSTEMTIME time{};
    time.wYear = static_cast<WORD>(moment.year);
    time.wMonth = static_cast<WORD>(moment.month);
    time.wDay = static_cast<WORD>(moment.day);
    time.wHour = static_cast<WORD>(moment.hour);
    time.wMinute = static_cast<WORD>(moment.minute);
    time.wSecond = static_cast<WORD>(moment.second);
    return time;
}

// Calls one of the locale functions, which all answer the size they need when
// given no buffer and the length written, terminating NUL included, otherwise.
// The wide functions give the locale's own characters, whatever the ANSI code
// page: the text reaches the log through the one conversion of its writer.
template <typename Format>
std::string LocaleText(const Format& format) {
    const int size = format(nullptr, 0);
    if (size <= 0) ThrowSystemError(GetLastError());
    std::wstring text(static_cast<size_t>(size), L'\0');
    const int written = format(text.data(), size);
    if (written <= 0) ThrowSystemError(GetLastError());
    text.resize(static_cast<size_t>(written - 1));
    return WideToUtf8(text);
}

}  // namespace

std::string Win32DateTimeFormat::ShortDate(const LocalDateTime& moment) const {
    const SYSTEMTIME time = ToSystemTime(moment);
    return LocaleText([&](wchar_t* buffer, int size) {
        return GetDateFormatW(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &time, nullptr, buffer, size);
    });
}

std::string Win32DateTimeFormat::LongTime(const LocalDateTime& moment) const {
    const SYSTEMTIME time = ToSystemTime(moment);
    return LocaleText([&](wchar_t* buffer, int size) {
        return GetTimeFormatW(LOCALE_USER_DEFAULT, 0, &time, nullptr, buffer, size);
    });
}

std::string Win32DateTimeFormat::TimeSeparator() const {
    return LocaleText([](wchar_t* buffer, int size) {
        return GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_STIME, buffer, size);
    });
}

}  // namespace tess
