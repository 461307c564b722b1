#pragma once

#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "FakeClock.h"
#include "FakeControls.h"
#include "FakeServices.h"
#include "FakeSettingsStore.h"
#include "RecordingDialogs.h"
#include "TempDir.h"
#include "common/Files.h"
#include "engine/LogFile.h"
#include "settings/Settings.h"
#include "tray/FakeEventWait.h"
#include "tray/RecordingTrayShell.h"
#include "ui/Form1.h"
#include "ui/Form1Design.h"
#include "ui/Ghost.h"
#include "ui/GhostDesign.h"

namespace tess::test {

// The main window's services over fakes, in a temporary folder that also
// serves as the program folder; the default log goes into it too.
class Form1Fakes {
public:
    Form1Fakes() { std::filesystem::create_directories(programFolder); }

    Form1Services Services(Ghost& ghost) {
        return {.dialogs = dialogs,
                .clock = clock,
                .format = format,
                .power = power,
                .writer = writer,
                .store = store,
                .startup = startup,
                .launcher = launcher,
                .clipboard = clipboard,
                .diagnostics = diagnostics,
                .timer1 = timer1,
                .trayShell = trayShell,
                .trayWait = trayWait,
                .ghost = ghost,
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
                .drawHomePageNumber = [this](const Clock&) { return homePageDraw; },
                .defaultLogPath = [this] { return defaultLog; },
                .programFolder = programFolder,
                .history = &history};
    }
    GhostServices ForGhost() { return {dialogs, launcher, diagnostics, programFolder}; }

    // Stores a setting as an earlier run would have.
    void Store(const char* key, const std::string& value) {
        store.values[{kSettingsApplication, kSettingsSection, key}] = value;
    }
    std::optional<std::string> Stored(const char* key) const {
        const auto it = store.values.find({kSettingsApplication, kSettingsSection, key});
        if (it == store.values.end()) return std::nullopt;
        return it->second;
    }

    TempDir temp;
    std::string programFolder = temp.File("program");
    std::string defaultLog = temp.File("Tessaline.txt");
    RecordingDialogs dialogs;
    FakeClock clock;
    UsDateTimeFormat format;
    FakePowerSource power;
    DurableLogWriter writer{false};
    FakeSettingsStore store;
    FakeStartupRegistration startup;
    RecordingLauncher launcher;
    RecordingClipboard clipboard;
    RecordingDiagnostics diagnostics;
    ManualTickTimer timer1;
    RecordingTrayShell trayShell;
    FakeEventWait trayWait;
    RecordingHistory history;
    int homePageDraw = 1;
    // Yields counted from 1; an action runs during the yield of its number.
    int yields = 0;
    std::map<int, std::function<void()>> duringYield;
    // The ends of the process the window asked for, and what runs at each.
    int processEnds = 0;
    std::function<void()> onEndProcess;
};

// The support window's controls as designed.
struct FakeGhostControls {
    GhostControls Refs() {
        return {window, Image1, PushButton3, PushButton4, PushButton5, PushButton6};
    }
    static const char* Caption(ControlId id) { return ghost::kDesign.controls[id].caption; }
    FakeWindow window{ghost::kDesign};
    FakePictureBox Image1;
    FakeButton PushButton3{Caption(ghost::PushButton3)};
    FakeButton PushButton4{Caption(ghost::PushButton4)};
    FakeButton PushButton5{Caption(ghost::PushButton5)};
    FakeButton PushButton6{Caption(ghost::PushButton6)};
};

// The main window's controls as designed.
struct FakeForm1Controls {
    Form1Controls Refs() {
        return {window,      Frame1, ProgressBar1, ListView1, Text1,
                PushButton5, Check4, Check8,       ListView2};
    }
    static const char* Caption(ControlId id) { return form1::kDesign.controls[id].caption; }
    FakeWindow window{form1::kDesign};
    FakeCaption Frame1{Caption(form1::Frame1)};
    FakeProgressBar ProgressBar1;
    FakeLogList ListView1;
    FakeTextBox Text1;
    FakeButton PushButton5{Caption(form1::PushButton5)};
    FakeCheckBox Check4;
    FakeCheckBox Check8;
    FakeIntervalList ListView2;
};

// The main window's behaviour over fake controls and fake services, with a
// support window of its own.
class Form1Harness : public Form1Fakes {
public:
    Form1& Create() {
        form = std::make_unique<Form1>(ui.Refs(), Services(ghost));
        return *form;
    }
    // Creates the window and runs its load.
    Form1& Load() {
        Create();
        form->Form_Load();
        return *form;
    }

    std::string LogText() const { return ReadAll(form->LogPath()); }
    std::vector<std::string>& Entries() { return ui.ListView1.lines; }
    // The user types a new path and ends the edit (Enter, or the focus moves on).
    void TypePath(const std::string& path) {
        ui.Text1.text = path;
        form->Text1_EditingFinished();
    }

    FakeGhostControls ghostUi;
    Ghost ghost{ghostUi.Refs(), ForGhost()};
    FakeForm1Controls ui;
    std::unique_ptr<Form1> form;
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
