#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "ui/Design.h"
#include "ui/Window.h"
#include "ui/win32/DesignFonts.h"
#include "ui/win32/Win32Control.h"
#include "ui/win32/Win32Controls.h"

namespace tess {

// A command of a window's context menu or of its keys: its id (clear of the
// controls' ids, which start at 1000, and of IDOK and IDCANCEL) and, for a
// menu, its caption (a tab, then the name of its key, when it has one).
struct MenuCommand {
    UINT id;
    std::string caption;
};

// A top-level window over the Win32 API, built from a WindowDesign: its
// controls stand at the design's places in twips, measured in pixels at the
// dots per inch of the window's monitor (again when it changes, WM_DPICHANGED),
// in the design's fonts, backgrounds and tab order (IsDialogMessage follows the
// order of the children, which is the design's). A design larger than the work
// area of its monitor gets scroll bars, and a control that takes the focus
// scrolls into sight, so that every control stays reachable. The window
// implements the Window operations on itself; the windows built on it hand
// their events over to their behaviour and decide nothing themselves.
class Win32Window : public Window, public ControlHost {
public:
    // Makes the design's list views (the two lists differ by role).
    using ListMaker = std::function<std::unique_ptr<Win32Control>(
        const ControlDesign& control, ControlHost& host, HWND parent, int commandId)>;

    Win32Window(const WindowDesign& design, const ListMaker& makeList);
    ~Win32Window() override;
    Win32Window(const Win32Window&) = delete;
    Win32Window& operator=(const Win32Window&) = delete;

    HWND Handle() const { return window_; }

    // Window
    std::string Caption() const override;
    void SetCaption(const std::string& text) override;
    WindowState State() const override;
    void SetState(WindowState state) override;
    bool Visible() const override;
    void Show() override;
    void Hide() override;
    void Focus() override;
    void SetIcon(const std::string& name) override;
    int MousePointer() const override { return pointer_; }
    void SetMousePointer(int setting) override;
    bool LoadMouseIcon(const std::string& path) override;
    void SetButtonFace(ControlId control) override;
    void LoadSkin(const std::string& path) override;
    void Resize(int widthTwips, int heightTwips) override;

    // ControlHost
    void Place(ControlId control, const TwipsRect& place) override;
    TwipsRect PlaceOf(ControlId control) const override;
    unsigned Dpi() const override { return dpi_; }

    // The control of the design.
    Win32Control& Control(ControlId id) const;
    template <typename Kind>
    Kind& Control(ControlId id) const {
        return dynamic_cast<Kind&>(Control(id));
    }
    // The mouse icon, when a cursor file gave one.
    HCURSOR MouseIcon() const { return mouseIcon_; }

    // The keyboard of the program's windows before it is dispatched: the
    // window's command keys, the tab order and the dialog keys
    // (IsDialogMessage), and F1 as WM_HELP to the window. True when `message`
    // was taken.
    static bool PreTranslate(MSG& message);

protected:
    // Hands the clicks of each push button or check box to its handler on
    // `behaviour` (ClickRoutes of the behaviour).
    template <typename Behaviour, typename Routes>
    void HandClicksTo(Behaviour& behaviour, const Routes& clicks) {
        for (const auto& [control, handler] : clicks) {
            Control<Win32Clickable>(control).OnClick(
                Gated([&behaviour, handler = handler] { (behaviour.*handler)(); }));
        }
    }
    // Hands every pointer move over the window and over each of its controls to
    // `handler` with the control's id (kWindowItself for the window). A move
    // over a control does not also count as one over the window, and a list's
    // rows, header and scroll bars count as the list.
    void HandPointerMovesTo(std::function<void(ControlId)> handler);
    // `handler`, run only while the program has not ended.
    static ActionHandler Gated(ActionHandler handler);
    // The context menu of `control`, shown where the user asks for it (the
    // right button, Shift+F10, the menu key); its commands go to OnMenuCommand.
    void SetContextMenu(ControlId control, std::vector<MenuCommand> commands);
    // Keys that give a command while the window is active, whichever of its
    // controls has the focus (an accelerator table): Ctrl and a letter
    // ('A' to 'Z') each; the commands go to OnMenuCommand.
    void SetCommandKeys(const std::vector<std::pair<char, UINT>>& ctrlLetters);

    // The events of the window, which the windows built on it hand over.
    // The window was minimised while shown.
    virtual void OnMinimised() {}
    // A request to close the window (close box, system menu, Alt+F4).
    virtual void OnClose() {}
    // The session ends (WM_ENDSESSION after every program agreed).
    virtual void OnSessionEnd() {}
    // The help key.
    virtual void OnHelp() {}
    // A command of a context menu or of a command key.
    virtual void OnMenuCommand(UINT /*id*/) {}

private:
    friend struct Win32WindowProc;
    friend struct ControlSubclass;

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void BuildControls(const ListMaker& makeList);
    void OrderControls();
    void WatchControl(HWND control, ControlId id);
    void ApplyFonts();
    void ApplyDpi(unsigned dpi, const RECT* suggested);
    void FitToWorkArea(const RECT* suggested);
    void UpdateScrollBars();
    void Layout();
    RECT ContentRect(ControlId id) const;
    void ScrollTo(int bar, int position);
    void OnScroll(int bar, WORD code);
    void ShowControl(ControlId id);
    bool ShowContextMenu(HWND control, LPARAM at);
    void PointerMoved(ControlId id);
    bool ApplyCursor(HWND under);
    void RefreshCursor();
    void LoadIcons();
    HBRUSH Brush(ControlId id) const;
    COLORREF Colour(ControlId id) const;
    Win32Control* ControlOf(HWND handle) const;
    Win32Control* ControlOfCommand(UINT_PTR commandId) const;

    const WindowDesign& design_;
    HWND window_ = nullptr;
    unsigned dpi_ = 96;
    std::unique_ptr<DesignFonts> fonts_;
    std::vector<std::unique_ptr<Win32Control>> controls_;
    std::vector<TwipsRect> places_;
    std::vector<bool> buttonFace_;  // by control, kWindowItself last
    int clientWidthTwips_;
    int clientHeightTwips_;
    POINT scroll_{0, 0};
    SIZE view_{0, 0};
    WindowState hiddenState_ = WindowState::Normal;
    HWND lastFocus_ = nullptr;
    std::string iconName_;
    HICON bigIcon_ = nullptr;
    HICON smallIcon_ = nullptr;
    int pointer_ = 0;
    HCURSOR mouseIcon_ = nullptr;
    std::function<void(ControlId)> onPointerMove_;
    std::vector<std::pair<ControlId, std::vector<MenuCommand>>> contextMenus_;
    HACCEL commandKeys_ = nullptr;
    bool destroying_ = false;
};

}  // namespace tess
