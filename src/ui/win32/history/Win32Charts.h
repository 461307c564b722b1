#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "ui/history/HistoryControls.h"

namespace tess {

// The child window of a chart surface and what its drawing needs, apart from
// which chart it draws. It measures and draws in pixels at 96 dots per inch,
// which GDI scales to the dots per inch of the window's monitor (as Qt scales
// its pixels), so that a chart has the same geometry at any resolution. A paint draws into a bitmap
// first, so that the chart does not flicker, and calls the owner's paint handler, which draws
// through the surface's Draw while Canvas() is set.
class ChartWindow {
public:
    explicit ChartWindow(HWND parent);
    ~ChartWindow();
    ChartWindow(const ChartWindow&) = delete;
    ChartWindow& operator=(const ChartWindow&) = delete;

    HWND Handle() const { return window_; }
    void OnPaint(std::function<void()> paint) { paint_ = std::move(paint); }
    // The dots per inch of the window's monitor, as the window that holds the
    // surface takes them.
    void SetDpi(unsigned dpi);

    // The client area in pixels at 96 dots per inch.
    int Width() const;
    int Height() const;
    void Invalidate();
    int TextWidth(const std::string& text) const;
    int LineHeight() const;

    // Paints the whole surface on `dc` (a paint, or WM_PRINTCLIENT).
    void Render(HDC dc);
    // The device context of the paint under way; null outside it.
    HDC Canvas() const { return canvas_; }
    HFONT Font() const { return font_; }

private:
    friend struct ChartWindowProc;

    HWND window_ = nullptr;
    HFONT font_ = nullptr;
    HDC canvas_ = nullptr;
    int dpi_ = 96;
    std::function<void()> paint_;
};

// A chart surface over a ChartWindow.
template <typename Surface>
class Win32ChartView : public Surface {
public:
    explicit Win32ChartView(HWND parent) : window_(parent) {}

    ChartWindow& Window() { return window_; }
    HWND Handle() const { return window_.Handle(); }

    // ChartSurface
    int Width() const override { return window_.Width(); }
    int Height() const override { return window_.Height(); }
    void Invalidate() override { window_.Invalidate(); }
    int TextWidth(const std::string& text) const override { return window_.TextWidth(text); }
    int LineHeight() const override { return window_.LineHeight(); }

protected:
    ChartWindow window_;
};

// The charge over time, with the periods on AC shaded.
class Win32LevelChart : public Win32ChartView<LevelChartSurface> {
public:
    using Win32ChartView::Win32ChartView;
    void Draw(const ChartFrame& frame, const LevelChart& chart) override;
};

// The weekly runtime of a full charge.
class Win32RuntimeChart : public Win32ChartView<RuntimeChartSurface> {
public:
    using Win32ChartView::Win32ChartView;
    void Draw(const ChartFrame& frame, const RuntimeChart& chart) override;
};

// The font of the history window's texts at `dpi`: the system's font for
// messages. The caller deletes it.
HFONT CreateMessageFont(unsigned dpi);

}  // namespace tess
