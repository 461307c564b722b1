// The health ledger's daily sample: the battery's details read from a supply
// folder and their line appended durably to the ledger, and the check every
// ten minutes (the details read alone), next to a plain read (open, read,
// close) of the same supply files.
//
//   health_bench [folder] [rounds]     (folder: where the files go, default /tmp)

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "BenchTiming.h"
#include "engine/linux/SysfsBatteryDetails.h"
#include "ui/HealthSampler.h"

namespace {

namespace fs = std::filesystem;

// A timer that never ticks: each round starts the sampler, which samples once.
class IdleTimer : public tess::TickTimer {
public:
    int Interval() const override { return 0; }
    void SetInterval(int) override {}
    bool Enabled() const override { return false; }
    void SetEnabled(bool) override {}
    void OnTick(std::function<void()>) override {}
};

class ExitOnWarning : public tess::Diagnostics {
public:
    void Warn(const std::string& line) override {
        std::fprintf(stderr, "%s\n", line.c_str());
        std::exit(1);
    }
};

void ReadPlainly(const std::vector<std::string>& files) {
    char buffer[64];
    for (const std::string& file : files) {
        const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
        if (fd < 0 || ::read(fd, buffer, sizeof buffer) < 0) std::abort();
        ::close(fd);
    }
}

}  // namespace

int main(int argc, char** argv) {
    const fs::path base = argc > 1 ? argv[1] : "/tmp";
    const int rounds = argc > 2 ? std::atoi(argv[2]) : 1000;
    const fs::path dir = base / ("tessaline-health-bench-" + std::to_string(::getpid()));
    const fs::path battery = dir / "supply" / "BAT0";
    fs::create_directories(battery);
    // A battery that counts in charge: the most files a sample reads.
    std::vector<std::string> files;
    for (const auto& [name, value] : {std::pair<const char*, const char*>{"type", "Battery"},
                                      {"status", "Discharging"},
                                      {"charge_full_design", "5100000"},
                                      {"charge_full", "4300000"},
                                      {"voltage_min_design", "11100000"},
                                      {"cycle_count", "412"},
                                      {"model_name", "5B10W13"},
                                      {"manufacturer", "SMP"},
                                      {"serial_number", "1234"},
                                      {"technology", "Li-poly"}}) {
        std::ofstream(battery / name) << value << "\n";
        files.push_back((battery / name).string());
    }

    tess::SysfsBatteryDetails batteries((dir / "supply").string());
    tess::SystemZonedClock clock;
    IdleTimer timer;
    ExitOnWarning diagnostics;
    tess::HealthSampler sampler(
        {batteries, clock, timer, diagnostics, (dir / "ledger.csv").string()});

    std::vector<double> sample;
    std::vector<double> check;
    std::vector<double> plain;
    for (int i = 0; i < rounds; ++i) {
        sample.push_back(bench::Milliseconds([&] { sampler.Start(); }));
        check.push_back(bench::Milliseconds([&] {
            if (batteries.ReadBatteries().size() != 1) std::abort();
        }));
        plain.push_back(bench::Milliseconds([&] { ReadPlainly(files); }));
    }
    const bench::Spread s = bench::SpreadOf(sample);
    const bench::Spread c = bench::SpreadOf(check);
    const bench::Spread p = bench::SpreadOf(plain);
    std::printf("rounds                                        %d\n", rounds);
    std::printf("daily sample: details read, line appended     %.3f ms (median; 99th %.3f ms)\n",
                s.median, s.p99);
    std::printf("check: details read                           %.3f ms (median; 99th %.3f ms)\n",
                c.median, c.p99);
    std::printf("plain read of the same supply files           %.3f ms (median; 99th %.3f ms)\n",
                p.median, p.p99);
    std::printf("limit                                         1 ms\n");
    fs::remove_all(dir);
    return 0;
}
