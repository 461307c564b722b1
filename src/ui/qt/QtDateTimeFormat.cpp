#include "ui/qt/QtDateTimeFormat.h"

#include <QDate>
#include <QTime>

namespace tess {

namespace {
// The long time without its time-zone name: a log line carries local time only.
QString WithoutZone(QString pattern) {
    pattern.remove(QLatin1Char('t'));
    return pattern.trimmed();
}
}  // namespace

QtDateTimeFormat::QtDateTimeFormat(const QLocale& locale)
    : datePattern_(locale.dateFormat(QLocale::ShortFormat)),
      timePattern_(WithoutZone(locale.timeFormat(QLocale::LongFormat))),
      locale_(locale) {}

std::string QtDateTimeFormat::ShortDate(const LocalDateTime& m) const {
    return locale_.toString(QDate(m.year, m.month, m.day), datePattern_).toStdString();
}

std::string QtDateTimeFormat::LongTime(const LocalDateTime& m) const {
    return locale_.toString(QTime(m.hour, m.minute, m.second), timePattern_).toStdString();
}

std::string QtDateTimeFormat::TimeSeparator() const {
    // Qt's patterns carry the separator literally: the first character that
    // is neither a field letter nor a space.
    for (const QChar c : locale_.timeFormat(QLocale::ShortFormat)) {
        if (!c.isLetter() && !c.isSpace()) return QString(c).toStdString();
    }
    return ":";
}

}  // namespace tess
