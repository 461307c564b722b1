#pragma once

// What the timing programs share: wall-clock timing, the spread of samples,
// resident memory, and `cat` of a file as the anchor of reading it.

#include <fcntl.h>
#include <malloc.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

extern char** environ;

namespace bench {

using Clock = std::chrono::steady_clock;

inline double MillisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

template <typename Body>
double Milliseconds(Body body) {
    const auto start = Clock::now();
    body();
    return MillisecondsSince(start);
}

struct Spread {
    double median;
    double p99;
};

inline Spread SpreadOf(std::vector<double> samples) {
    std::sort(samples.begin(), samples.end());
    const auto at = [&](double q) {
        return samples[std::min(samples.size() - 1, static_cast<size_t>(q * samples.size()))];
    };
    return {at(0.5), at(0.99)};
}

inline long ResidentBytes() {
    long pages = 0;
    long resident = 0;
    if (FILE* statm = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(statm, "%ld %ld", &pages, &resident) != 2) resident = 0;
        std::fclose(statm);
    }
    return resident * ::sysconf(_SC_PAGESIZE);
}

// Resident memory with the allocator's free pages handed back, so that what
// one part of the run freed does not hide what the next one takes.
inline long SettledResidentBytes() {
    ::malloc_trim(0);
    return ResidentBytes();
}

// Starts the peak of resident memory over from what is resident now.
inline void ResetPeakResident() {
    if (FILE* refs = std::fopen("/proc/self/clear_refs", "w")) {
        std::fputs("5", refs);
        std::fclose(refs);
    }
}

// Peak resident memory of the process since the last reset.
inline long PeakResidentBytes() {
    long kilobytes = 0;
    if (FILE* status = std::fopen("/proc/self/status", "r")) {
        char line[256];
        while (std::fgets(line, sizeof line, status)) {
            if (std::sscanf(line, "VmHWM: %ld kB", &kilobytes) == 1) break;
        }
        std::fclose(status);
    }
    return kilobytes * 1024;
}

// `cat` of a file to /dev/null, as a child process.
inline void RunCat(const std::string& file) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    char cat[] = "cat";
    std::string name = file;
    char* args[] = {cat, name.data(), nullptr};
    pid_t child = 0;
    if (posix_spawnp(&child, "cat", &actions, nullptr, args, environ) != 0) std::abort();
    int status = 0;
    ::waitpid(child, &status, 0);
    posix_spawn_file_actions_destroy(&actions);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) std::abort();
}

}  // namespace bench
