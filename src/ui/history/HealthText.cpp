#include "ui/history/HealthText.h"

#include <cmath>
#include <cstdint>

#include "common/CivilTime.h"
#include "history/Median.h"
#include "ui/history/SessionText.h"

namespace tess {

namespace {

std::string Count(long long count, const char* one, const char* many) {
    return std::to_string(count) + " " + (count == 1 ? one : many);
}

// Hours to the nearest minute: an estimate's seconds mean nothing, and
// DurationText would drop them rather than round.
std::string Hours(double hours) {
    return DurationText(60 * std::llround(hours * 60));
}

std::string Date(const ZonedMoment& moment, const DateTimeFormat& format) {
    return format.ShortDate(CivilFromSeconds(moment.Local()));
}

}  // namespace

std::string NoLedgerText() {
    return "There is no battery health record yet (Tessaline notes each battery's capacity once "
           "a day where the system gives it): the figures here come from the log alone.";
}

std::string LedgerSummary(const LedgerReport& report, const std::string& path) {
    switch (report.state) {
        case LedgerReport::State::Missing:
            return NoLedgerText();
        case LedgerReport::State::NotAFile:
            return path + " is not a battery health record: " + report.error + ".";
        case LedgerReport::State::Unreadable:
        case LedgerReport::State::Read:
            break;
    }
    if (report.rows == 0 && report.skipped == 0) {
        return report.state == LedgerReport::State::Read
                   ? NoLedgerText()
                   : "The battery health record cannot be read: " + report.error + ".";
    }
    std::string text =
        Count(static_cast<long long>(report.rows), "health record", "health records") + " read";
    if (report.skipped > 0) {
        text += ", " + Count(static_cast<long long>(report.skipped), "line", "lines") +
                " skipped (not health records)";
    }
    if (report.bytesLeftOut > 0) {
        text += ", the first " + std::to_string((report.bytesLeftOut + (1 << 20) - 1) >> 20) +
                " MB of this large record left out";
    }
    if (report.state == LedgerReport::State::Unreadable)
        text += "; reading stopped: " + report.error;
    return text + ".";
}

std::string BatteryLabel(const BatteryIdentity& identity) {
    std::string details;
    for (const std::string& part : {identity.manufacturer, identity.model,
                                    identity.serial.empty() ? "" : "serial " + identity.serial}) {
        if (part.empty()) continue;
        if (!details.empty()) details += ", ";
        details += part;
    }
    if (identity.name.empty()) return details.empty() ? "Battery" : details;
    return details.empty() ? identity.name : identity.name + " (" + details + ")";
}

std::string HealthSentence(const BatteryCapacity& battery, const DateTimeFormat& format) {
    const auto summary = SummarizeHealth(battery);
    if (!summary) return "This battery does not give its design capacity.";
    std::string text = "This battery holds " + std::to_string(std::llround(summary->percent)) +
                       " % of its design capacity";
    if (summary->cycleCount) text += " after " + Count(*summary->cycleCount, "cycle", "cycles");
    if (summary->change) {
        const long long points = std::llround(*summary->change);
        text += points > 0   ? "; it gained " + Count(points, "point", "points")
                : points < 0 ? "; it lost " + Count(-points, "point", "points")
                             : std::string("; it lost no points");
        text += summary->sixMonths ? " in the last six months"
                                   : " since " + Date(summary->since, format);
    }
    return text + ".";
}

std::string RuntimeSentence(const RuntimeNowAndNew& runtime) {
    std::string text = "At the median drain of the last " + std::to_string(kRecentDays / 7) +
                       " weeks (" + TenthsText(runtime.drainPerHour) +
                       " %/h), a full charge lasts " + Hours(runtime.hoursNow);
    if (runtime.hoursNew) {
        text += " now and would last " + Hours(*runtime.hoursNew) + " at design capacity";
    }
    return text + ".";
}

std::string RuntimeSplitSentence(const RuntimeSplit& split, const DateTimeFormat& format) {
    const auto part = [](double hours, const char* took, const char* gave) {
        return std::string(hours >= 0 ? took : gave) + " " + Hours(std::fabs(hours));
    };
    return "Since the week of " + format.ShortDate(CivilFromSeconds(split.fromWeek)) +
           " a full charge went from " + Hours(split.hoursThen) + " to " + Hours(split.hoursNow) +
           ": " + part(split.wear, "wear took", "a larger capacity gave back") + " and " +
           part(split.use, "heavier use took", "lighter use gave back") + ".";
}

std::string GapLossSentence(const std::vector<GapLoss>& gaps) {
    if (gaps.empty()) return "No gap in the log was followed by a lower charge on battery.";
    std::vector<double> losses;
    for (const GapLoss& gap : gaps) losses.push_back(gap.perHour);
    return "While nothing was logged (sleep, shutdown, the program closed), the charge fell by at "
           "least " +
           TenthsText(Median(losses)) + " %/h (median of " +
           Count(static_cast<long long>(gaps.size()), "gap", "gaps") + ").";
}

std::string SteadyEstimateSentence(const SteadyEstimate& estimate) {
    std::string text = "At the drain of the last " + std::to_string(kSteadyDays) + " days, " +
                       (estimate.onBattery ? std::to_string(estimate.percent) + " %"
                                           : std::string("a full charge")) +
                       " lasts about " + Hours(estimate.hours);
    if (estimate.loggedRemaining) {
        text += " (the time left last logged: " + DurationText(*estimate.loggedRemaining) + ")";
    }
    return text + ".";
}

std::string TimeLeftSentence(const TimeLeftCheck& check) {
    const long long percent = std::llround((check.medianRatio - 1) * 100);
    const std::string entries =
        " (median of " + Count(static_cast<long long>(check.entries), "entry", "entries") + ").";
    if (percent == 0)
        return "The time left that the platform logged matched what followed" + entries;
    return "The time left that the platform logged was " + std::to_string(std::llabs(percent)) +
           " % " + (percent > 0 ? "longer" : "shorter") + " than what followed" + entries;
}

}  // namespace tess
