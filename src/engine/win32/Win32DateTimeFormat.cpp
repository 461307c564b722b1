#include "engine/win32/Win32DateTimeFormat.h"

#include <windows.h>

#include <algorithm>
#include <vector>

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

std::string LocaleInfo(LCID locale, LCTYPE item) {
    return LocaleText([&](wchar_t* buffer, int size) {
        return GetLocaleInfoW(locale, item, buffer, size);
    });
}

using Kind = DateTimeField::Kind;

// Walks a Windows date or time picture ("M/d/yyyy", "h:mm:ss tt"): runs of one
// field letter, quoted text, and any other character as itself. Names, eras
// and AM/PM texts are rendered by the same functions from the same letters, so
// they match what those write.
class PictureWalk {
public:
    PictureWalk(LCID locale, std::string picture, bool date)
        : locale_(locale), picture_(std::move(picture)), date_(date) {}

    DateTimeFields Fields() {
        std::size_t i = 0;
        while (i < picture_.size()) {
            const char c = picture_[i];
            if (c == '\'') {
                i = Quoted(i);
                continue;
            }
            std::size_t run = 1;
            while (i + run < picture_.size() && picture_[i + run] == c) ++run;
            if (!(date_ ? DateField(c, run) : TimeField(c, run))) literal_ += std::string(run, c);
            i += run;
        }
        Flush();
        return std::move(out_);
    }

private:
    // A quoted text, with '' for a quote mark; returns the index after it.
    std::size_t Quoted(std::size_t i) {
        if (i + 1 < picture_.size() && picture_[i + 1] == '\'') {
            literal_ += '\'';
            return i + 2;
        }
        for (++i; i < picture_.size(); ++i) {
            if (picture_[i] != '\'') {
                literal_ += picture_[i];
            } else if (i + 1 < picture_.size() && picture_[i + 1] == '\'') {
                literal_ += '\'';
                ++i;
            } else {
                return i + 1;
            }
        }
        return i;
    }

    bool DateField(char c, std::size_t run) {
        const int length = static_cast<int>(std::min<std::size_t>(run, 4));
        if (c == 'd' || c == 'M') {
            const bool day = c == 'd';
            if (length <= 2) {
                Add(DateTimeField::Number(day ? Kind::Day : Kind::Month, length, 2));
                return true;
            }
            std::vector<std::string> names;
            // 1 January 2001 was a Monday.
            const std::string token(static_cast<std::size_t>(length), c);
            for (int n = 1; n <= (day ? 7 : 12); ++n) {
                names.push_back(RenderDate({2001, day ? 1 : n, day ? n : 1}, token));
            }
            Add(DateTimeField::Names(day ? Kind::DayName : Kind::MonthName, std::move(names)));
            return true;
        }
        if (c == 'y') {
            Add(length >= 3 ? DateTimeField::Number(Kind::Year, 4, 4)
                            : DateTimeField::Number(Kind::Year, length, 2));
            return true;
        }
        if (c == 'g') {
            literal_ += RenderDate({2001, 1, 1}, std::string(run, c));
            return true;
        }
        return false;
    }

    bool TimeField(char c, std::size_t run) {
        const int length = static_cast<int>(std::min<std::size_t>(run, 2));
        switch (c) {
            case 'h': Add(DateTimeField::Number(Kind::Hour12, length, 2)); return true;
            case 'H': Add(DateTimeField::Number(Kind::Hour, length, 2)); return true;
            case 'm': Add(DateTimeField::Number(Kind::Minute, length, 2)); return true;
            case 's': Add(DateTimeField::Number(Kind::Second, length, 2)); return true;
            case 't': {
                const std::string token(static_cast<std::size_t>(length), 't');
                Add(DateTimeField::Names(Kind::AmPm,
                                         {RenderTime(1, token), RenderTime(13, token)}));
                return true;
            }
            default: return false;
        }
    }

    std::string RenderDate(const LocalDateTime& day, const std::string& token) const {
        const SYSTEMTIME time = ToSystemTime(day);
        const std::wstring picture = Utf8ToWide(token);
        return LocaleText([&](wchar_t* buffer, int size) {
            return GetDateFormatW(locale_, 0, &time, picture.c_str(), buffer, size);
        });
    }

    std::string RenderTime(int hour, const std::string& token) const {
        const SYSTEMTIME time = ToSystemTime({2001, 1, 1, hour, 0, 0});
        const std::wstring picture = Utf8ToWide(token);
        return LocaleText([&](wchar_t* buffer, int size) {
            return GetTimeFormatW(locale_, 0, &time, picture.c_str(), buffer, size);
        });
    }

    void Add(DateTimeField field) {
        Flush();
        out_.fields.push_back(std::move(field));
    }

    void Flush() {
        if (literal_.empty()) return;
        out_.fields.push_back(DateTimeField::Literal(literal_));
        literal_.clear();
    }

    LCID locale_;
    std::string picture_;
    bool date_;
    std::string literal_;
    DateTimeFields out_;
};

}  // namespace

std::string Win32DateTimeFormat::ShortDate(const LocalDateTime& moment) const {
    const SYSTEMTIME time = ToSystemTime(moment);
    return LocaleText([&](wchar_t* buffer, int size) {
        return GetDateFormatW(locale_, DATE_SHORTDATE, &time, nullptr, buffer, size);
    });
}

std::string Win32DateTimeFormat::LongTime(const LocalDateTime& moment) const {
    const SYSTEMTIME time = ToSystemTime(moment);
    return LocaleText([&](wchar_t* buffer, int size) {
        return GetTimeFormatW(locale_, 0, &time, nullptr, buffer, size);
    });
}

std::string Win32DateTimeFormat::TimeSeparator() const {
    return LocaleInfo(locale_, LOCALE_STIME);
}

DateTimeFields Win32DateTimeFormat::ShortDateFields() const {
    return PictureWalk(locale_, LocaleInfo(locale_, LOCALE_SSHORTDATE), true).Fields();
}

DateTimeFields Win32DateTimeFormat::LongTimeFields() const {
    return PictureWalk(locale_, LocaleInfo(locale_, LOCALE_STIMEFORMAT), false).Fields();
}

}  // namespace tess
