#include "ui/qt/QtDateTimeFormat.h"

#include <QDate>
#include <QTime>
#include <algorithm>
#include <vector>

namespace tess {

namespace {

// One piece of a Qt date-time pattern: a field (a run of one ASCII letter), a
// quoted literal ('...', with '' for a quote) or plain literal text between them.
struct Piece {
    enum class Kind { Field, Quoted, Plain };
    Kind kind;
    QString raw;  // as written in the pattern
};

bool IsFieldLetter(QChar c) {
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

std::vector<Piece> SplitPattern(const QString& pattern) {
    std::vector<Piece> pieces;
    for (qsizetype i = 0; i < pattern.size();) {
        const qsizetype start = i;
        Piece::Kind kind;
        if (pattern[i] == u'\'') {
            kind = Piece::Kind::Quoted;
            for (++i; i < pattern.size(); ++i) {
                if (pattern[i] != u'\'') continue;
                if (i + 1 < pattern.size() && pattern[i + 1] == u'\'') {
                    ++i;
                } else {
                    ++i;
                    break;
                }
            }
        } else if (IsFieldLetter(pattern[i])) {
            kind = Piece::Kind::Field;
            while (i < pattern.size() && pattern[i] == pattern[start]) ++i;
        } else {
            kind = Piece::Kind::Plain;
            while (i < pattern.size() && pattern[i] != u'\'' && !IsFieldLetter(pattern[i])) ++i;
        }
        pieces.push_back({kind, pattern.mid(start, i - start)});
    }
    return pieces;
}

QString JoinPattern(const std::vector<Piece>& pieces) {
    QString pattern;
    for (const Piece& piece : pieces) pattern += piece.raw;
    return pattern;
}

bool IsField(const Piece& piece, QChar letter) {
    return piece.kind == Piece::Kind::Field && piece.raw.front() == letter;
}

// What sets the time-zone name apart from its neighbours: spaces, brackets and
// commas ("HH:mm:ss (t)", "h:mm:ss AP, t", "t HH:mm:ss").
bool IsZoneSeparator(QChar c, QStringView brackets) {
    return c.isSpace() || c == u',' || c == u'\u060C' || c == u'\uFF0C' || brackets.contains(c);
}

// The long time without its time-zone name: a log line carries local time only.
QString WithoutZone(const QString& pattern) {
    std::vector<Piece> pieces = SplitPattern(pattern);
    for (std::size_t i = 0; i < pieces.size();) {
        if (!IsField(pieces[i], u't')) {
            ++i;
            continue;
        }
        bool spaced = false;
        if (i > 0 && pieces[i - 1].kind == Piece::Kind::Plain) {
            QString& before = pieces[i - 1].raw;
            while (!before.isEmpty() && IsZoneSeparator(before.back(), u"([{\uFF08\uFF3B")) {
                spaced = spaced || before.back().isSpace();
                before.chop(1);
            }
        }
        if (i + 1 < pieces.size() && pieces[i + 1].kind == Piece::Kind::Plain) {
            QString& after = pieces[i + 1].raw;
            while (!after.isEmpty() && IsZoneSeparator(after.front(), u")]}\uFF09\uFF3D")) {
                spaced = spaced || after.front().isSpace();
                after.remove(0, 1);
            }
        }
        // Between two other pieces the name leaves one space where it had one.
        const auto hasText = [](auto first, auto last) {
            return std::any_of(first, last,
                               [](const Piece& piece) { return !piece.raw.isEmpty(); });
        };
        if (spaced && hasText(pieces.begin(), pieces.begin() + static_cast<std::ptrdiff_t>(i)) &&
            hasText(pieces.begin() + static_cast<std::ptrdiff_t>(i) + 1, pieces.end())) {
            pieces[i] = {Piece::Kind::Plain, QStringLiteral(" ")};
            ++i;
        } else {
            pieces.erase(pieces.begin() + static_cast<std::ptrdiff_t>(i));
        }
    }
    // Qt has no field for the locale's flexible day period ("in the afternoon")
    // and would print its letter; the plain AM/PM text stands in for it.
    for (Piece& piece : pieces) {
        if (IsField(piece, u'B')) piece.raw = QStringLiteral("AP");
    }
    return JoinPattern(pieces).trimmed();
}

// The separator between hours and minutes in the short time pattern, when it is
// one: text without letters, marks, spaces or quotes ("HH 'h' mm" has none).
QString SeparatorOf(const QString& pattern) {
    const std::vector<Piece> pieces = SplitPattern(pattern);
    for (std::size_t i = 0; i + 2 < pieces.size(); ++i) {
        if (!(IsField(pieces[i], u'h') || IsField(pieces[i], u'H'))) continue;
        if (pieces[i + 1].kind != Piece::Kind::Plain || !IsField(pieces[i + 2], u'm')) break;
        const QString separator = pieces[i + 1].raw;
        for (const QChar c : separator) {
            if (c.isLetterOrNumber() || c.isMark() || c.isSpace() ||
                c.category() == QChar::Punctuation_InitialQuote ||
                c.category() == QChar::Punctuation_FinalQuote || c == u'"') {
                return {};
            }
        }
        return separator;
    }
    return {};
}

}  // namespace

QtDateTimeFormat::QtDateTimeFormat(const QLocale& locale)
    : datePattern_(locale.dateFormat(QLocale::ShortFormat)),
      timePattern_(WithoutZone(locale.timeFormat(QLocale::LongFormat))),
      timeSeparator_(SeparatorOf(locale.timeFormat(QLocale::ShortFormat))),
      locale_(locale) {
    if (timeSeparator_.isEmpty()) timeSeparator_ = QStringLiteral(":");
}

std::string QtDateTimeFormat::ShortDate(const LocalDateTime& m) const {
    return locale_.toString(QDate(m.year, m.month, m.day), datePattern_).toStdString();
}

std::string QtDateTimeFormat::LongTime(const LocalDateTime& m) const {
    return locale_.toString(QTime(m.hour, m.minute, m.second), timePattern_).toStdString();
}

std::string QtDateTimeFormat::TimeSeparator() const {
    return timeSeparator_.toStdString();
}

}  // namespace tess
