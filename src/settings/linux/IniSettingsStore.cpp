#include "settings/linux/IniSettingsStore.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string_view>
#include <system_error>
#include <utility>
#include <vector>

#include "common/Error.h"
#include "settings/linux/ReplaceFile.h"

namespace tess {

namespace {

constexpr std::string_view kWhitespace = " \t\r\n\f\v";
constexpr char kHexDigits[] = "0123456789ABCDEF";
// Control characters with a letter escape in QSettings' quoted values, and their letters.
constexpr std::string_view kEscapedControls = "\a\b\f\n\r\t\v";
constexpr std::string_view kEscapeLetters = "abfnrtv";

std::string Env(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

std::string_view Trim(std::string_view text) {
    const auto first = text.find_first_not_of(kWhitespace);
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(kWhitespace);
    return text.substr(first, last - first + 1);
}

bool IsHexDigit(unsigned char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

unsigned HexValue(unsigned char c) {
    if (c <= '9') return c - '0';
    return (c | 0x20) - 'a' + 10;
}

std::string Hex(unsigned value, int digits) {
    std::string text(static_cast<std::size_t>(digits), '0');
    for (int i = digits - 1; i >= 0; --i, value >>= 4) {
        text[static_cast<std::size_t>(i)] = kHexDigits[value & 0xF];
    }
    return text;
}

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) cp = 0xFFFD;
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// The code point that starts at `i`, advancing `i` past it. A byte that does
// not start a well-formed UTF-8 sequence stands for itself (as Latin-1).
char32_t NextCodePoint(const std::string& text, std::size_t& i) {
    const auto lead = static_cast<unsigned char>(text[i++]);
    const int extra = lead >= 0xF5 ? 0 : lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC2 ? 1 : 0;
    if (lead < 0x80 || extra == 0 || i + extra > text.size()) return lead;
    char32_t cp = lead & (0x3F >> extra);
    for (int k = 0; k < extra; ++k) {
        const auto c = static_cast<unsigned char>(text[i + k]);
        if ((c & 0xC0) != 0x80) return lead;
        cp = (cp << 6) | (c & 0x3F);
    }
    i += extra;
    return cp;
}

// A section or key name as QSettings writes it: letters, digits, '_', '-' and
// '.' as they are, '/' as '\', other characters up to U+00FF as %XX and the
// rest as %UXXXX per UTF-16 unit.
std::string EncodeName(const std::string& name) {
    std::string out;
    for (std::size_t i = 0; i < name.size();) {
        const char32_t cp = NextCodePoint(name, i);
        if ((cp >= 'a' && cp <= 'z') || (cp >= 'A' && cp <= 'Z') || (cp >= '0' && cp <= '9') ||
            cp == '_' || cp == '-' || cp == '.') {
            out += static_cast<char>(cp);
        } else if (cp == '/') {
            out += '\\';
        } else if (cp <= 0xFF) {
            out += '%' + Hex(cp, 2);
        } else if (cp <= 0xFFFF) {
            out += "%U" + Hex(cp, 4);
        } else {
            out += "%U" + Hex(0xD800 + ((cp - 0x10000) >> 10), 4);
            out += "%U" + Hex(0xDC00 + ((cp - 0x10000) & 0x3FF), 4);
        }
    }
    return out;
}

// Names in the file may be encoded (as we write them) or written plainly by hand.
bool NameMatches(std::string_view inFile, const std::string& name) {
    return inFile == name || inFile == EncodeName(name);
}

// True when QSettings reads the value back unchanged without quotes.
bool IsPlain(const std::string& value) {
    if (value.empty()) return true;
    if (kWhitespace.find(value.front()) != std::string_view::npos ||
        kWhitespace.find(value.back()) != std::string_view::npos) {
        return false;
    }
    for (const char c : value) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 0x20 || u == 0x7F ||
            std::string_view("\"\\,;=#").find(c) != std::string_view::npos) {
            return false;
        }
    }
    return true;
}

// QSettings reads a leading '@' as the start of a typed value and "@@" as a
// literal '@', so a string value that starts with '@' gets a second one.
std::string EncodeValue(const std::string& value) {
    const std::string text = !value.empty() && value.front() == '@' ? '@' + value : value;
    if (IsPlain(text)) return text;
    std::string out = "\"";
    // A \x escape swallows every hex digit after it, so a hex digit that
    // follows one is escaped as well.
    bool afterHexEscape = false;
    for (const char c : text) {
        const auto u = static_cast<unsigned char>(c);
        if (afterHexEscape && IsHexDigit(u)) {
            out += "\\x" + Hex(u, 2);
            continue;
        }
        afterHexEscape = false;
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (const auto letter = kEscapedControls.find(c); letter != std::string_view::npos) {
            out += '\\';
            out += kEscapeLetters[letter];
        } else if (u < 0x20 || u == 0x7F) {
            out += "\\x" + Hex(u, 2);
            afterHexEscape = true;
        } else {
            out += c;
        }
    }
    return out + '"';
}

// Text decoded from a value: bytes as they are, escapes as UTF-16 units (as
// QSettings reads them), a surrogate pair of escapes joined into one character.
class DecodedText {
public:
    void Byte(char c) {
        Flush();
        text_ += c;
    }
    void Unit(char16_t unit) {
        if (high_ && unit >= 0xDC00 && unit <= 0xDFFF) {
            AppendUtf8(text_, 0x10000 + ((*high_ - 0xD800) << 10) + (unit - 0xDC00));
            high_.reset();
            return;
        }
        Flush();
        if (unit >= 0xD800 && unit <= 0xDBFF) {
            high_ = unit;
        } else {
            AppendUtf8(text_, unit);
        }
    }
    std::size_t Size() const { return text_.size(); }
    std::string Take() {
        Flush();
        return std::move(text_);
    }

private:
    // A lone surrogate is no character: it reads as U+FFFD.
    void Flush() {
        if (high_) AppendUtf8(text_, 0xFFFD);
        high_.reset();
    }

    std::string text_;
    std::optional<char16_t> high_;
};

std::size_t SkipBlanks(std::string_view text, std::size_t i) {
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    return i;
}

// The string QSettings reads from what follows the '=': leading blanks skipped,
// quoted parts taken as they are, backslash escapes resolved ("\x" and octal
// ones take every digit that follows; an unknown one stands for nothing), and
// trailing blanks dropped from a value without quotes. Unlike QSettings, a
// comma outside quotes stays in the text: QSettings reads a list there, which
// no single string stands for.
std::string DecodeValue(std::string_view raw) {
    DecodedText text;
    bool quoted = false;
    bool inQuotes = false;
    std::size_t kept = 0;  // what trailing blanks are never dropped from
    for (std::size_t i = SkipBlanks(raw, 0); i < raw.size();) {
        const char c = raw[i++];
        if (c == '"') {
            quoted = true;
            inQuotes = !inQuotes;
            if (!inQuotes) i = SkipBlanks(raw, i);
            continue;
        }
        if (c != '\\') {
            text.Byte(c);
            continue;
        }
        if (i == raw.size()) {
            kept = text.Size();  // a last lone backslash keeps the blanks before it
            break;
        }
        const char e = raw[i++];
        const bool hex = e == 'x';
        if (const auto letter = kEscapeLetters.find(e); letter != std::string_view::npos) {
            text.Unit(static_cast<char16_t>(kEscapedControls[letter]));
        } else if (e == '"' || e == '\'' || e == '?' || e == '\\') {
            text.Unit(static_cast<char16_t>(e));
        } else if ((hex && i < raw.size() && IsHexDigit(raw[i])) || (e >= '0' && e <= '7')) {
            const unsigned base = hex ? 16 : 8;
            auto unit = static_cast<char16_t>(hex ? 0 : e - '0');
            while (i < raw.size() && (hex ? IsHexDigit(raw[i]) : raw[i] >= '0' && raw[i] <= '7')) {
                unit = static_cast<char16_t>(unit * base + HexValue(raw[i++]));
            }
            text.Unit(unit);
        }
        kept = text.Size();
    }
    std::string value = text.Take();
    if (!quoted) {
        while (value.size() > kept && (value.back() == ' ' || value.back() == '\t'))
            value.pop_back();
    }
    if (value.starts_with("@String(") && value.ends_with(')'))
        return value.substr(8, value.size() - 9);
    if (value.starts_with("@@")) value.erase(0, 1);
    return value;
}

struct IniLine {
    enum class Kind { Other, Section, Key };
    Kind kind = Kind::Other;
    std::string_view name;   // section or key, as written in the file
    std::string_view value;  // raw value of a key line
};

// Blank lines, comments and anything that is neither "[section]" nor
// "key=value" are Other; they are ignored when reading and kept when writing.
// The first line may begin with the byte order mark that some editors put at
// the start of a UTF-8 file; like QSettings, we read past it (and keep it).
// Like QSettings, the key ends at the first '=' outside quotes and the value at
// a ';' outside quotes, where a comment starts; a backslash escapes the
// character after it.
IniLine ParseLine(std::string_view line, bool first) {
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    if (first && line.starts_with(kByteOrderMark)) line.remove_prefix(kByteOrderMark.size());
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.remove_suffix(1);
    const std::string_view body = Trim(line);
    if (body.empty() || body.front() == ';' || body.front() == '#') return {};
    if (body.front() == '[') {
        const auto close = body.find(']');
        if (close == std::string_view::npos) return {};
        return {IniLine::Kind::Section, body.substr(1, close - 1), {}};
    }
    std::optional<std::size_t> equals;
    std::size_t end = body.size();
    bool inQuotes = false;
    for (std::size_t i = 0; i < body.size(); ++i) {
        if (body[i] == '\\') {
            ++i;
        } else if (body[i] == '"') {
            inQuotes = !inQuotes;
        } else if (inQuotes) {
            continue;
        } else if (body[i] == '=' && !equals) {
            equals = i;
        } else if (body[i] == ';') {
            end = i;
            break;
        }
    }
    if (!equals) return {};
    const std::string_view key = Trim(body.substr(0, *equals));
    if (key.empty()) return {};
    return {IniLine::Kind::Key, key, body.substr(*equals + 1, end - *equals - 1)};
}

// The file's lines, each with its own line ending (the last one may have none).
std::vector<std::string> SplitLines(const std::string& content) {
    std::vector<std::string> lines;
    for (std::size_t start = 0; start < content.size();) {
        const auto newline = content.find('\n', start);
        const auto end = newline == std::string::npos ? content.size() : newline + 1;
        lines.push_back(content.substr(start, end - start));
        start = end;
    }
    return lines;
}

std::string LineEnding(const std::string& line) {
    if (line.size() >= 2 && line.compare(line.size() - 2, 2, "\r\n") == 0) return "\r\n";
    if (!line.empty() && line.back() == '\n') return "\n";
    return "";
}

void EndLine(std::string& line) {
    if (line.empty() || line.back() != '\n') line += '\n';
}

// Puts `entry` ("key=value") in place of the key's line in the section, or
// adds it at the end of the section's first group, or adds the section.
// Duplicate lines of the key in the section are dropped so that the file
// holds one value for it.
void SetEntry(std::vector<std::string>& lines, const std::string& section, const std::string& key,
              const std::string& entry) {
    std::optional<std::size_t> insertAt;
    int groupsSeen = 0;
    bool inSection = false;
    bool replaced = false;
    for (std::size_t i = 0; i < lines.size();) {
        const IniLine parsed = ParseLine(lines[i], i == 0);
        if (parsed.kind == IniLine::Kind::Section) {
            inSection = NameMatches(parsed.name, section);
            if (inSection) ++groupsSeen;
        } else if (inSection && parsed.kind == IniLine::Kind::Key &&
                   NameMatches(parsed.name, key)) {
            if (replaced) {
                lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(i));
                continue;
            }
            lines[i] = entry + LineEnding(lines[i]);
            replaced = true;
        }
        if (inSection && groupsSeen == 1 && !Trim(lines[i]).empty()) insertAt = i + 1;
        ++i;
    }
    if (replaced) return;
    if (insertAt) {
        EndLine(lines[*insertAt - 1]);
        lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(*insertAt), entry + '\n');
        return;
    }
    if (!lines.empty()) {
        EndLine(lines.back());
        if (!Trim(lines.back()).empty()) lines.push_back("\n");
    }
    lines.push_back('[' + EncodeName(section) + "]\n");
    lines.push_back(entry + '\n');
}

// Reads the whole file; returns 0 or the errno of the failure. Only a regular
// file is read: opening a named pipe or a device could wait for ever (hence
// the open that does not block) and reading one could never end.
int ReadFile(const std::string& path, std::string& content) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0) return errno;
    struct stat status {};
    int error = 0;
    if (::fstat(fd, &status) != 0) {
        error = errno;
    } else if (S_ISDIR(status.st_mode)) {
        error = EISDIR;
    } else if (!S_ISREG(status.st_mode)) {
        error = EINVAL;
    }
    char buffer[65536];
    while (error == 0) {
        const ssize_t count = ::read(fd, buffer, sizeof buffer);
        if (count < 0 && errno == EINTR) continue;
        if (count < 0) error = errno;
        if (count <= 0) break;
        content.append(buffer, static_cast<std::size_t>(count));
    }
    ::close(fd);
    return error;
}

[[noreturn]] void Fail(const std::string& what, const std::string& path, int error) {
    throw Error("Cannot " + what + " " + path + ": " + ErrnoText(error));
}

}  // namespace

IniSettingsStore::IniSettingsStore(std::string folder) : folder_(std::move(folder)) {}

std::string IniSettingsStore::DefaultFolder() {
    const std::string config = Env("XDG_CONFIG_HOME");
    if (!config.empty() && config.front() == '/') return config;
    return Env("HOME") + "/.config";
}

std::string IniSettingsStore::FilePath(const std::string& application) const {
    return folder_ + '/' + application + ".conf";
}

std::string IniSettingsStore::Read(const std::string& application, const std::string& section,
                                   const std::string& key, const std::string& fallback) const {
    const std::string path = FilePath(application);
    std::string content;
    if (const int error = ReadFile(path, content); error != 0) {
        // No file (or no folder for it) holds nothing yet; anything else there
        // that cannot be read is a failure, not an empty store.
        if (error == ENOENT || error == ENOTDIR) return fallback;
        Fail("read the settings file", path, error);
    }
    const std::vector<std::string> lines = SplitLines(content);
    std::optional<std::string_view> raw;
    bool inSection = false;
    for (const std::string& line : lines) {
        const IniLine parsed = ParseLine(line, &line == &lines.front());
        if (parsed.kind == IniLine::Kind::Section) {
            inSection = NameMatches(parsed.name, section);
        } else if (inSection && parsed.kind == IniLine::Kind::Key &&
                   NameMatches(parsed.name, key)) {
            raw = parsed.value;
        }
    }
    return raw ? DecodeValue(*raw) : fallback;
}

void IniSettingsStore::Write(const std::string& application, const std::string& section,
                             const std::string& key, const std::string& value) {
    const std::string path = FilePath(application);
    std::error_code created;
    std::filesystem::create_directories(folder_, created);
    if (created) Fail("create the settings folder", folder_, created.value());

    std::string content;
    std::optional<mode_t> mode;
    if (const int error = ReadFile(path, content); error == 0) {
        // Keep the file's permissions: it may have been made private on purpose.
        struct stat status {};
        if (::stat(path.c_str(), &status) == 0) mode = status.st_mode & 07777;
    } else if (error != ENOENT) {
        // Writing now would lose every other value in the file.
        Fail("read the settings file", path, error);
    }

    std::vector<std::string> lines = SplitLines(content);
    SetEntry(lines, section, key, EncodeName(key) + '=' + EncodeValue(value));
    std::string updated;
    for (const std::string& line : lines) updated += line;
    if (const int error = ReplaceFile(path, updated, mode); error != 0) {
        Fail("write the settings file", path, error);
    }
}

}  // namespace tess
