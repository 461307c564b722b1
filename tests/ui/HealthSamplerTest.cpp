#include "ui/HealthSampler.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "FakeServices.h"
#include "TempDir.h"
#include "history/HealthLedger.h"

namespace tess {
namespace {

constexpr std::int64_t kStart = 1'796'623'303;

struct FakeBatteries : BatteryDetailsSource {
    std::vector<BatteryDetails> batteries;
    int reads = 0;
    std::vector<BatteryDetails> ReadBatteries() override {
        ++reads;
        return batteries;
    }
};

struct FakeZonedClock : ZonedClock {
    ZonedMoment now{kStart, 3600};
    ZonedMoment Now() const override { return now; }
};

BatteryDetails Battery(const char* name, std::int64_t full) {
    return {name, "SMP", "5B10W13", "1234", 57000, full, 412, "Li-poly"};
}

struct HealthSamplerTest : testing::Test {
    test::TempDir dir;
    FakeBatteries batteries;
    FakeZonedClock clock;
    test::ManualTickTimer timer;
    test::RecordingDiagnostics diagnostics;
    std::string path = dir.File("state/Tessaline/Battery health.csv");
    HealthSampler sampler{{batteries, clock, timer, diagnostics, path}};

    // A check `seconds` after the start, with these batteries in.
    void CheckAt(std::int64_t seconds, std::vector<BatteryDetails> in) {
        batteries.batteries = std::move(in);
        clock.now.utc = kStart + seconds;
        timer.Elapse();
    }
    std::vector<LedgerRow> Rows() const { return ReadHealthLedger(path).rows; }
};

// At the start, once a day, and at a change; never for a battery taken out.
TEST_F(HealthSamplerTest, SamplesAtTheStartDailyAndAtAChange) {
    const std::vector<BatteryDetails> worn = {Battery("BAT0", 47310)};
    const std::vector<BatteryDetails> worse = {Battery("BAT0", 47000)};
    const std::vector<BatteryDetails> two = {Battery("BAT0", 47000), Battery("BAT1", 23000)};
    batteries.batteries = worn;
    sampler.Start();
    EXPECT_EQ(timer.interval, 10 * 60 * 1000);
    EXPECT_TRUE(timer.Running());
    const struct {
        std::int64_t at;
        std::vector<BatteryDetails> in;
        std::size_t rows;
    } steps[] =
        {
            {600, worn, 1},    {86399, worn, 1}, {86400, worn, 2},
            {90000, worse, 3}, {90600, {}, 3},   {91200, worse, 3},
            {91800, two, 5},   {92400, two, 5},  {50000, two, 7},  // the clock was put back
            {50600, two, 7},   {136399, two, 7}, {136400, two, 9},
        };
    ASSERT_EQ(Rows().size(), 1u);
    for (const auto& step : steps) {
        CheckAt(step.at, step.in);
        EXPECT_EQ(Rows().size(), step.rows) << step.at;
    }
    const std::vector<LedgerRow> rows = Rows();
    EXPECT_EQ(rows[0], (LedgerRow{{kStart, 3600}, worn[0]}));
    EXPECT_EQ(rows[2], (LedgerRow{{kStart + 90000, 3600}, worse[0]}));
    EXPECT_EQ(rows[4], (LedgerRow{{kStart + 91800, 3600}, two[1]}));
    EXPECT_TRUE(diagnostics.lines.empty());
}

TEST_F(HealthSamplerTest, NoBatteriesNoFile) {
    sampler.Start();
    for (std::int64_t at : {600, 86400, 200000}) CheckAt(at, {});
    EXPECT_EQ(batteries.reads, 4);
    EXPECT_FALSE(std::filesystem::exists(dir.File("state")));
}

TEST_F(HealthSamplerTest, AFailureIsSaidOnceAndTriedAgain) {
    test::WriteAll(dir.File("state/Tessaline"), "a file where the folder goes");
    batteries.batteries = {Battery("BAT0", 47310)};
    sampler.Start();
    CheckAt(600, batteries.batteries);
    ASSERT_EQ(diagnostics.lines.size(), 1u);
    EXPECT_EQ(
        diagnostics.lines[0].rfind("The battery health record " + path + " cannot be written: ", 0),
        0u);
    std::filesystem::remove(dir.File("state/Tessaline"));
    CheckAt(1200, batteries.batteries);
    EXPECT_EQ(Rows().size(), 1u);
    EXPECT_EQ(diagnostics.lines.size(), 1u);
}

TEST(HealthSamplerNowhereTest, WithoutALedgerPathNothingIsRead) {
    FakeBatteries batteries;
    FakeZonedClock clock;
    test::ManualTickTimer timer;
    test::RecordingDiagnostics diagnostics;
    HealthSampler sampler({batteries, clock, timer, diagnostics, ""});
    sampler.Start();
    EXPECT_FALSE(timer.Running());
    EXPECT_EQ(batteries.reads, 0);
}

}  // namespace
}  // namespace tess
