#pragma once

#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "common/Error.h"
#include "engine/PowerStatus.h"
#include "settings/StartupRegistration.h"
#include "ui/Clipboard.h"
#include "ui/Diagnostics.h"
#include "ui/Launcher.h"
#include "ui/TickTimer.h"
#include "ui/history/HistoryView.h"

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

class RecordingClipboard : public Clipboard {
public:
    void SetText(const std::string& value) override { text = value; }
    std::optional<std::string> text;
};

class RecordingDiagnostics : public Diagnostics {
public:
    void Warn(const std::string& line) override { lines.push_back(line); }
    std::vector<std::string> lines;
};

// The battery history window: the paths it was asked to show, and those of the
// entries it was told of.
class RecordingHistory : public HistoryView {
public:
    void ShowHistory(const std::string& path) override { shown.push_back(path); }
    void EntryAdded(const std::string& path) override { added.push_back(path); }
    std::vector<std::string> shown;
    std::vector<std::string> added;
};

}  // namespace tess::test
