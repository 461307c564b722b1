#pragma once

// What the timing programs on Linux share: the timing of BenchTiming.h,
// resident memory and its peak, and `cat` of a file as the anchor of reading it.

#include <fcntl.h>
#include <malloc.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "BenchTiming.h"

extern char** environ;

namespace bench {


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

// Runs a program found on PATH with its output to /dev/null, and waits for it;
// aborts when it fails.
inline void RunQuietly(std::vector<std::string> command) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    std::vector<char*> args;
    for (std::string& argument : command) args.push_back(argument.data());
    args.push_back(nullptr);
    pid_t child = 0;
    if (posix_spawnp(&child, args[0], &actions, nullptr, args.data(), environ) != 0) std::abort();
    int status = 0;
    ::waitpid(child, &status, 0);
    posix_spawn_file_actions_destroy(&actions);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) std::abort();
}

// `cat` of a file to /dev/null, as a child process.
inline void RunCat(const std::string& file) {
    RunQuietly({"cat", file});
}

// The peak resident memory of `cat` of the file, as /usr/bin/time measures it
// (a child of this process would count this process's memory from before its
// exec); -1 without /usr/bin/time.
inline long CatPeakResidentBytes(const std::string& file) {
    if (::access("/usr/bin/time", X_OK) != 0) return -1;
    const std::string report = file + ".time";
    RunQuietly({"/usr/bin/time", "-f", "%M", "-o", report, "cat", file});
    long kilobytes = -1;
    if (FILE* in = std::fopen(report.c_str(), "r")) {
        if (std::fscanf(in, "%ld", &kilobytes) != 1) kilobytes = -1;
        std::fclose(in);
    }
    std::remove(report.c_str());
    return kilobytes < 0 ? -1 : kilobytes * 1024;
}

}  // namespace bench
