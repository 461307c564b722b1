// Times a Windows program's start-up from the inside of Wine (or Windows): from
// the creation of its process to its first visible top-level window, which it
// then closes as its close box would, waiting for the program to end.
//
//   first_window.exe <program.exe> <runs>
//
// Prints one line per run, "start-up <milliseconds> ms, exit <status>", and
// the median of the runs last.

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

struct Search {
    DWORD process;
    HWND found;
};

BOOL CALLBACK FindShownWindow(HWND window, LPARAM data) {
    auto* search = reinterpret_cast<Search*>(data);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process != search->process || !IsWindowVisible(window) ||
        GetWindow(window, GW_OWNER) != nullptr) {
        return TRUE;
    }
    search->found = window;
    return FALSE;
}

double Milliseconds(LARGE_INTEGER from, LARGE_INTEGER to) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) /
           static_cast<double>(frequency.QuadPart);
}

// One run: the start-up in milliseconds, or a negative number when the program
// showed no window within a minute.
double TimeOneRun(const std::wstring& program, DWORD& status) {
    std::wstring commandLine = L"\"" + program + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    LARGE_INTEGER start, shown;
    QueryPerformanceCounter(&start);
    if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &process)) {
        return -1;
    }
    Search search{process.dwProcessId, nullptr};
    // Polled: a program of another process gives no event that a waiting
    // thread could sleep on until its window shows.
    for (int tries = 0; search.found == nullptr && tries < 60000; ++tries) {
        EnumWindows(FindShownWindow, reinterpret_cast<LPARAM>(&search));
        if (search.found == nullptr) Sleep(1);
    }
    QueryPerformanceCounter(&shown);
    if (search.found != nullptr) PostMessageW(search.found, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process.hProcess, 30000) != WAIT_OBJECT_0) {
        TerminateProcess(process.hProcess, 1);
    }
    GetExitCodeProcess(process.hProcess, &status);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return search.found != nullptr ? Milliseconds(start, shown) : -1;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: first_window <program.exe> <runs>\n");
        return 2;
    }
    const int runs = std::max(1, _wtoi(argv[2]));
    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        DWORD status = 0;
        const double time = TimeOneRun(argv[1], status);
        if (time < 0) {
            std::fprintf(stderr, "no window shown\n");
            return 1;
        }
        std::printf("start-up %.1f ms, exit %lu\n", time, status);
        times.push_back(time);
    }
    std::sort(times.begin(), times.end());
    std::printf("median %.1f ms\n", times[times.size() / 2]);
    return 0;
}
