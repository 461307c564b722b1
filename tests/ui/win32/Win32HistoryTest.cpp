#include "Win32Harness.h"

#include <commctrl.h>

#include <fstream>

#include "ScriptedLog.h"
#include "common/win32/WideText.h"
#include "ui/history/HistoryLayout.h"
#include "ui/history/SessionText.h"
#include "ui/win32/Dpi.h"
#include "ui/win32/history/Win32HistoryWindow.h"

using namespace tess;
using namespace tess::test;

namespace {

constexpr std::int64_t kMonday = 1'796'601'600;  // Monday 7 December 2026, 00:00

// Two days of entries every 10 minutes, from `first` on: two hours on AC,
// then six falling from 100 %.
std::string TwoDays(const DateTimeFormat& format, std::int64_t first = kMonday) {
    ScriptedLog log(format);
    for (std::int64_t t = first; t < first + 2 * 86400; t += 600) {
        const std::int64_t inCycle = (t - kMonday) % (8 * 3600);
        if (inCycle < 2 * 3600)
            log.Ac(t);
        else
            log.Battery(t, 100 - static_cast<int>((inCycle - 2 * 3600) / 600));
    }
    return log.text;
}

// The history window over a log of two days.
struct HistoryHarness {
    HistoryHarness() {
        std::ofstream(log, std::ios::binary) << TwoDays(format);
        window.Logic().ShowHistory(log);
    }
    TempDir temp;
    std::string log = temp.File("log.txt");
    UsDateTimeFormat format;
    Win32HistoryWindow window{format};
};

std::string ListText(HWND list, int row, int column) {
    wchar_t text[256] = L"";
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = text;
    item.cchTextMax = 256;
    SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    return WideToUtf8(text);
}

// The surface as it paints itself, and the colour of a pixel of it, 0xRRGGBB.
class Painted {
public:
    explicit Painted(HWND surface) {
        RECT client;
        GetClientRect(surface, &client);
        const HDC screen = GetDC(nullptr);
        dc_ = CreateCompatibleDC(screen);
        bitmap_ = CreateCompatibleBitmap(screen, client.right, client.bottom);
        ReleaseDC(nullptr, screen);
        SelectObject(dc_, bitmap_);
        SendMessageW(surface, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc_), PRF_CLIENT);
    }
    ~Painted() {
        DeleteDC(dc_);
        DeleteObject(bitmap_);
    }
    Painted(const Painted&) = delete;
    Painted& operator=(const Painted&) = delete;

    std::uint32_t At(int x, int y) const {
        const COLORREF c = GetPixel(dc_, x, y);
        return (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c);
    }

private:
    HDC dc_;
    HBITMAP bitmap_;
};

// The share of the plot's row just above its bottom edge that is shaded as on AC.
double AcShare(Win32HistoryWindow& window) {
    Win32LevelChart& chart = window.LevelChart();
    const ChartFrame frame = FrameChart(chart.Width(), chart.Height(), chart, {"100%"}, {});
    const Painted painted(chart.Handle());
    int shaded = 0;
    for (int x = frame.plot.left; x < frame.plot.Right(); ++x) {
        if (painted.At(x, frame.plot.Bottom() - 3) == kAcShade) ++shaded;
    }
    return static_cast<double>(shaded) / frame.plot.width;
}

void ChangeDpi(HWND window, unsigned from, unsigned to) {
    RECT r;
    GetWindowRect(window, &r);
    r.right = r.left + MulDiv(r.right - r.left, static_cast<int>(to), static_cast<int>(from));
    r.bottom = r.top + MulDiv(r.bottom - r.top, static_cast<int>(to), static_cast<int>(from));
    SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(to, to), reinterpret_cast<LPARAM>(&r));
}

}  // namespace

// The behaviour's texts, choices and rows, each on its control.
TEST(Win32HistoryTest, ControlsShowWhatTheBehaviourFound) {
    HistoryHarness h;
    Win32HistoryWindow& window = h.window;
    EXPECT_TRUE(IsWindowVisible(window.Handle()));
    EXPECT_EQ(ControlText(window.Handle()), "Battery History");
    EXPECT_EQ(ControlText(window.Summary().Handle()), window.Logic().History()->Summary());
    EXPECT_TRUE(ControlText(window.RuntimeCaption().Handle())
                    .starts_with("Runtime of a full charge, median of each week: "));

    const HWND range = window.Range().Handle();
    ASSERT_EQ(SendMessageW(range, CB_GETCOUNT, 0, 0), 3);
    for (int i = 0; i < 3; ++i) {
        wchar_t text[16] = L"";
        SendMessageW(range, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
        EXPECT_EQ(WideToUtf8(text), kRangeChoices[static_cast<std::size_t>(i)]);
    }
    EXPECT_EQ(window.Range().Chosen(), static_cast<int>(ChartRange::Week));

    // The table: the columns as designed, one row for each six hours on battery.
    const HWND list = window.Sessions().Handle();
    ASSERT_EQ(Header_GetItemCount(ListView_GetHeader(list)), 7);
    for (int column = 0; column < 7; ++column) {
        const SessionColumnDesign& design = kSessionColumns[static_cast<std::size_t>(column)];
        wchar_t header[64] = L"";
        LVCOLUMNW info{};
        info.mask = LVCF_TEXT | LVCF_FMT | LVCF_WIDTH;
        info.pszText = header;
        info.cchTextMax = 64;
        ASSERT_TRUE(SendMessageW(list, LVM_GETCOLUMNW, static_cast<WPARAM>(column),
                                 reinterpret_cast<LPARAM>(&info)));
        EXPECT_EQ(WideToUtf8(header), design.header);
        EXPECT_EQ(info.fmt & LVCFMT_JUSTIFYMASK, design.alignRight ? LVCFMT_RIGHT : LVCFMT_LEFT);
        EXPECT_EQ(info.cx, TwipsToPixels(design.widthTwips, 96));
    }
    ASSERT_EQ(ListView_GetItemCount(list), 6);
    EXPECT_EQ(ListText(list, 0, kFirstPercent), "100%");
    for (const auto& [row, column] : {std::pair{0, 0}, {3, 4}, {5, 6}}) {
        EXPECT_EQ(ListText(list, row, column), window.Logic().SessionCell(row, column));
    }
}

// The window's client area is the behaviour's size at the monitor's
// resolution, and its controls stand where the layout puts them.
class Win32HistoryLayoutTest : public ::testing::TestWithParam<unsigned> {};

TEST_P(Win32HistoryLayoutTest, ControlsStandWhereTheLayoutPutsThem) {
    const unsigned dpi = GetParam();
    HistoryHarness h;
    Win32HistoryWindow& window = h.window;
    ASSERT_EQ(window.Dpi(), 96U);
    RECT client;
    if (dpi != 96) ChangeDpi(window.Handle(), 96, dpi);
    ASSERT_EQ(window.Dpi(), dpi);
    GetClientRect(window.Handle(), &client);

    const RECT choice = ClientRectOf(window.Range().Handle());
    // 820 x 660 at 96 dpi; at 192 the window is held to the screen's work area.
    const int scale = static_cast<int>(dpi / 96);
    if (dpi == 96) {
        EXPECT_EQ(client, Rect(0, 0, 820, 660));
    }
    // The charts and the table take the whole width but 8 pixels at 96 dpi on
    // each side; the choice stands below the summary.
    for (const HWND control : {window.LevelChart().Handle(), window.Sessions().Handle(),
                               window.RuntimeChart().Handle()}) {
        const RECT r = ClientRectOf(control);
        EXPECT_EQ(r.left, 8 * scale);
        EXPECT_EQ(r.right, client.right - 8 * scale);
    }
    EXPECT_LT(ClientRectOf(window.Summary().Handle()).bottom, choice.top);
    EXPECT_LT(choice.bottom, ClientRectOf(window.LevelChart().Handle()).top);
    EXPECT_NEAR(ClientRectOf(window.RuntimeChart().Handle()).bottom, client.bottom - 8 * scale, 1);
    // The charts measure in pixels at 96 dpi.
    EXPECT_EQ(window.LevelChart().Width(), client.right / scale - 16);
    // The table's columns keep their width in twips: 2400 for the start.
    EXPECT_EQ(ListView_GetColumnWidth(window.Sessions().Handle(), 0), 160 * scale);
}

INSTANTIATE_TEST_SUITE_P(Dpi, Win32HistoryLayoutTest, ::testing::Values(96U, 192U));

// At a resolution where its size is larger than the screen, the window is cut
// to the work area and stands inside it, its caption and close box in reach.
TEST(Win32HistoryTest, TheWindowStaysInsideTheWorkArea) {
    HistoryHarness h;
    ChangeDpi(h.window.Handle(), 96, 192);
    RECT window;
    GetWindowRect(h.window.Handle(), &window);
    RECT work;
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    RECT inside;
    IntersectRect(&inside, &window, &work);
    EXPECT_EQ(inside, window);
    EXPECT_EQ(window.bottom - window.top, work.bottom - work.top);
}

// The user's choice of a range lays the chart out again: a day of the log
// shows a larger share of it on AC than a week does, of which it has two days.
TEST(Win32HistoryTest, TheUsersRangeChoiceReachesTheChart) {
    HistoryHarness h;
    Win32HistoryWindow& window = h.window;
    const double week = AcShare(window);
    EXPECT_GT(week, 0.03);
    EXPECT_LT(week, 0.12);
    SendMessageW(window.Range().Handle(), CB_SETCURSEL, static_cast<WPARAM>(ChartRange::Day), 0);
    SendMessageW(window.Handle(), WM_COMMAND,
                 MAKEWPARAM(GetDlgCtrlID(window.Range().Handle()), CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(window.Range().Handle()));
    EXPECT_GT(AcShare(window), 0.2);
}

// New entries reach the open window's table; the close lets the log go.
TEST(Win32HistoryTest, TheWindowFollowsTheLogUntilItCloses) {
    HistoryHarness h;
    Win32HistoryWindow& window = h.window;
    const HWND list = window.Sessions().Handle();
    std::ofstream(h.log, std::ios::binary | std::ios::app)
        << TwoDays(h.format, kMonday + 2 * 86400);
    window.Logic().EntryAdded(h.log);
    EXPECT_EQ(ListView_GetItemCount(list), 12);

    // Alt+F4, with the focus in the range's combo box.
    MSG altF4{window.Range().Handle(), WM_SYSKEYDOWN, VK_F4, 1 | (KF_ALTDOWN << 16), 0, {0, 0}};
    EXPECT_TRUE(Win32HistoryWindow::PreTranslate(altF4));
    EXPECT_FALSE(IsWindowVisible(window.Handle()));
    EXPECT_FALSE(window.Logic().IsOpen());
    EXPECT_EQ(ListView_GetItemCount(list), 0);
    window.Logic().ShowHistory(h.log);
    EXPECT_TRUE(IsWindowVisible(window.Handle()));
    EXPECT_EQ(ListView_GetItemCount(list), 12);
}

// The charts' pixels are where the geometry puts them, in pixels at 96 dpi
// that stand for dpi / 96 of the screen's each: the charts fill their surfaces
// at any resolution.
class Win32ChartsTest : public ::testing::TestWithParam<unsigned> {};

TEST_P(Win32ChartsTest, TheChartsDrawTheirGeometry) {
    const unsigned dpi = GetParam();
    const auto device = [dpi](int pixels) { return MulDiv(pixels, static_cast<int>(dpi), 96); };
    UsDateTimeFormat format;
    Win32HistoryWindow window{format};
    const ChartFrame frame{{10, 5, 150, 80}, {}};
    LevelChart chart;
    chart.acSpans = {{20, 30}};
    chart.columns = {{50, 60, 60, 10, 40}, {53, 20, 20, 20, 20}};
    chart.lineStarts = {0};
    RuntimeChart weeks;
    weeks.points = {{40, 20, false}, {100, 20, true}};
    Win32LevelChart& level = window.LevelChart();
    Win32RuntimeChart& runtime = window.RuntimeChart();
    level.Window().OnPaint([&] { level.Draw(frame, chart); });
    runtime.Window().OnPaint([&] { runtime.Draw(frame, weeks); });
    for (ChartWindow* surface : {&level.Window(), &runtime.Window()}) {
        surface->SetDpi(dpi);
        SetWindowPos(surface->Handle(), nullptr, 0, 0, device(200), device(100),
                     SWP_NOMOVE | SWP_NOZORDER);
    }
    ASSERT_EQ(level.Width(), 200);
    const Painted levelPixels(level.Handle());
    const Painted runtimePixels(runtime.Handle());
    const struct {
        const Painted& surface;
        int x, y;
        std::uint32_t colour;
    } rows[] = {
        {levelPixels, 10 + 25, 5 + 70, kAcShade},
        {levelPixels, 10 + 50, 5 + 10, kLevelLine},  // a column's stroke, top
        {levelPixels, 10 + 50, 5 + 40, kLevelLine},  // and bottom
        {levelPixels, 10 + 50, 5 + 58, kLevelLine},  // the join to the next
        {levelPixels, 10 + 70, 5 + 25, kPlotBackground},
        {levelPixels, 10 + 149, 5 + 25, kAxis},
        {levelPixels, 10, 5 + 25, kAxis},
        {levelPixels, 10 + 140, 5 + 75, kPlotBackground},  // the plot's far corner
        {runtimePixels, 10 + 40, 5 + 20, kRuntimeLine},    // a point
        {runtimePixels, 10 + 70, 5 + 20, kRuntimeLine},    // the line to the next
        {runtimePixels, 10 + 70, 5 + 40, kPlotBackground},
    };
    for (const auto& [surface, x, y, colour] : rows) {
        EXPECT_EQ(surface.At(device(x), device(y)), colour) << x << ", " << y;
    }
}

INSTANTIATE_TEST_SUITE_P(Dpi, Win32ChartsTest, ::testing::Values(96U, 144U, 192U));
