#include "ui/Application.h"

#include "common/win32/MessagePump.h"
#include "common/win32/Win32Dialogs.h"
#include "ui/HealthSampler.h"
#include "ui/RunReported.h"
#include "ui/win32/ComApartment.h"
#include "ui/win32/MutexOneCopy.h"
#include "ui/win32/ProcessEnd.h"
#include "ui/win32/ProgramKeys.h"
#include "ui/win32/Win32AppServices.h"
#include "ui/win32/Win32Form1.h"
#include "ui/win32/Win32Ghost.h"
#include "ui/win32/history/Win32HistoryWindow.h"

namespace tess {

namespace {

// Runs until WM_QUIT, or until the program ended, dropping what is queued after
// that; returns the exit status.
int RunMessageLoop() {
    MSG message{};
    while (!ProcessEnded()) {
        const BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got <= 0) return got == 0 ? static_cast<int>(message.wParam) : 1;
        HandleMessage(message, HandleProgramKeys);
    }
    return 0;
}

}  // namespace

// Every way of asking the program to end runs the main window's close handling,
// which ends the process: the window's close (close box, system menu, Alt+F4)
// and the end of the session. A start that fails is reported in a box of its own.
int RunApplication(int /*argc*/, char** /*argv*/) {
    Win32Dialogs dialogs;
    return RunReported(dialogs, [](const StartStep& step) {
        // A later start shows the running copy's window and ends here, before
        // it reads or writes anything.
        step(100);
        std::function<bool()> anotherStart;
        MutexOneCopy oneCopy;
        if (!oneCopy.Claim([&anotherStart] { return !anotherStart || anotherStart(); })) {
            return 0;
        }

        step(102);
        // COM for the shell and the imaging component.
        const ComApartment com;
        Win32AppServices services;
        step(104);
        Win32Ghost ghost(services.ForGhost());
        step(106);
        Win32HistoryWindow history(services.format);
        step(108);
        Win32Form1 window(services.ForForm1(ghost.Logic(), &history.Logic()));
        Form1& form = window.Logic();
        HealthSampler health(services.ForHealth());

        step(110);
        anotherStart = [&form] { return form.AnotherStart(); };
        form.Form_Load();
        // A window the load left minimised goes into the tray here, with its balloon.
        form.Show();
        health.Start();
        step(112);
        return RunMessageLoop();
    });
}

}  // namespace tess
