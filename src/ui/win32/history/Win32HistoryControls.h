#pragma once

#include <windows.h>
// commctrl.h needs windows.h before it.
#include <commctrl.h>

#include <functional>
#include <string>
#include <vector>

#include "ui/Controls.h"
#include "ui/history/HistoryControls.h"

// The history window's controls over the system's, each the owner of its
// child window; the window hands them the notifications about them.
namespace tess {

// A child window, destroyed with this.
class ChildWindow {
public:
    explicit ChildWindow(HWND handle) : handle_(handle) {}
    ~ChildWindow() { DestroyWindow(handle_); }
    ChildWindow(const ChildWindow&) = delete;
    ChildWindow& operator=(const ChildWindow&) = delete;
    HWND Handle() const { return handle_; }

private:
    HWND handle_;
};

// A caption shown by a static text control.
class Win32Label : public ChildWindow, public CaptionControl {
public:
    // `wrap`: the text breaks into lines at the control's width; otherwise it
    // stays on one line, ending in an ellipsis where it is cut.
    Win32Label(HWND parent, int commandId, bool wrap);
    std::string Caption() const override;
    void SetCaption(const std::string& text) override;
};

// A choice list over a drop-down list combo box. The user's choices go to
// OnChoice; CB_SETCURSEL, which Choose sends, raises none.
class Win32ChoiceList : public ChildWindow, public ChoiceList {
public:
    Win32ChoiceList(HWND parent, int commandId);
    void AddChoice(const std::string& caption) override;
    void Choose(int index) override;
    int Chosen() const override;

    void OnChoice(std::function<void()> handler) { onChoice_ = std::move(handler); }
    void OnCommand(WORD code);
    // The widest choice's text in `font`, with room for the arrow, at `dpi`.
    int WidthFor(HFONT font, unsigned dpi) const;

private:
    std::function<void()> onChoice_;
};

// An owner-data list over a virtual report list view: it knows only the
// number of rows and asks the owner for the text of the cells it paints
// (LVN_GETDISPINFO). While the last row is in sight it follows new rows.
class Win32OwnerDataList : public ChildWindow, public OwnerDataList {
public:
    using CellText = std::function<std::string(std::size_t row, int column)>;

    Win32OwnerDataList(HWND parent, int commandId);
    void SetCellText(CellText cell) { cell_ = std::move(cell); }

    // OwnerDataList
    void AddColumn(const std::string& header, int widthTwips, bool alignRight) override;
    void SetRowCount(std::size_t rows, std::size_t firstChanged) override;

    bool OnNotify(const NMHDR& header, LRESULT& result);
    // Measures the columns' widths again at `dpi`.
    void Rescale(unsigned dpi);

private:
    std::vector<int> widthsTwips_;
    CellText cell_;
};

}  // namespace tess
