#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <vector>

#include "history/Sample.h"

namespace tess {

// A run of battery entries with a known charge, unbroken by an AC entry, by a
// gap of more than a few logging intervals, or by the clock going back. Its
// samples are those from `first` to `last` but the ones set aside (see
// DischargeAnalysis::SetAside).
struct DischargeSession {
    std::uint32_t first = 0;  // indices of its first and last sample
    std::uint32_t last = 0;
    std::int64_t start = 0;  // times of those samples (Sample::time)
    std::int64_t end = 0;
    int firstPercent = 0;
    int lastPercent = 0;
    // Percent per hour, and the hours a full charge would last at that drain;
    // both 0 when the charge did not fall.
    double drainPerHour = 0;
    double fullChargeHours = 0;
    std::int16_t startOffset = 0;  // the samples' Sample::utcOffset
    std::int16_t endOffset = 0;

    std::int64_t Duration() const { return end - start; }
    // Its start and end on the local clock, as the log gives them.
    std::int64_t LocalStart() const { return start + 60 * std::int64_t{startOffset}; }
    std::int64_t LocalEnd() const { return end + 60 * std::int64_t{endOffset}; }
};

// A period on AC power: from its first AC entry to the entry that follows its
// last one (when that follows within the logging interval), or to its last.
struct AcSpan {
    std::int64_t start = 0;
    std::int64_t end = 0;
};

// The median runtime of a full charge over the sessions that started in one
// calendar week (Monday to Sunday) of the local clock.
struct WeekRuntime {
    std::int64_t weekStart = 0;  // Monday 00:00:00, in local seconds (CivilTime.h)
    double medianHours = 0;
    std::size_t sessions = 0;
};

// Discharge sessions, AC periods and the weekly runtime of a list of samples
// in the order they were logged. Kept up to date as samples are appended, at
// a cost that does not grow with the log. An entry of a clock wrong for a
// moment (reset to 2000, or in the future) is set aside: one whose time is not
// between the entry before it and those after it, while those go on from the
// entry before it. Set aside, it is counted, and neither ends a session nor
// widens a chart; a clock put back for good is no moment's fault, and ends the
// session.
class DischargeAnalysis {
public:
    // A gap is a step longer than this many typical steps around it (plus the
    // second or two a write may take), or longer than a day and an hour.
    static constexpr std::int64_t kGapFactor = 3;
    static constexpr std::int64_t kWriteSlack = 2;
    static constexpr std::int64_t kLongestStep = 25 * 3600;
    // Steps on each side of a step that tell its typical length.
    static constexpr std::size_t kAround = 3;
    // Sessions whose charge fell by fewer points tell little about a full
    // charge (the charge is logged in whole percent) and stay out of the weeks.
    static constexpr int kMinDropForWeek = 5;

    // Takes up the samples, of which the first `kept` are those of the last call.
    void Update(const std::vector<Sample>& samples, std::size_t kept);

    const std::vector<DischargeSession>& Sessions() const { return sessions_; }
    const std::vector<AcSpan>& AcSpans() const { return acSpans_; }
    std::vector<WeekRuntime> Weeks() const;
    // Entries logged earlier than the entry before them (the clock was put back).
    std::size_t OutOfOrder() const { return backSteps_.size(); }
    // The samples set aside, in order, and how many.
    const std::vector<std::uint32_t>& SetAside() const { return aside_; }
    std::size_t OutOfPlace() const { return aside_.size(); }
    // The earliest and latest time of any sample not set aside; both 0 without.
    std::int64_t Earliest() const { return earliest_; }
    std::int64_t Latest() const { return latest_; }

private:
    enum class Kind : std::uint8_t { Battery, Ac, NoLevel };
    enum class Break { None, KindChange, Gap };
    struct Run {
        std::uint32_t first;
        std::uint32_t last;
        Kind kind;
        bool afterKindChange;   // started because the kind changed, not at a gap
        std::int64_t earliest;  // the earliest and latest time of this and every run before
        std::int64_t latest;
    };
    struct Week {
        std::vector<std::uint32_t> sessions;
        double medianHours = 0;
    };

    static constexpr std::size_t kNone = static_cast<std::size_t>(-1);

    static Kind KindOf(const Sample& sample);
    static Break BreakBefore(const std::vector<Sample>& samples, std::size_t previous,
                             std::size_t j);
    static bool OutOfTime(const std::vector<Sample>& samples, std::size_t previous,
                          std::size_t j);
    std::size_t LastKeptBefore(std::size_t j) const;
    void Derive(const std::vector<Sample>& samples, std::size_t fromRun);
    void DropDerived(std::size_t fromRun);
    void UpdateWeekMedian(std::int64_t week);
    static std::int64_t WeekOf(const DischargeSession& session);

    std::vector<Run> runs_;
    std::vector<DischargeSession> sessions_;
    std::vector<std::uint32_t> sessionRun_;  // the run of each session
    std::vector<AcSpan> acSpans_;
    std::vector<std::uint32_t> acSpanRun_;
    std::vector<std::uint32_t> backSteps_;  // samples earlier than the one before
    std::vector<std::uint32_t> aside_;
    std::map<std::int64_t, Week> weeks_;    // by the day number of their Monday
    std::vector<std::int64_t> touchedWeeks_;
    std::size_t processed_ = 0;
    std::int64_t earliest_ = 0;
    std::int64_t latest_ = 0;
};

}  // namespace tess
