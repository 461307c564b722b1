#pragma once

#include <QLocale>

#include "engine/DateTimeText.h"

namespace tess {

// Dates and times in the user's locale, as Qt knows it.
class QtDateTimeFormat : public DateTimeFormat {
public:
    explicit QtDateTimeFormat(const QLocale& locale = QLocale::system());
    std::string ShortDate(const LocalDateTime& moment) const override;
    std::string LongTime(const LocalDateTime& moment) const override;
    std::string TimeSeparator() const override;
    DateTimeFields ShortDateFields() const override;
    DateTimeFields LongTimeFields() const override;

private:
    QString datePattern_;
    QString timePattern_;
    QString timeSeparator_;
    QLocale locale_;
};

}  // namespace tess
