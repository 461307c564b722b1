#include "ui/Ghost.h"

#include "Vendor.h"
#include "common/AppTitle.h"
#include "common/Dialogs.h"
#include "common/Error.h"
#include "common/Files.h"
#include "common/FolderListing.h"
#include "ui/Launcher.h"
#include "ui/Main.h"
#include "ui/PointerSetting.h"
#include "ui/QuietReport.h"

namespace tess {

namespace {

constexpr int kNoVideoShortening = 510;
constexpr int kNoPictureShortening = 3750;
constexpr int kBelowPicture = 3770;

std::string VendorPage(const char* path) {
    return std::string("https://") + kVendorHost + path;
}

}  // namespace

const std::array<ClickRoute<Ghost>, 4> Ghost::kButtonClicks{{
    {ghost::PushButton3, &Ghost::PushButton3_Click},
    {ghost::PushButton4, &Ghost::PushButton4_Click},
    {ghost::PushButton5, &Ghost::PushButton5_Click},
    {ghost::PushButton6, &Ghost::PushButton6_Click},
}};

Ghost::Ghost(const GhostControls& controls, const GhostServices& services)
    : ui_(controls), s_(services), heightTwips_(ghost::kDesign.clientHeight) {
    if (s_.programFolder.empty()) s_.programFolder = ProgramFolder();
    for (const ControlDesign& control : ghost::kDesign.controls) {
        topTwips_[control.id] = control.place.top;
    }
}

void Ghost::Form_Load() {
    if (loaded_) return;
    loaded_ = true;

    PaintButtonFace(ui_.window, ghost::kDesign);
    ui_.window.SetCaption(kProductTitle);

    const std::string hand = InProgram("HAND-M.CUR");
    if (FileExists(hand)) {
        // A hand pointer that cannot be read leaves the buttons without one.
        RunQuietly(s_.diagnostics, "Ghost.Form_Load", [&] {
            if (!ui_.window.LoadMouseIcon(hand)) throw Error("Invalid picture");
        });
    }

    ui_.Image1.RemoveBorder();

    // A picture that cannot be read counts as no picture, and is named in the
    // diagnostic output.
    const std::string picture = InProgram("icon256.gif");
    const auto loadPicture = [&] {
        if (!ui_.Image1.LoadPicture(picture)) throw Error("Invalid picture " + picture);
    };
    if (FileExists(picture) && RunQuietly(s_.diagnostics, "Ghost.Form_Load", loadPicture)) {
        if (!HasVideo()) HideVideoButton();
        MoveButtons(
            {ghost::PushButton3, ghost::PushButton4, ghost::PushButton5, ghost::PushButton6},
            kBelowPicture);
    } else {
        SetHeightTwips(heightTwips_ - kNoPictureShortening);
        if (!HasVideo()) HideVideoButton();
    }
}

std::string Ghost::Icon() {
    Form_Load();
    return ghost::kDesign.icon;
}

void Ghost::ShowSupport() {
    Form_Load();
    ui_.window.SetState(WindowState::Normal);
    ui_.window.Show();
    ui_.window.Focus();
}

void Ghost::PushButton3_Click() {
    const std::string name = FirstOrdinaryFile(VideoFolder());
    // With no file left in it, the folder itself is what gets opened.
    Open(name.empty() ? VideoFolder() : InFolder(VideoFolder(), name));
}

void Ghost::PushButton4_Click() {
    Open(VendorPage("/question/"));
}

void Ghost::PushButton5_Click() {
    const auto ask = [this](const std::string& text) {
        return s_.dialogs.Message({text, "", MessageButtons::YesNo, MessageIcon::None});
    };
    if (ask("Most questions can be answered on the 'Common Questions (FAQ)' web site.\r\r"
            "Woud you like to open this site now?") == MessageAnswer::Yes) {
        Open(VendorPage("/question/"));
        return;
    }
    if (ask("As long as your issue hasn't been addressed on the 'Common Questions (FAQ)' web "
            "site, you can contact Team Quorvane directly using the online contact form.\r\r"
            "Would you like to open the contact form now?") == MessageAnswer::Yes) {
        Open(VendorPage("/contact/"));
    }
}

void Ghost::PushButton6_Click() {
    Open(VendorPage("/"));
}

// A target the desktop cannot open goes to the diagnostic output only.
void Ghost::Open(const std::string& target) {
    RunQuietly(s_.diagnostics, "Ghost", [&] { s_.launcher.OpenUrl(target); });
}

// The hand over the buttons, the arrow over the background and the picture.
void Ghost::MouseMove(ControlId control) {
    Hover(ui_.window, control == kWindowItself || control == ghost::Image1
                          ? PointerSetting::kDefault
                          : PointerSetting::kCustom);
}

bool Ghost::Form_QueryUnload(UnloadMode mode) {
    if (mode == UnloadMode::Program) return false;
    ui_.window.Hide();
    ui_.window.SetState(WindowState::Minimized);
    ui_.window.Show();
    // A minimised window takes no keys: they go back to the main window.
    if (mainWindow_ != nullptr && mainWindow_->Visible()) mainWindow_->Focus();
    return true;
}

int Ghost::TopTwips(ControlId button) const {
    return topTwips_.at(static_cast<std::size_t>(button));
}

std::string Ghost::InProgram(const std::string& name) const {
    return InFolder(s_.programFolder, name);
}

std::string Ghost::VideoFolder() const {
    return InProgram("Video");
}

// The first ordinary file of the folder Video, in the order the file system
// lists them, as a file of that folder.
bool Ghost::HasVideo() const {
    const std::string name = FirstOrdinaryFile(VideoFolder());
    return !name.empty() && FileExists(InFolder(VideoFolder(), name));
}

void Ghost::HideVideoButton() {
    ui_.PushButton3.SetVisible(false);
    MoveButtons({ghost::PushButton4, ghost::PushButton5, ghost::PushButton6}, -ghost::kButtonPitch);
    SetHeightTwips(heightTwips_ - kNoVideoShortening);
}

void Ghost::MoveButtons(std::initializer_list<ControlId> buttons, int twips) {
    Button* const controls[] = {&ui_.PushButton3, &ui_.PushButton4, &ui_.PushButton5,
                                &ui_.PushButton6};
    for (const ControlId id : buttons) {
        topTwips_[id] += twips;
        TwipsRect place = ghost::kDesign.controls[id].place;
        place.top = topTwips_[id];
        controls[id - ghost::PushButton3]->Move(place);
    }
}

void Ghost::SetHeightTwips(int twips) {
    heightTwips_ = twips;
    ui_.window.Resize(ghost::kDesign.clientWidth, heightTwips_);
}

}  // namespace tess
