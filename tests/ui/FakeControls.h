#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "common/Error.h"
#include "ui/Controls.h"
#include "ui/Design.h"
#include "ui/ListControls.h"
#include "ui/Window.h"

// Controls that keep what they are given, for the windows' behaviour without a
// toolkit. Like real controls, they raise nothing when the behaviour changes
// them; a test that plays the user calls the handler itself.
namespace tess::test {

class FakeCaption : public CaptionControl {
public:
    explicit FakeCaption(std::string text = {}) : caption(std::move(text)) {}
    std::string Caption() const override { return caption; }
    void SetCaption(const std::string& text) override { caption = text; }
    std::string caption;
};

class FakeButton : public Button {
public:
    explicit FakeButton(std::string text = {}) : caption(std::move(text)) {}
    std::string Caption() const override { return caption; }
    void SetCaption(const std::string& text) override { caption = text; }
    bool Visible() const override { return visible; }
    void SetVisible(bool value) override { visible = value; }
    void Move(const TwipsRect& to) override { place = to; }
    std::string caption;
    bool visible = true;
    std::optional<TwipsRect> place;
};

class FakeCheckBox : public CheckBox {
public:
    int Value() const override { return value; }
    void SetValue(int to) override { value = to; }
    bool Visible() const override { return visible; }
    void SetVisible(bool to) override { visible = to; }
    int value = 0;
    bool visible = true;
};

class FakeProgressBar : public ProgressBar {
public:
    void SetValue(int to) override { value = to; }
    void SetMaximum(int to) override { maximum = to; }
    int value = 0;
    int maximum = 100;
};

class FakeTextBox : public TextBox {
public:
    std::string Text() const override { return text; }
    void SetText(const std::string& to) override { text = to; }
    std::string text;
};

// Takes every picture unless told the files hold none it can read.
class FakePictureBox : public PictureBox {
public:
    bool LoadPicture(const std::string& path) override {
        if (!readable) return false;
        picture = path;
        return true;
    }
    void RemoveBorder() override { border = false; }
    std::string picture;
    bool border = true;
    bool readable = true;
};

// A report list's column. A test makes an operation fail by naming it in `failing`.
template <typename List>
class FakeReportList : public List {
public:
    void AddColumn(const std::string& text) override {
        Try("AddColumn");
        header = text;
    }
    void SetColumnWidth(int twips) override {
        Try("SetColumnWidth");
        width = twips;
    }
    std::string header;
    int width = 0;
    std::string failing;

protected:
    void Try(const char* operation) const {
        if (failing == operation) throw Error(std::string(operation) + " failed");
    }
};

class FakeIntervalList : public FakeReportList<IntervalList> {
public:
    void AddItem(const std::string& caption) override {
        Try("AddItem");
        items.push_back(caption);
    }
    int Count() const override { return static_cast<int>(items.size()); }
    void Select(int index) override { selected = index; }
    int SelectedIndex() const override { return selected; }
    std::optional<std::string> SelectedCaption() const override {
        if (selected == 0) return std::nullopt;
        return items.at(static_cast<std::size_t>(selected - 1));
    }
    std::vector<std::string> items;
    int selected = 0;
};

class FakeLogList : public FakeReportList<LogList> {
public:
    void Append(const std::string& line) override { lines.push_back(line); }
    void Clear() override { lines.clear(); }
    std::vector<std::string> lines;
};

// A window as designed, hidden, in the normal state. Colours and the skin go
// to `styled` in the order they come ("face <id>", "skin <path>").
class FakeWindow : public Window {
public:
    explicit FakeWindow(const WindowDesign& design)
        : caption(design.caption), width(design.clientWidth), height(design.clientHeight) {}
    std::string Caption() const override { return caption; }
    void SetCaption(const std::string& text) override { caption = text; }
    WindowState State() const override { return state; }
    void SetState(WindowState to) override { state = to; }
    bool Visible() const override { return visible; }
    void Show() override { visible = true; }
    void Hide() override { visible = false; }
    void Focus() override { ++focused; }
    void SetIcon(const std::string& name) override { icon = name; }
    int MousePointer() const override { return pointer; }
    void SetMousePointer(int setting) override {
        pointer = setting;
        ++pointerWrites;
    }
    bool LoadMouseIcon(const std::string& path) override {
        if (!readablePictures) return false;
        mouseIcon = path;
        return true;
    }
    void SetButtonFace(ControlId control) override {
        styled.push_back("face " + std::to_string(control));
    }
    void LoadSkin(const std::string& path) override {
        if (skinError) throw Error(*skinError);
        styled.push_back("skin " + path);
    }
    void Resize(int widthTwips, int heightTwips) override {
        width = widthTwips;
        height = heightTwips;
    }

    std::string caption;
    WindowState state = WindowState::Normal;
    bool visible = false;
    int focused = 0;
    std::string icon;
    int pointer = 0;
    int pointerWrites = 0;
    std::string mouseIcon;
    bool readablePictures = true;
    std::vector<std::string> styled;
    std::optional<std::string> skinError;
    int width = 0;
    int height = 0;
};

}  // namespace tess::test
