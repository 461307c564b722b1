#pragma once

#include <QCursor>
#include <QWidget>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "ui/Design.h"
#include "ui/Window.h"

class QScrollArea;

namespace tess {

// A top-level window over Qt, built from a WindowDesign: its controls stand at
// the design's places in twips scaled to the screen's resolution, in the
// design's fonts, backgrounds and tab order. It implements the Window
// operations on itself; the windows built on it hand their events over to
// their behaviour and decide nothing themselves.
//
// The controls sit on the designed client area inside a scroll area without a
// frame. Where the client area fits the screen's available area the window is
// exactly its size and no scroll bar shows; where it does not (a large scaling
// on a small screen) the window is limited to the available area and scrolls, so
// that every control stays reachable (also by Tab, which scrolls to the focus).
class QtWindow : public QWidget, public Window {
public:
    // Makes the design's list views (the toolkit's two lists differ by role).
    using ListMaker = std::function<QWidget*(const ControlDesign& control, QWidget* parent)>;

    QtWindow(const WindowDesign& design, const ListMaker& makeList);

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

    // The designed client area, which holds the controls.
    QWidget& ClientArea() const { return *client_; }
    // Sizes the window to the client area, or to `room` (the window's space on
    // its screen) with scroll bars where the client area does not fit it.
    void FitInto(const QSize& room);

    // The widget of a control of the design.
    QWidget& Control(ControlId id) const;
    template <typename Widget>
    Widget& Control(ControlId id) const {
        return static_cast<Widget&>(Control(id));
    }
    // The mouse icon, when a cursor file gave one.
    const std::optional<QCursor>& MouseIcon() const { return mouseIcon_; }

protected:
    // Hands the clicks of each push button to its handler on `behaviour`
    // (ClickRoutes of the behaviour).
    template <typename Behaviour, typename Routes>
    void HandClicksTo(Behaviour& behaviour, const Routes& clicks) {
        for (const auto& [button, handler] : clicks) {
            ConnectClicks(button, [&behaviour, handler = handler] { (behaviour.*handler)(); });
        }
    }
    // Hands every pointer move over the window and over each of its controls to
    // `handler` with the control's id (kWindowItself for the window). A move
    // over a control does not also count as one over what holds it, and a
    // list's rows, header and scroll bars count as the list.
    void HandPointerMovesTo(std::function<void(ControlId)> handler);

    bool eventFilter(QObject* watched, QEvent* event) override;
    // The screen, its available area or the window's frame may have changed.
    void showEvent(QShowEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

private:
    // FitInto the available area of the window's screen, less its frame.
    void FitToScreen();
    void ConnectClicks(ControlId button, std::function<void()> handler);
    void BuildControls(const ListMaker& makeList);
    void SetTabOrder();
    void WatchPointer(QWidget& widget, ControlId id);

    const WindowDesign& design_;
    QScrollArea* scrollArea_;
    QWidget* client_;
    std::vector<QWidget*> controls_;
    std::function<void(ControlId)> onPointerMove_;
    int pointer_ = 0;
    std::optional<QCursor> mouseIcon_;
};

}  // namespace tess
