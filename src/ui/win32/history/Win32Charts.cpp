#include "ui/win32/history/Win32Charts.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "common/win32/SystemError.h"
#include "common/win32/WideText.h"

namespace tess {

namespace {

constexpr const wchar_t* kChartClass = L"TessalineChart";
constexpr int kBaseDpi = 96;

COLORREF Colour(std::uint32_t rgb) {
    return RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

void Fill(HDC dc, const RECT& r, COLORREF colour) {
    SetBkColor(dc, colour);
    ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &r, nullptr, 0, nullptr);
}

RECT PlotRect(const ChartFrame& frame) {
    return {frame.plot.left, frame.plot.top, frame.plot.Right(), frame.plot.Bottom()};
}

// A pen selected into a device context for the life of this.
class Pen {
public:
    Pen(HDC dc, std::uint32_t rgb, int width = 1)
        : dc_(dc), pen_(CreatePen(PS_SOLID, width, Colour(rgb))), old_(SelectObject(dc, pen_)) {}
    ~Pen() {
        SelectObject(dc_, old_);
        DeleteObject(pen_);
    }
    Pen(const Pen&) = delete;
    Pen& operator=(const Pen&) = delete;

private:
    HDC dc_;
    HPEN pen_;
    HGDIOBJ old_;
};

// Lines from each point at an even index to the next, in one call.
void DrawSegments(HDC dc, const std::vector<POINT>& ends) {
    if (ends.empty()) return;
    const std::vector<DWORD> counts(ends.size() / 2, 2);
    PolyPolyline(dc, ends.data(), counts.data(), static_cast<DWORD>(counts.size()));
}

// The surface and the plot; the origin is then the plot's corner.
void DrawGround(HDC dc, const ChartWindow& surface, const ChartFrame& frame) {
    Fill(dc, {0, 0, surface.Width() + 1, surface.Height() + 1}, GetSysColor(COLOR_BTNFACE));
    Fill(dc, PlotRect(frame), Colour(kPlotBackground));
    SetWindowOrgEx(dc, -frame.plot.left, -frame.plot.top, nullptr);
}

void DrawGrid(HDC dc, const ChartFrame& frame, const std::vector<AxisTick>& valueTicks,
              const std::vector<AxisTick>& timeTicks) {
    const int width = frame.plot.width;
    const int height = frame.plot.height;
    std::vector<POINT> lines;
    for (const AxisTick& tick : valueTicks)
        lines.insert(lines.end(), {{0, tick.at}, {width, tick.at}});
    for (const AxisTick& tick : timeTicks)
        lines.insert(lines.end(), {{tick.at, 0}, {tick.at, height}});
    {
        const Pen grid(dc, kGrid);
        DrawSegments(dc, lines);
    }
    const Pen axis(dc, kAxis);
    const HGDIOBJ brush = SelectObject(dc, GetStockObject(NULL_BRUSH));
    Rectangle(dc, 0, 0, width, height);
    SelectObject(dc, brush);
}

// The labels of the ticks, beside the plot.
void DrawLabels(HDC dc, const ChartWindow& surface, const ChartFrame& frame,
                const std::vector<AxisTick>& valueTicks, const std::vector<AxisTick>& timeTicks) {
    SetWindowOrgEx(dc, 0, 0, nullptr);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, Colour(kLabelText));
    const int line = surface.LineHeight();
    constexpr UINT kOneLine = DT_SINGLELINE | DT_NOPREFIX | DT_NOCLIP;
    for (const AxisTick& tick : valueTicks) {
        RECT box{0, frame.plot.top + tick.at - line / 2, frame.plot.left - kLabelGap,
                 frame.plot.top + tick.at - line / 2 + line};
        DrawTextW(dc, Utf8ToWide(tick.label).c_str(), -1, &box, kOneLine | DT_RIGHT | DT_VCENTER);
    }
    for (const AxisTick& tick : timeTicks) {
        const int width = surface.TextWidth(tick.label);
        const int left = std::clamp(frame.plot.left + tick.at - width / 2, 0,
                                    std::max(0, surface.Width() - width));
        RECT box{left, frame.plot.Bottom() + kLabelGap, left + width,
                 frame.plot.Bottom() + kLabelGap + line};
        DrawTextW(dc, Utf8ToWide(tick.label).c_str(), -1, &box, kOneLine | DT_LEFT | DT_TOP);
    }
}

}  // namespace

struct ChartWindowProc {
    static LRESULT CALLBACK Call(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_NCCREATE) {
            const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
            SetWindowLongPtrW(window, GWLP_USERDATA,
                              reinterpret_cast<LONG_PTR>(create->lpCreateParams));
        }
        auto* owner = reinterpret_cast<ChartWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
        switch (owner != nullptr ? message : WM_NULL) {
            case WM_ERASEBKGND:
                return 1;  // the paint covers it all
            case WM_PAINT: {
                PAINTSTRUCT paint;
                const HDC dc = BeginPaint(window, &paint);
                owner->Render(dc);
                EndPaint(window, &paint);
                return 0;
            }
            case WM_PRINTCLIENT:
                owner->Render(reinterpret_cast<HDC>(wParam));
                return 0;
            default:
                return DefWindowProcW(window, message, wParam, lParam);
        }
    }
};

ChartWindow::ChartWindow(HWND parent) {
    static const bool registered = [] {
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof windowClass;
        // Another size is another layout, drawn whole.
        windowClass.style = CS_HREDRAW | CS_VREDRAW;
        windowClass.lpfnWndProc = &ChartWindowProc::Call;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
        windowClass.lpszClassName = kChartClass;
        return RegisterClassExW(&windowClass) != 0;
    }();
    (void)registered;  // a failure shows when the window is created
    window_ = CreateWindowExW(0, kChartClass, L"", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, 0, 0, 0,
                              0, parent, nullptr, GetModuleHandleW(nullptr), this);
    if (window_ == nullptr) ThrowSystemError(GetLastError(), "Cannot create a chart");
    font_ = CreateMessageFont(kBaseDpi);
}

ChartWindow::~ChartWindow() {
    SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
    DestroyWindow(window_);
    DeleteObject(font_);
}

void ChartWindow::SetDpi(unsigned dpi) {
    dpi_ = static_cast<int>(std::max(dpi, 1U));
    Invalidate();
}

int ChartWindow::Width() const {
    RECT client;
    GetClientRect(window_, &client);
    return MulDiv(client.right, kBaseDpi, dpi_);
}

int ChartWindow::Height() const {
    RECT client;
    GetClientRect(window_, &client);
    return MulDiv(client.bottom, kBaseDpi, dpi_);
}

void ChartWindow::Invalidate() {
    InvalidateRect(window_, nullptr, FALSE);
}

int ChartWindow::TextWidth(const std::string& text) const {
    const HDC dc = CreateCompatibleDC(nullptr);
    const HGDIOBJ old = SelectObject(dc, font_);
    const std::wstring wide = Utf8ToWide(text);
    SIZE size{0, 0};
    GetTextExtentPoint32W(dc, wide.c_str(), static_cast<int>(wide.size()), &size);
    SelectObject(dc, old);
    DeleteDC(dc);
    return size.cx;
}

int ChartWindow::LineHeight() const {
    const HDC dc = CreateCompatibleDC(nullptr);
    const HGDIOBJ old = SelectObject(dc, font_);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, old);
    DeleteDC(dc);
    return metrics.tmHeight;
}

void ChartWindow::Render(HDC target) {
    RECT client;
    GetClientRect(window_, &client);
    const int width = std::max(1L, client.right);
    const int height = std::max(1L, client.bottom);
    const HDC dc = CreateCompatibleDC(target);
    const HBITMAP bitmap = CreateCompatibleBitmap(target, width, height);
    const HGDIOBJ oldBitmap = SelectObject(dc, bitmap);
    const HGDIOBJ oldFont = SelectObject(dc, font_);
    SetMapMode(dc, MM_ANISOTROPIC);
    SetWindowExtEx(dc, kBaseDpi, kBaseDpi, nullptr);
    SetViewportExtEx(dc, dpi_, dpi_, nullptr);
    canvas_ = dc;
    if (paint_) {
        paint_();
    } else {
        Fill(dc, {0, 0, Width() + 1, Height() + 1}, GetSysColor(COLOR_BTNFACE));
    }
    canvas_ = nullptr;
    // The copy is pixel for pixel: without the drawing's scale, which would
    // otherwise shrink the picture to 96 / dpi of its size.
    SetMapMode(dc, MM_TEXT);
    SetWindowOrgEx(dc, 0, 0, nullptr);
    BitBlt(target, 0, 0, width, height, dc, 0, 0, SRCCOPY);
    SelectObject(dc, oldFont);
    SelectObject(dc, oldBitmap);
    DeleteObject(bitmap);
    DeleteDC(dc);
}

void Win32LevelChart::Draw(const ChartFrame& frame, const LevelChart& chart) {
    const HDC dc = window_.Canvas();
    if (dc == nullptr) return;
    DrawGround(dc, window_, frame);
    for (const PixelSpan& span : chart.acSpans) {
        Fill(dc, {span.left, 0, span.right, frame.plot.height}, Colour(kAcShade));
    }
    DrawGrid(dc, frame, chart.percentTicks, chart.timeTicks);
    std::vector<POINT> strokes;
    for (const PixelStroke& stroke : LevelStrokes(chart)) {
        // GDI leaves out a line's last pixel: a column's stroke, downwards, goes one further.
        const int bottom = stroke.x1 == stroke.x2 ? stroke.y2 + 1 : stroke.y2;
        strokes.insert(strokes.end(), {{stroke.x1, stroke.y1}, {stroke.x2, bottom}});
    }
    {
        const Pen level(dc, kLevelLine);
        DrawSegments(dc, strokes);
    }
    DrawLabels(dc, window_, frame, chart.percentTicks, chart.timeTicks);
}

void Win32RuntimeChart::Draw(const ChartFrame& frame, const RuntimeChart& chart) {
    const HDC dc = window_.Canvas();
    if (dc == nullptr) return;
    DrawGround(dc, window_, frame);
    DrawGrid(dc, frame, chart.hourTicks, chart.timeTicks);
    std::vector<POINT> lines;
    for (std::size_t i = 1; i < chart.points.size(); ++i) {
        if (!chart.points[i].joinsPrevious) continue;
        lines.insert(lines.end(), {{chart.points[i - 1].x, chart.points[i - 1].y},
                                   {chart.points[i].x, chart.points[i].y}});
    }
    {
        const Pen runtime(dc, kRuntimeLine, 2);
        DrawSegments(dc, lines);
    }
    const HBRUSH brush = CreateSolidBrush(Colour(kRuntimeLine));
    const HGDIOBJ oldBrush = SelectObject(dc, brush);
    const HGDIOBJ oldPen = SelectObject(dc, GetStockObject(NULL_PEN));
    constexpr int r = kRuntimePointRadius;
    // Without a pen an ellipse leaves out the right and bottom edge of its box:
    // a circle 2r across, as in the Qt window.
    for (const RuntimePoint& point : chart.points) {
        Ellipse(dc, point.x - r, point.y - r, point.x + r + 1, point.y + r + 1);
    }
    SelectObject(dc, oldPen);
    SelectObject(dc, oldBrush);
    DeleteObject(brush);
    DrawLabels(dc, window_, frame, chart.hourTicks, chart.timeTicks);
}

HFONT CreateMessageFont(unsigned dpi) {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    if (SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0, dpi)) {
        return CreateFontIndirectW(&metrics.lfMessageFont);
    }
    LOGFONTW font{};
    GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof font, &font);
    font.lfHeight = MulDiv(font.lfHeight, static_cast<int>(dpi), kBaseDpi);
    return CreateFontIndirectW(&font);
}

}  // namespace tess
