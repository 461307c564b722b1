#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <limits>
#include <string>
#include <vector>

#include "TrayFixture.h"
#include "common/Error.h"

namespace tess::test {
namespace {

using Messages = std::vector<std::uint32_t>;

constexpr std::int32_t kMaxInt32 = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kMinInt32 = std::numeric_limits<std::int32_t>::min();

std::size_t BalloonsShown(const RecordingTrayShell& shell) {
    std::size_t shown = 0;
    for (const auto& s : shell.sent) shown += s.record.szInfo.empty() ? 0 : 1;
    return shown;
}

struct OnceCase {
    const char* name;
    std::vector<bool> showOnce;  // one call each
    std::size_t shown;
};

class ShowOnceTest : public TrayParamFixture<OnceCase> {};

TEST_P(ShowOnceTest, OnlyTheFirstOnceOnlyBalloonIsShown) {
    tray.SetInTray(true);
    for (const bool once : GetParam().showOnce) tray.ShowBalloon("text", "title", 0, once);

    EXPECT_EQ(BalloonsShown(shell), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(Tray, ShowOnceTest,
                         ::testing::Values(OnceCase{"OnceTwice", {true, true}, 1},
                                           OnceCase{"OnceThenAlways", {true, false, false}, 3},
                                           OnceCase{
                                               "AlwaysThenOnce", {false, false, true, true}, 3},
                                           OnceCase{"Always", {false, false, false}, 3}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(TrayFixture, OnceOnlyCountsPerInstance) {
    tray.ShowBalloon("text", "title", 0, true);
    RecordingTrayShell otherShell(0x6160);
    cSysTray other({otherShell, wait, host});
    other.ShowBalloon("text", "title", 0, true);

    EXPECT_EQ(BalloonsShown(shell), 1u);
    EXPECT_EQ(BalloonsShown(otherShell), 1u);
}

class NoTimerTest : public TrayParamFixture<std::int32_t> {};

TEST_P(NoTimerTest, SendsNoTimeoutNeitherWaitsNorTakesDown) {
    tray.SetInTray(true);
    tray.ShowBalloon("text", "title", GetParam(), false);

    EXPECT_EQ(shell.Messages(), (Messages{0, 1}));
    EXPECT_EQ(shell.sent[1].record.uTimeout, 0u);
    EXPECT_TRUE(wait.waits.empty());
}

INSTANTIATE_TEST_SUITE_P(Tray, NoTimerTest, ::testing::Values(0, -1, -5, kMinInt32));

TEST_F(TrayFixture, WaitsTheFullTimeThenTakesTheBalloonDown) {
    tray.SetInTray(true);
    tray.ShowBalloon("text", "title", 5, true);

    ASSERT_EQ(wait.waits.size(), 1u);
    EXPECT_EQ(wait.waits[0].timeoutMs, 5000);
    EXPECT_FALSE(wait.waits[0].endedEarly);
    ASSERT_EQ(shell.Messages(), (Messages{0, 1, 1}));
    EXPECT_EQ(shell.sent[2].record.szInfo, "");
    EXPECT_EQ(shell.sent[2].record.szInfoTitle, "");
}

TEST_F(TrayFixture, OutOfTheTrayTheBalloonIsStillSentWaitedForAndTakenDown) {
    tray.ShowBalloon("text", "title", 5, false);

    EXPECT_EQ(shell.Messages(), (Messages{1, 1}));
    ASSERT_EQ(wait.waits.size(), 1u);
    EXPECT_FALSE(wait.waits[0].endedEarly);
}

struct DuringWaitCase {
    std::intptr_t code;
    bool endsTheWait;  // the balloon is gone: no take-down follows
};

class DuringWaitTest : public TrayParamFixture<DuringWaitCase> {};

TEST_P(DuringWaitTest, OnlyTheShellReportingTheBalloonGoneEndsTheWait) {
    tray.SetInTray(true);
    wait.duringWait = [this] { shell.DeliverTray(GetParam().code); };

    tray.ShowBalloon("text", "title", 5, false);

    ASSERT_EQ(wait.waits.size(), 1u);
    EXPECT_EQ(wait.waits[0].endedEarly, GetParam().endsTheWait);
    EXPECT_EQ(shell.Messages(), GetParam().endsTheWait ? (Messages{0, 1}) : (Messages{0, 1, 1}));
    if (GetParam().endsTheWait) {
        EXPECT_TRUE(host.events.empty());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Tray, DuringWaitTest,
    ::testing::Values(DuringWaitCase{0x403, true}, DuringWaitCase{0x404, true},
                      DuringWaitCase{0x405, true}, DuringWaitCase{0x402, false},
                      DuringWaitCase{0x200, false}, DuringWaitCase{0x201, false},
                      DuringWaitCase{0x202, false}, DuringWaitCase{0x205, false},
                      DuringWaitCase{0x207, false}, DuringWaitCase{0x406, false}),
    [](const auto& info) {
        char name[16];
        std::snprintf(name, sizeof name, "Code0x%03X", static_cast<unsigned>(info.param.code));
        return std::string(name);
    });

TEST_F(TrayFixture, EventsDuringTheWaitReachTheHostBeforeShowBalloonReturns) {
    tray.SetInTray(true);
    wait.duringWait = [this] { shell.DeliverTray(0x202); };

    tray.ShowBalloon("text", "title", 5, true);

    EXPECT_EQ(host.events, (std::vector<TrayEvent>{{"MouseUp", 1, 0}}));
}

TEST_F(TrayFixture, AnInnerBalloonDuringTheWaitSharesTheFlag) {
    tray.SetInTray(true);
    wait.duringWait = [this] {
        tray.ShowBalloon("inner", "title", 0, false);
        shell.DeliverTray(0x405);
    };

    tray.ShowBalloon("outer", "title", 5, false);

    ASSERT_EQ(wait.waits.size(), 1u);
    EXPECT_TRUE(wait.waits[0].endedEarly);
    EXPECT_EQ(shell.Messages(), (Messages{0, 1, 1})) << "no take-down after the click";
}

struct TimerCase {
    std::int32_t showTimer;
    std::uint32_t timeoutMs;
};

class TimeoutTest : public TrayParamFixture<TimerCase> {};

TEST_P(TimeoutTest, TimeoutIsTheTimerInMilliseconds) {
    tray.ShowBalloon("text", "title", GetParam().showTimer, false);

    ASSERT_FALSE(shell.sent.empty());
    EXPECT_EQ(shell.sent[0].record.uTimeout, GetParam().timeoutMs);
    ASSERT_EQ(wait.waits.size(), 1u);
    EXPECT_EQ(static_cast<std::uint32_t>(wait.waits[0].timeoutMs), GetParam().timeoutMs);
}

INSTANTIATE_TEST_SUITE_P(Tray, TimeoutTest,
                         ::testing::Values(TimerCase{1, 1000}, TimerCase{5, 5000},
                                           TimerCase{86400, 86400000},
                                           TimerCase{2147483, 2147483000u}));

class OverflowTest : public TrayParamFixture<std::int32_t> {};

TEST_P(OverflowTest, FailsBeforeAnythingIsSent) {
    tray.SetInTray(true);

    try {
        tray.ShowBalloon("text", "title", GetParam(), true);
        FAIL() << "no overflow";
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(), "Overflow");
    }

    EXPECT_EQ(shell.Messages(), (Messages{0}));
    EXPECT_TRUE(wait.waits.empty());
    tray.ShowBalloon("text", "title", 0, true);
    EXPECT_EQ(BalloonsShown(shell), 1u) << "the failed call did not use up the once-only balloon";
}

INSTANTIATE_TEST_SUITE_P(Tray, OverflowTest, ::testing::Values(2147484, 3000000, kMaxInt32));

TEST_F(TrayFixture, AnOnceOnlyBalloonAlreadyShownStopsBeforeTheOverflow) {
    tray.ShowBalloon("text", "title", 0, true);

    EXPECT_NO_THROW(tray.ShowBalloon("text", "title", kMaxInt32, true));
    EXPECT_EQ(shell.sent.size(), 1u);
}

}  // namespace
}  // namespace tess::test
