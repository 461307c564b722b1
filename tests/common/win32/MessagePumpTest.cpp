#include "common/win32/MessagePump.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <vector>

namespace tess {
namespace {

std::vector<UINT> g_handled;

LRESULT CALLBACK Record(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message >= WM_APP) {
        g_handled.push_back(message);
        // A message sent on from a handler is handled in the same pass.
        if (message == WM_APP + 1) PostMessageW(window, WM_APP + 9, 0, 0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

class MessagePumpTest : public ::testing::Test {
protected:
    MessagePumpTest() {
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = Record;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = L"MessagePumpTest";
        RegisterClassW(&windowClass);
        window = CreateWindowExW(0, L"MessagePumpTest", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
        g_handled.clear();
    }
    ~MessagePumpTest() override { DestroyWindow(window); }

    HWND window;
};

TEST_F(MessagePumpTest, HandlesEveryPendingMessageAndReturns) {
    for (UINT message : {WM_APP + 1, WM_APP + 2, WM_APP + 3}) PostMessageW(window, message, 0, 0);
    EXPECT_TRUE(DispatchPendingMessages());
    EXPECT_EQ(g_handled, (std::vector<UINT>{WM_APP + 1, WM_APP + 2, WM_APP + 3, WM_APP + 9}));
    MSG left;
    EXPECT_FALSE(PeekMessageW(&left, nullptr, 0, 0, PM_NOREMOVE));
}

TEST_F(MessagePumpTest, StopsAtTheQuitAndLeavesItForTheProgramsLoop) {
    PostMessageW(window, WM_APP + 2, 0, 0);
    PostQuitMessage(7);
    EXPECT_FALSE(DispatchPendingMessages());
    EXPECT_EQ(g_handled, (std::vector<UINT>{WM_APP + 2}));
    MSG quit;
    ASSERT_TRUE(PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(quit.wParam, 7u);
}

}  // namespace
}  // namespace tess
