#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "FakeClock.h"
#include "FakeSettingsStore.h"
#include "RecordingDialogs.h"
#include "TempDir.h"
#include "common/Error.h"
#include "engine/LogFile.h"
#include "settings/Settings.h"
#include "tray/FakeEventWait.h"
#include "tray/RecordingTrayShell.h"
#include "ui/Form1.h"
#include "ui/Launcher.h"
#include "ui/TickTimer.h"

namespace tess::test {

// A battery source that tests set, and that can act while it is read.
class FakePowerSource : public PowerSource {
public:
    void GetSystemPowerStatus(PowerStatus& out) override {
        ++samples;
        if (onSample) onSample();
        out = status;
    }
    PowerStatus status{1, 0, 100, 0, kUnknownLifeTime, kUnknownLifeTime};
    int samples = 0;
    std::function<void()> onSample;
};

class RecordingLauncher : public Launcher {
public:
    void OpenUrl(const std::string& url) override {
        if (fail) throw Error("Cannot start xdg-open");
        urls.push_back(url);
    }
    void OpenInTextEditor(const std::string& path) override {
        if (fail) throw Error("Cannot start xdg-open");
        edited.push_back(path);
    }
    std::vector<std::string> urls;
    std::vector<std::string> edited;
    bool fail = false;
};

// A timer whose ticks the test delivers.
class ManualTickTimer : public TickTimer {
public:
    int Interval() const override { return interval; }
    void SetInterval(int milliseconds) override { interval = milliseconds; }
    bool Enabled() const override { return enabled; }
    void SetEnabled(bool value) override { enabled = value; }
    void OnTick(std::function<void()> h) override { handler = std::move(h); }

    bool Running() const { return enabled && interval != 0; }
    // One period passes: a tick arrives when the timer runs.
    void Elapse() {
        if (Running() && handler) handler();
    }

    int interval = 0;
    bool enabled = true;
    std::function<void()> handler;
};

class FakeStartupRegistration : public StartupRegistration {
public:
    void AddToStartup() override {
        ++adds;
        if (refusal) throw Error(*refusal);
    }
    void RemoveFromStartup() override { ++removes; }
    int adds = 0;
    int removes = 0;
    std::optional<std::string> refusal;
};

// The main window over fakes, in a temporary folder that is also its program folder.
class Form1Harness {
public:
    // TEMP names the test's folder, where the default log goes, while the harness lives.
    Form1Harness() : savedTemp_(qgetenv("TEMP")), hadTemp_(qEnvironmentVariableIsSet("TEMP")) {
        qputenv("TEMP", QByteArray::fromStdString(temp.path().string()));
        programFolder = temp.File("program");
        std::filesystem::create_directories(programFolder);
    }
    ~Form1Harness() {
        form.reset();
        if (hadTemp_) {
            qputenv("TEMP", savedTemp_);
        } else {
            qunsetenv("TEMP");
        }
    }
    Form1Harness(const Form1Harness&) = delete;
    Form1Harness& operator=(const Form1Harness&) = delete;

    // Stores a setting as an earlier run would have.
    void Store(const char* key, const std::string& value) {
        store.values[{kSettingsApplication, kSettingsSection, key}] = value;
    }
    std::optional<std::string> Stored(const char* key) const {
        const auto it = store.values.find({kSettingsApplication, kSettingsSection, key});
        if (it == store.values.end()) return std::nullopt;
        return it->second;
    }

    Form1& Create() {
        form = std::make_unique<Form1>(Form1Services{
            .dialogs = dialogs,
            .clock = clock,
            .format = format,
            .power = power,
            .writer = writer,
            .store = store,
            .startup = startup,
            .launcher = launcher,
            .timer1 = timer1,
            .trayShell = trayShell,
            .trayWait = trayWait,
            .drawHomePageNumber = [this] { return homePageDraw; },
            .yield =
                [this] {
                    ++yields;
                    if (const auto it = duringYield.find(yields); it != duringYield.end()) {
                        it->second();
                    }
                },
            .endProcess =
                [this] {
                    ++processEnds;
                    if (onEndProcess) onEndProcess();
                },
            .ghostIcon = ghostIcon,
            .programFolder = programFolder});
        return *form;
    }

    // Creates the window and runs its load; the store's writes start afresh.
    Form1& Load() {
        Create();
        form->Form_Load();
        return *form;
    }

    std::string LogText() const { return ReadAll(LogPath()); }
    std::string LogPath() const { return form->LogPath(); }

    TempDir temp;
    std::string programFolder;
    RecordingDialogs dialogs;
    FakeClock clock;
    UsDateTimeFormat format;
    FakePowerSource power;
    DurableLogWriter writer{false};
    FakeSettingsStore store;
    FakeStartupRegistration startup;
    RecordingLauncher launcher;
    ManualTickTimer timer1;
    RecordingTrayShell trayShell;
    FakeEventWait trayWait;
    int homePageDraw = 1;
    std::function<QIcon()> ghostIcon;
    // Yields counted from 1; an action runs during the yield of its number.
    int yields = 0;
    std::map<int, std::function<void()>> duringYield;
    // The ends of the process the window asked for, and what runs at each.
    int processEnds = 0;
    std::function<void()> onEndProcess;
    std::unique_ptr<Form1> form;

private:
    QByteArray savedTemp_;
    bool hadTemp_;
};

// The "at line" numbers of the error reports shown so far.
inline std::vector<int> ReportLines(const RecordingDialogs& dialogs) {
    std::vector<int> lines;
    for (const auto& m : dialogs.messages) {
        const auto at = m.text.find(" at line ");
        if (m.title == "Application Error" && at != std::string::npos) {
            lines.push_back(std::stoi(m.text.substr(at + 9)));
        }
    }
    return lines;
}

}  // namespace tess::test
