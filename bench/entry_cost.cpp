// Cost of one log entry: a power sample from a battery tree, the line, and the
// durable append, next to the bare system calls the append is made of.
//
//   entry_cost [folder] [rounds]     (folder: where the files go, default /tmp)

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "FakeClock.h"
#include "engine/IntervalSave.h"
#include "engine/LogFile.h"
#include "engine/linux/SysfsPowerSource.h"

namespace {

using Clock = std::chrono::steady_clock;

// Times each body once a round, the bodies taking turns, so that a slow
// stretch of the disk weighs on all of them alike; returns the medians.
std::vector<double> InterleavedMedians(int rounds,
                                       const std::vector<std::function<void()>>& bodies) {
    std::vector<std::vector<double>> samples(bodies.size());
    for (int i = 0; i < rounds; ++i) {
        for (size_t b = 0; b < bodies.size(); ++b) {
            const auto start = Clock::now();
            bodies[b]();
            samples[b].push_back(
                std::chrono::duration<double, std::micro>(Clock::now() - start).count());
        }
    }
    std::vector<double> medians;
    for (auto& s : samples) {
        std::nth_element(s.begin(), s.begin() + rounds / 2, s.end());
        medians.push_back(s[rounds / 2]);
    }
    return medians;
}

void WriteFile(const std::filesystem::path& path, const std::string& text) {
    std::ofstream(path) << text << "\n";
}

class NullView : public tess::LogView {
public:
    explicit NullView(std::string path) : path_(std::move(path)) {}
    std::string LogPath() const override { return path_; }
    void AddEntry(const std::string&) override {}

private:
    std::string path_;
};

class NoDialogs : public tess::Dialogs {
public:
    tess::MessageAnswer Message(const tess::MessageRequest& r) override {
        std::fprintf(stderr, "%s\n", r.text.c_str());
        std::exit(1);
    }
    std::optional<std::string> OpenFile(const tess::OpenFileRequest&) override { return {}; }
};

}  // namespace

int main(int argc, char** argv) {
    const std::filesystem::path base = argc > 1 ? argv[1] : "/tmp";
    const int rounds = argc > 2 ? std::atoi(argv[2]) : 2000;
    const auto dir = base / ("tessaline-bench-" + std::to_string(::getpid()));
    const auto battery = dir / "supply" / "BAT0";
    std::filesystem::create_directories(battery);
    WriteFile(battery / "type", "Battery");
    WriteFile(battery / "status", "Discharging");
    WriteFile(battery / "energy_now", "41230000");
    WriteFile(battery / "energy_full", "52000000");
    WriteFile(battery / "power_now", "9100000");

    tess::SysfsPowerSource power((dir / "supply").string());
    tess::test::FakeClock clock;
    tess::test::UsDateTimeFormat format;
    NoDialogs dialogs;
    const std::string line =
        "12/7/2026 6:01:43 AM Battery Level is 79% (4 Hours, 31 Minutes, 52 Seconds remaining "
        "on battery).\r\n";

    const auto bare = (dir / "bare.txt").string();
    auto bareAppend = [&] {
        const int fd = ::open(bare.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0644);
        if (::write(fd, line.data(), line.size()) < 0) std::abort();
        ::fdatasync(fd);
        ::close(fd);
    };
    tess::DurableLogWriter durable(true);
    tess::DurableLogWriter unflushedWriter(false);
    NullView entryView((dir / "entry.txt").string());
    NullView unflushedView((dir / "unflushed.txt").string());
    tess::IntervalSave entrySave({power, clock, format, durable, entryView, dialogs});
    tess::IntervalSave unflushedSave(
        {power, clock, format, unflushedWriter, unflushedView, dialogs});
    const auto medians = InterleavedMedians(rounds, {bareAppend, [&] { entrySave.LogBatteryNow(); },
                                                     [&] { unflushedSave.LogBatteryNow(); },
                                                     [&] {
                                                         tess::PowerStatus status{};
                                                         power.GetSystemPowerStatus(status);
                                                     }});
    const double bareMedian = medians[0];
    const double entry = medians[1];
    const double unflushed = medians[2];
    const double sample = medians[3];

    std::printf("rounds                                  %d\n", rounds);
    std::printf("bare open+write+fdatasync+close         %8.1f us (median)\n", bareMedian);
    std::printf("whole entry (sample, line, durable)     %8.1f us (median)  %.2f x bare\n", entry,
                entry / bareMedian);
    std::printf("power sample of the battery tree        %8.1f us (median)\n", sample);
    std::printf("whole entry without the flush           %8.1f us (median)\n", unflushed);
    std::filesystem::remove_all(dir);
    return 0;
}
