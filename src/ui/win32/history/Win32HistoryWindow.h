#pragma once

#include <windows.h>

#include <string>

#include "ui/history/HistoryWindow.h"
#include "ui/win32/Win32TickTimer.h"
#include "ui/win32/history/Win32Charts.h"
#include "ui/win32/history/Win32HistoryControls.h"

namespace tess {

// The top-level window of the battery history, destroyed with this.
class HistoryFrameWindow {
public:
    HistoryFrameWindow();
    ~HistoryFrameWindow() { DestroyWindow(handle_); }
    HistoryFrameWindow(const HistoryFrameWindow&) = delete;
    HistoryFrameWindow& operator=(const HistoryFrameWindow&) = delete;
    HWND Handle() const { return handle_; }

private:
    HWND handle_;
};

// The battery history window over the Win32 API and the common controls: its
// controls stand where LayOutHistory puts them (its pixels at 96 dots per inch,
// measured at the dots per inch of the window's monitor, again when it
// changes), the charts draw what HistoryWindow, which it owns, lays out, and
// the user's choices, the surfaces' paints and the close go to it. A window of
// its own beside the main window: it neither blocks nor follows it. Like the
// main window it stays inside the work area of its monitor, cut to its size
// where the layout's size at the monitor's resolution is larger.
class Win32HistoryWindow : public HistoryFrame {
public:
    // `format` is the log writer's own.
    explicit Win32HistoryWindow(const DateTimeFormat& format);
    ~Win32HistoryWindow() override;
    Win32HistoryWindow(const Win32HistoryWindow&) = delete;
    Win32HistoryWindow& operator=(const Win32HistoryWindow&) = delete;

    HWND Handle() const { return window_.Handle(); }
    HistoryWindow& Logic() { return history_; }
    unsigned Dpi() const { return dpi_; }
    const Win32Label& Summary() const { return summary_; }
    Win32ChoiceList& Range() { return range_; }
    Win32LevelChart& LevelChart() { return levelChart_; }
    const Win32OwnerDataList& Sessions() const { return sessions_; }
    const Win32Label& RuntimeCaption() const { return runtimeCaption_; }
    Win32RuntimeChart& RuntimeChart() { return runtimeChart_; }

    // HistoryFrame
    std::string Caption() const override;
    void SetCaption(const std::string& text) override;
    bool Visible() const override;
    void ShowInFront() override;

    // The keyboard of the history window before it is dispatched: Alt+F4 and
    // the tab order (IsDialogMessage). True when `message` was taken.
    static bool PreTranslate(MSG& message);

private:
    friend struct HistoryWindowProc;

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void ApplyDpi(unsigned dpi);
    void MoveInside(const RECT& place);
    void LayOut();

    HistoryFrameWindow window_;
    unsigned dpi_;
    HFONT font_ = nullptr;
    Win32Label summary_;
    Win32ChoiceList range_;
    Win32LevelChart levelChart_;
    Win32OwnerDataList sessions_;
    Win32Label runtimeCaption_;
    Win32RuntimeChart runtimeChart_;
    Win32TickTimer reader_;
    SteadyStopwatch stopwatch_;
    HistoryWindow history_;
};

}  // namespace tess
