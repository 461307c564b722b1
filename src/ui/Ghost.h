#pragma once

#include <array>
#include <initializer_list>
#include <string>

#include "ui/ClickRoute.h"
#include "ui/Controls.h"
#include "ui/GhostDesign.h"
#include "ui/Window.h"

namespace tess {

class Diagnostics;
class Dialogs;
class Launcher;

// The support window's controls that its behaviour acts on, by their design names.
struct GhostControls {
    Window& window;
    PictureBox& Image1;
    Button& PushButton3;
    Button& PushButton4;
    Button& PushButton5;
    Button& PushButton6;
};

// Everything the support window uses from outside itself; all of it outlives the window.
struct GhostServices {
    Dialogs& dialogs;
    Launcher& launcher;
    Diagnostics& diagnostics;
    // Where the optional files are looked up; empty: the program folder.
    std::string programFolder = {};
};

// Who asks a window to close: the user (its close box, its system menu) or the
// program itself.
enum class UnloadMode { User, Program };

// The support window's behaviour: the application icon, an optional picture
// and the links to the help video and to the vendor's pages. It is loaded
// hidden; the main window takes its icon from it. Its handlers have no error
// report of their own: failures go to the diagnostic output.
class Ghost {
public:
    Ghost(const GhostControls& controls, const GhostServices& services);

    // The load steps: colours, caption, hand pointer, picture, help video and
    // layout. They run once, on the first call; the window stays hidden.
    void Form_Load();
    // The window's icon (a name of resources/IconNames.h); reading it loads the window.
    std::string Icon();
    // Brings the window up in front, restored when it was minimised.
    void ShowSupport();

    void PushButton3_Click();  // help video
    void PushButton4_Click();  // common questions
    void PushButton5_Click();  // contact, asking first
    void PushButton6_Click();  // home page
    // The push buttons and the click handlers above they go to.
    static const std::array<ClickRoute<Ghost>, 4> kButtonClicks;

    // The pointer moved over a control of the design, or over the window's
    // background (kWindowItself).
    void MouseMove(ControlId control);
    // A request to close the window; true cancels it. The user's close leaves
    // the window minimised instead, and the focus to the main window when that
    // is shown; the program's own goes through.
    bool Form_QueryUnload(UnloadMode mode);
    // The main window, which takes the focus back after the user's close;
    // nullptr: none.
    void SetMainWindow(Window* window) { mainWindow_ = window; }

    // The design measures in twips, after the load steps' adjustments: the
    // height of the window and the top of one of its buttons.
    int HeightTwips() const { return heightTwips_; }
    int TopTwips(ControlId button) const;

private:
    std::string InProgram(const std::string& name) const;
    std::string VideoFolder() const;
    bool HasVideo() const;
    void HideVideoButton();
    void MoveButtons(std::initializer_list<ControlId> buttons, int twips);
    void SetHeightTwips(int twips);
    void Open(const std::string& target);

    GhostControls ui_;
    GhostServices s_;
    std::array<int, ghost::kControlCount> topTwips_{};
    int heightTwips_ = 0;
    bool loaded_ = false;
    Window* mainWindow_ = nullptr;
};

}  // namespace tess
