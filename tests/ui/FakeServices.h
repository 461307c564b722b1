#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
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
    void OpenInTextEditor(const std::string& path, Failure failed) override {
        if (fail) throw Error("Cannot start xdg-open");
        edited.push_back(path);
        editorFailures.push_back(std::move(failed));
    }
    std::vector<std::string> urls;
    std::vector<std::string> edited;
    // What each editor started tells when it fails later.
    std::vector<Failure> editorFailures;
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
    void RemoveFromStartup() override {
        ++removes;
        if (removalRefusal) throw Error(*removalRefusal);
    }
    int adds = 0;
    int removes = 0;
    std::optional<std::string> refusal;
    std::optional<std::string> removalRefusal;
};

// A clipboard that keeps the text put there last, and counts the texts being
// prepared for it.
class RecordingClipboard : public Clipboard {
public:
    class Text : public ClipboardText {
    public:
        explicit Text(RecordingClipboard& clipboard) : clipboard_(clipboard) {
            ++clipboard_.textsInHand;
        }
        ~Text() override { --clipboard_.textsInHand; }
        void Append(std::string_view utf8) override { text_.append(utf8); }
        void Put() override {
            if (clipboard_.refusal) throw Error(*clipboard_.refusal);
            clipboard_.text = std::move(text_);
            ++clipboard_.puts;
        }

    private:
        RecordingClipboard& clipboard_;
        std::string text_;
    };

    std::unique_ptr<ClipboardText> NewText(std::size_t bytes) override {
        sizes.push_back(bytes);
        return std::make_unique<Text>(*this);
    }

    std::optional<std::string> text;
    int puts = 0;
    // The sizes the texts were made for, and how many are still held.
    std::vector<std::size_t> sizes;
    int textsInHand = 0;
    std::optional<std::string> refusal;
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
