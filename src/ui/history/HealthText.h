#pragma once

#include <string>
#include <vector>

#include "engine/DateTimeText.h"
#include "history/CapacityHistory.h"
#include "history/HealthLedger.h"
#include "history/LogEstimates.h"
#include "history/RuntimeFigures.h"

namespace tess {

// The sentences of the battery's health and of the estimates, for the
// history window and the battery report. Durations as DurationText, tenths as
// TenthsText, dates as the short date of the log's format.

// Where the ledger holds nothing yet, in its first day or on a machine that
// gives no battery details.
std::string NoLedgerText();

// What reading the ledger at `path` found: the records read and the lines
// skipped, or why there is nothing to show (NoLedgerText when there is no
// ledger or an empty one).
std::string LedgerSummary(const LedgerReport& report, const std::string& path);

// A battery's name with its maker, model and serial number where given:
// "BAT0 (SMP, DELL GPM0365, serial 59)".
std::string BatteryLabel(const BatteryIdentity& identity);

// "This battery holds 83 % of its design capacity after 412 cycles; it lost 4
// points in the last six months." (or "since" the date of its first point,
// when its history is shorter).
std::string HealthSentence(const BatteryCapacity& battery, const DateTimeFormat& format);

// "At the median drain of the last 4 weeks (12.5 %/h), a full charge lasts
// 8 h 00 min now and would last 10 h 00 min at design capacity."
std::string RuntimeSentence(const RuntimeNowAndNew& runtime);

// "Since the week of 1/5/2026 a full charge went from 10 h 00 min to 7 h 16
// min: wear took 2 h 00 min and heavier use took 44 min."
std::string RuntimeSplitSentence(const RuntimeSplit& split, const DateTimeFormat& format);

// The loss over gaps in the log, said as the lower bound it is.
std::string GapLossSentence(const std::vector<GapLoss>& gaps);

// "At the drain of the last 7 days, 60 % lasts about 3 h 20 min", with the
// time left the latest entry logged.
std::string SteadyEstimateSentence(const SteadyEstimate& estimate);

// How the logged time left compared with what followed.
std::string TimeLeftSentence(const TimeLeftCheck& check);

}  // namespace tess
