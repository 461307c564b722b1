#include "history/DischargeAnalysis.h"

#include <algorithm>
#include <array>

#include "common/CivilTime.h"

namespace tess {

DischargeAnalysis::Kind DischargeAnalysis::KindOf(const Sample& sample) {
    if (sample.onAc) return Kind::Ac;
    return sample.HasLevel() ? Kind::Battery : Kind::NoLevel;
}

// Whether a new run starts at sample j, after the sample `previous` kept
// before it, and why. A step is a gap when the clock went back, when it is
// longer than any logging interval, or when it is much longer than the steps
// around it: the typical step there is the median of the steps on both sides,
// so that a change of the interval is not a gap.
DischargeAnalysis::Break DischargeAnalysis::BreakBefore(const std::vector<Sample>& samples,
                                                        std::size_t previous, std::size_t j) {
    const std::int64_t step = samples[j].time - samples[previous].time;
    if (step < 0 || step > kLongestStep) return Break::Gap;
    std::array<std::int64_t, 2 * kAround + 1> around{};
    std::size_t count = 0;
    const std::size_t from = j > kAround ? j - kAround : 1;
    const std::size_t to = std::min(samples.size() - 1, j + kAround);
    for (std::size_t k = from; k <= to; ++k) {
        const std::int64_t d = samples[k].time - samples[k - 1].time;
        if (d >= 0) around[count++] = d;
    }
    std::nth_element(around.begin(), around.begin() + count / 2, around.begin() + count);
    if (step > kGapFactor * around[count / 2] + kWriteSlack) return Break::Gap;
    return KindOf(samples[j]) != KindOf(samples[previous]) ? Break::KindChange : Break::None;
}

// Whether sample j is to be set aside: the entries after it (the median of up
// to kAround of them, so that a second wrong one among them does not count) go
// on from the sample kept before it, and its time is not between the two. The
// last sample is set aside when it is earlier than the one before; the next
// samples decide again.
bool DischargeAnalysis::OutOfTime(const std::vector<Sample>& samples, std::size_t previous,
                                  std::size_t j) {
    const std::int64_t time = samples[j].time;
    const bool first = previous == kNone;
    std::array<std::int64_t, kAround> after{};
    std::size_t count = 0;
    for (std::size_t k = j + 1; k < samples.size() && count < kAround; ++k) {
        after[count++] = samples[k].time;
    }
    if (count == 0) return !first && time < samples[previous].time;
    std::nth_element(after.begin(), after.begin() + count / 2, after.begin() + count);
    const std::int64_t next = after[count / 2];
    if (first) return time > next;
    const std::int64_t before = samples[previous].time;
    return next >= before && (time < before || time > next);
}

// The last sample before j that is not set aside, or kNone.
std::size_t DischargeAnalysis::LastKeptBefore(std::size_t j) const {
    auto aside = aside_.rbegin();
    while (j > 0) {
        --j;
        while (aside != aside_.rend() && *aside > j) ++aside;
        if (aside == aside_.rend() || *aside != j) return j;
    }
    return kNone;
}

void DischargeAnalysis::Update(const std::vector<Sample>& samples, std::size_t kept) {
    kept = std::min(kept, processed_);
    // A decision at step j looks up to kAround steps ahead, so those from
    // kAround before the first new sample are taken again.
    const std::size_t redo = kept > kAround ? kept - kAround : 0;
    while (!runs_.empty() && runs_.back().first >= redo) runs_.pop_back();
    while (!aside_.empty() && aside_.back() >= redo) aside_.pop_back();
    std::size_t previous = LastKeptBefore(redo);
    if (!runs_.empty() && runs_.back().last >= redo)
        runs_.back().last = static_cast<std::uint32_t>(previous);
    while (!backSteps_.empty() && backSteps_.back() >= redo) backSteps_.pop_back();
    // What was derived from the last run (which may grow) and from the runs
    // that were taken back is derived again.
    const std::size_t dirty = runs_.empty() ? 0 : runs_.size() - 1;
    DropDerived(dirty);

    for (std::size_t j = redo; j < samples.size(); ++j) {
        const auto index = static_cast<std::uint32_t>(j);
        if (OutOfTime(samples, previous, j)) {
            aside_.push_back(index);
            continue;
        }
        if (previous != kNone && samples[j].time < samples[previous].time) {
            backSteps_.push_back(index);
        }
        const Break why = runs_.empty() ? Break::Gap : BreakBefore(samples, previous, j);
        if (why == Break::None) {
            runs_.back().last = index;
        } else {
            runs_.push_back({index, index, KindOf(samples[j]), why == Break::KindChange, 0, 0});
        }
        previous = j;
    }
    processed_ = samples.size();
    Derive(samples, dirty);
    // Each week once, however many of its sessions came or went.
    std::sort(touchedWeeks_.begin(), touchedWeeks_.end());
    touchedWeeks_.erase(std::unique(touchedWeeks_.begin(), touchedWeeks_.end()),
                        touchedWeeks_.end());
    for (const std::int64_t week : touchedWeeks_) UpdateWeekMedian(week);
    touchedWeeks_.clear();
    earliest_ = runs_.empty() ? 0 : runs_.back().earliest;
    latest_ = runs_.empty() ? 0 : runs_.back().latest;
}

std::int64_t DischargeAnalysis::WeekOf(const DischargeSession& session) {
    return MondayOf(FloorDiv(session.LocalStart(), kSecondsPerDay));
}

void DischargeAnalysis::DropDerived(std::size_t fromRun) {
    while (!sessionRun_.empty() && sessionRun_.back() >= fromRun) {
        const std::int64_t week = WeekOf(sessions_.back());
        const auto found = weeks_.find(week);
        if (found != weeks_.end() && !found->second.sessions.empty() &&
            found->second.sessions.back() == sessions_.size() - 1) {
            found->second.sessions.pop_back();
            touchedWeeks_.push_back(week);
        }
        sessions_.pop_back();
        sessionRun_.pop_back();
    }
    while (!acSpanRun_.empty() && acSpanRun_.back() >= fromRun) {
        acSpans_.pop_back();
        acSpanRun_.pop_back();
    }
}

void DischargeAnalysis::Derive(const std::vector<Sample>& samples, std::size_t fromRun) {
    for (std::size_t r = fromRun; r < runs_.size(); ++r) {
        Run& run = runs_[r];
        const std::int64_t start = samples[run.first].time;
        const std::int64_t end = samples[run.last].time;
        run.earliest = r == 0 ? start : std::min(runs_[r - 1].earliest, start);
        run.latest = r == 0 ? end : std::max(runs_[r - 1].latest, end);
        if (run.kind == Kind::Ac) {
            const bool joined = r + 1 < runs_.size() && runs_[r + 1].afterKindChange;
            acSpans_.push_back({start, joined ? samples[runs_[r + 1].first].time : end});
            acSpanRun_.push_back(static_cast<std::uint32_t>(r));
        } else if (run.kind == Kind::Battery) {
            DischargeSession session;
            session.first = run.first;
            session.last = run.last;
            session.start = start;
            session.end = end;
            session.firstPercent = samples[run.first].percent;
            session.lastPercent = samples[run.last].percent;
            session.startOffset = samples[run.first].utcOffset;
            session.endOffset = samples[run.last].utcOffset;
            const int drop = session.firstPercent - session.lastPercent;
            if (drop > 0 && session.Duration() > 0) {
                session.drainPerHour = drop * 3600.0 / static_cast<double>(session.Duration());
                session.fullChargeHours = 100.0 / session.drainPerHour;
            }
            if (drop >= kMinDropForWeek && session.Duration() > 0) {
                const std::int64_t week = WeekOf(session);
                weeks_[week].sessions.push_back(static_cast<std::uint32_t>(sessions_.size()));
                touchedWeeks_.push_back(week);
            }
            sessions_.push_back(session);
            sessionRun_.push_back(static_cast<std::uint32_t>(r));
        }
    }
}

void DischargeAnalysis::UpdateWeekMedian(std::int64_t week) {
    const auto found = weeks_.find(week);
    if (found == weeks_.end()) return;
    if (found->second.sessions.empty()) {
        weeks_.erase(found);
        return;
    }
    std::vector<double> hours;
    hours.reserve(found->second.sessions.size());
    for (const std::uint32_t s : found->second.sessions)
        hours.push_back(sessions_[s].fullChargeHours);
    // The median in time that grows with the week's sessions, not faster.
    const auto middle = hours.begin() + static_cast<std::ptrdiff_t>(hours.size() / 2);
    std::nth_element(hours.begin(), middle, hours.end());
    found->second.medianHours =
        hours.size() % 2 == 1 ? *middle : (*std::max_element(hours.begin(), middle) + *middle) / 2;
}

std::vector<WeekRuntime> DischargeAnalysis::Weeks() const {
    std::vector<WeekRuntime> weeks;
    weeks.reserve(weeks_.size());
    for (const auto& [day, week] : weeks_) {
        weeks.push_back({day * kSecondsPerDay, week.medianHours, week.sessions.size()});
    }
    return weeks;
}

}  // namespace tess
