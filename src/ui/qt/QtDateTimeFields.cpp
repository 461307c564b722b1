// QtDateTimeFormat's patterns described field by field, so that the log reader
// can match what QLocale wrote with them.

#include <QDate>
#include <QTime>

#include "ui/qt/QtDateTimeFormat.h"

namespace tess {

namespace {

using Kind = DateTimeField::Kind;

// Walks a QLocale date or time pattern as QLocale::toString reads it: runs of
// one field letter (at most four for days and months, two for the time, four
// or two for years), quoted text, and any other character as itself. Names
// are rendered by the locale itself from the same letters, so they match
// what it writes.
class PatternWalk {
public:
    PatternWalk(const QLocale& locale, const QString& pattern, bool date)
        : locale_(locale), pattern_(pattern), date_(date) {}

    DateTimeFields Fields() {
        for (int i = 0; i < 10; ++i) {
            out_.digits[i] = locale_.toString(QTime(0, 0, i), QStringLiteral("s")).toStdString();
        }
        const bool twelveHour = !date_ && HasAmPm();
        qsizetype i = 0;
        while (i < pattern_.size()) {
            const QChar c = pattern_[i];
            if (c == QLatin1Char('\'')) {
                i = Quoted(i);
                continue;
            }
            qsizetype run = 1;
            while (i + run < pattern_.size() && pattern_[i + run] == c) ++run;
            i += date_ ? DateField(c, run) : TimeField(c, run, twelveHour, i);
        }
        Flush();
        return std::move(out_);
    }

private:
    // A quoted text, with '' for a quote mark; returns the index after it.
    qsizetype Quoted(qsizetype i) {
        if (i + 1 < pattern_.size() && pattern_[i + 1] == QLatin1Char('\'')) {
            literal_ += QLatin1Char('\'');
            return i + 2;
        }
        for (++i; i < pattern_.size(); ++i) {
            if (pattern_[i] != QLatin1Char('\'')) {
                literal_ += pattern_[i];
            } else if (i + 1 < pattern_.size() && pattern_[i + 1] == QLatin1Char('\'')) {
                literal_ += QLatin1Char('\'');
                ++i;
            } else {
                return i + 1;
            }
        }
        return i;
    }

    // Returns how many pattern characters the field took.
    qsizetype DateField(QChar c, qsizetype run) {
        if (c == QLatin1Char('d') || c == QLatin1Char('M')) {
            const int length = static_cast<int>(std::min<qsizetype>(run, 4));
            const bool day = c == QLatin1Char('d');
            if (length <= 2) {
                Add(DateTimeField::Number(day ? Kind::Day : Kind::Month, length, 2));
            } else {
                const QString token(length, c);
                std::vector<std::string> names;
                // 1 January 2001 was a Monday.
                for (int n = 1; n <= (day ? 7 : 12); ++n) {
                    const QDate date = day ? QDate(2001, 1, n) : QDate(2001, n, 1);
                    names.push_back(locale_.toString(date, token).toStdString());
                }
                Add(DateTimeField::Names(day ? Kind::DayName : Kind::MonthName, std::move(names)));
            }
            return length;
        }
        if (c == QLatin1Char('y') && run >= 2) {
            const int length = run >= 4 ? 4 : 2;
            Add(DateTimeField::Number(Kind::Year, length, length));
            return length;
        }
        literal_ += c;
        return 1;
    }

    qsizetype TimeField(QChar c, qsizetype run, bool twelveHour, qsizetype at) {
        const int length = static_cast<int>(std::min<qsizetype>(run, 2));
        if (c == QLatin1Char('h') || c == QLatin1Char('H')) {
            const Kind kind = c == QLatin1Char('h') && twelveHour ? Kind::Hour12 : Kind::Hour;
            Add(DateTimeField::Number(kind, length, 2));
            return length;
        }
        if (c == QLatin1Char('m') || c == QLatin1Char('s')) {
            Add(DateTimeField::Number(c == QLatin1Char('m') ? Kind::Minute : Kind::Second, length,
                                      2));
            return length;
        }
        if (c == QLatin1Char('a') || c == QLatin1Char('A')) {
            const bool pair =
                at + 1 < pattern_.size() && pattern_[at + 1].toLower() == QLatin1Char('p');
            const QString token = pattern_.mid(at, pair ? 2 : 1);
            Add(DateTimeField::Names(Kind::AmPm,
                                     {locale_.toString(QTime(1, 0), token).toStdString(),
                                      locale_.toString(QTime(13, 0), token).toStdString()}));
            return token.size();
        }
        if (c == QLatin1Char('z') || c == QLatin1Char('t')) {
            if (out_.unreadable.empty()) {
                out_.unreadable = "the time pattern \"" + pattern_.toStdString() +
                                  "\" writes milliseconds or a time zone";
            }
            return run;
        }
        literal_ += c;
        return 1;
    }

    // Whether the pattern has an AM/PM field outside quotes, which makes "h" a 12-hour clock.
    bool HasAmPm() const {
        bool quoted = false;
        for (const QChar c : pattern_) {
            if (c == QLatin1Char('\'')) quoted = !quoted;
            if (!quoted && (c == QLatin1Char('a') || c == QLatin1Char('A'))) return true;
        }
        return false;
    }

    void Add(DateTimeField field) {
        Flush();
        out_.fields.push_back(std::move(field));
    }

    void Flush() {
        if (literal_.isEmpty()) return;
        out_.fields.push_back(DateTimeField::Literal(literal_.toStdString()));
        literal_.clear();
    }

    const QLocale& locale_;
    const QString& pattern_;
    const bool date_;
    QString literal_;
    DateTimeFields out_;
};

}  // namespace

DateTimeFields QtDateTimeFormat::ShortDateFields() const {
    return PatternWalk(locale_, datePattern_, true).Fields();
}

DateTimeFields QtDateTimeFormat::LongTimeFields() const {
    return PatternWalk(locale_, timePattern_, false).Fields();
}

}  // namespace tess
