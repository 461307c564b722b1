#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "Form1Harness.h"
#include "Vendor.h"
#include "ui/GhostDesign.h"
#include "ui/PointerSetting.h"

namespace tess::test {
namespace {

using Tops = std::vector<int>;
using Urls = std::vector<std::string>;

const std::string kFaq = std::string("https://") + kVendorHost + "/question/";
const std::string kContact = std::string("https://") + kVendorHost + "/contact/";
const std::string kHome = std::string("https://") + kVendorHost + "/";

const std::string kFirstQuestion =
    "Most questions can be answered on the 'Common Questions (FAQ)' web site.\r\r"
    "Woud you like to open this site now?";
const std::string kSecondQuestion =
    "As long as your issue hasn't been addressed on the 'Common Questions (FAQ)' web site, you "
    "can contact Team Quorvane directly using the online contact form.\r\r"
    "Would you like to open the contact form now?";

// The support window over fake controls, in a temporary program folder.
class GhostHarness {
public:
    GhostHarness() { std::filesystem::create_directories(folder); }

    std::string File(const std::string& name) const { return InFolder(folder, name); }
    std::string VideoFile(const std::string& name) const { return InFolder(File("Video"), name); }
    void AddPicture() { WriteAll(File("icon256.gif"), "GIF89a"); }
    void AddVideo(const std::string& name = "help.mp4") { WriteAll(VideoFile(name), "v"); }

    Ghost& Load() {
        ghost.Form_Load();
        return ghost;
    }
    Tops ButtonTops() const {
        return {ghost.TopTwips(ghost::PushButton3), ghost.TopTwips(ghost::PushButton4),
                ghost.TopTwips(ghost::PushButton5), ghost.TopTwips(ghost::PushButton6)};
    }

    TempDir temp;
    std::string folder = temp.File("program folder");
    RecordingDialogs dialogs;
    RecordingLauncher launcher;
    RecordingDiagnostics diagnostics;
    FakeGhostControls ui;
    Ghost ghost{ui.Refs(), {dialogs, launcher, diagnostics, folder}};
};

class GhostTest : public ::testing::Test, protected GhostHarness {};

TEST_F(GhostTest, LoadPreparesTheWindowAndLeavesItHidden) {
    Load();
    EXPECT_FALSE(ui.window.visible);
    EXPECT_EQ(ui.window.caption, "Tessaline");
    EXPECT_EQ(ui.window.styled, std::vector<std::string>{"face -1"});
    EXPECT_FALSE(ui.Image1.border);
    EXPECT_EQ(ghost.Icon(), "tessaline");
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_TRUE(launcher.urls.empty());
    EXPECT_TRUE(diagnostics.lines.empty());
}

struct LayoutCase {
    const char* name;
    bool picture;
    bool video;
    int height;
    Tops tops;
};

class GhostLayoutTest : public GhostTest, public ::testing::WithParamInterface<LayoutCase> {};

TEST_P(GhostLayoutTest, FollowsPictureAndVideo) {
    const LayoutCase& c = GetParam();
    if (c.picture) AddPicture();
    if (c.video) AddVideo();
    Load();

    EXPECT_EQ(ghost.HeightTwips(), c.height);
    EXPECT_EQ(ui.window.height, c.height);
    EXPECT_EQ(ui.window.width, 5655);
    EXPECT_EQ(ButtonTops(), c.tops);
    EXPECT_EQ(ui.PushButton3.visible, c.video);
    EXPECT_EQ(ui.Image1.picture, c.picture ? File("icon256.gif") : "");
    // A button stands at its top, at the design's left, width and height.
    EXPECT_EQ(ui.PushButton6.place.value_or(ghost::kDesign.controls[ghost::PushButton6].place),
              (TwipsRect{270, c.tops[3], 5115, 405}));
}

INSTANTIATE_TEST_SUITE_P(
    Ghost, GhostLayoutTest,
    ::testing::Values(LayoutCase{"PictureAndVideo", true, true, 7965, {5780, 6320, 6860, 7400}},
                      // The video button goes first, then every button moves below the picture.
                      LayoutCase{"PictureNoVideo", true, false, 7455, {5780, 5780, 6320, 6860}},
                      LayoutCase{"VideoNoPicture", false, true, 4215, {2010, 2550, 3090, 3630}},
                      LayoutCase{"Neither", false, false, 3705, {2010, 2010, 2550, 3090}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(GhostTest, LoadRunsOnce) {
    Load();
    ghost.Form_Load();
    ghost.ShowSupport();
    EXPECT_EQ(ghost.HeightTwips(), 3705);
    EXPECT_EQ(ghost.TopTwips(ghost::PushButton6), 3090);
}

struct VideoCase {
    const char* name;
    std::vector<std::string> folders;
    std::vector<std::string> files;
    bool video;
};

class VideoFileTest : public GhostTest, public ::testing::WithParamInterface<VideoCase> {};

TEST_P(VideoFileTest, OnlyAnOrdinaryFileCountsAsTheVideo) {
    for (const std::string& name : GetParam().folders) {
        std::filesystem::create_directories(File(name));
    }
    for (const std::string& name : GetParam().files) WriteAll(File(name), "x");
    Load();
    EXPECT_EQ(ui.PushButton3.visible, GetParam().video);
    EXPECT_EQ(ghost.HeightTwips(), GetParam().video ? 4215 : 3705);
}

INSTANTIATE_TEST_SUITE_P(
    Ghost, VideoFileTest,
    ::testing::Values(VideoCase{"NoVideoFolder", {}, {}, false},
                      VideoCase{"EmptyVideoFolder", {"Video"}, {}, false},
                      VideoCase{"OnlyASubfolder", {"Video/a"}, {}, false},
                      VideoCase{"VideoIsAFile", {}, {"Video"}, false},
                      VideoCase{"ASubfolderAndAFile", {"Video/a"}, {"Video/b.txt"}, true},
                      VideoCase{"AnyKindOfFile", {}, {"Video/notes.doc"}, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(GhostTest, UnreadablePictureCountsAsNoneAndIsNamed) {
    AddPicture();
    AddVideo();
    ui.Image1.readable = false;
    Load();
    EXPECT_EQ(ghost.HeightTwips(), 4215);
    EXPECT_EQ(ButtonTops(), (Tops{2010, 2550, 3090, 3630}));
    EXPECT_EQ(diagnostics.lines,
              std::vector<std::string>{"Ghost.Form_Load: Invalid picture " + File("icon256.gif")});
}

TEST_F(GhostTest, ButtonsOpenTheVendorsPages) {
    Load();
    ghost.PushButton4_Click();
    ghost.PushButton6_Click();
    EXPECT_EQ(launcher.urls, (Urls{kFaq, kHome}));
}

TEST_F(GhostTest, VideoButtonOpensTheFirstFileAsListedAtTheClick) {
    AddVideo("Help & Demo 100%.mp4");
    Load();
    ghost.PushButton3_Click();
    // Videos removed after start-up: the folder itself is opened.
    std::filesystem::remove(VideoFile("Help & Demo 100%.mp4"));
    ghost.PushButton3_Click();
    EXPECT_EQ(launcher.urls, (Urls{VideoFile("Help & Demo 100%.mp4"), File("Video")}));
}

struct ContactCase {
    const char* name;
    std::vector<MessageAnswer> answers;
    std::size_t questions;
    Urls opened;
};

class ContactTest : public GhostTest, public ::testing::WithParamInterface<ContactCase> {};

TEST_P(ContactTest, AsksUpToTwice) {
    const ContactCase& c = GetParam();
    Load();
    dialogs.answers.assign(c.answers.begin(), c.answers.end());
    ghost.PushButton5_Click();

    ASSERT_EQ(dialogs.messages.size(), c.questions);
    const std::string texts[] = {kFirstQuestion, kSecondQuestion};
    for (std::size_t i = 0; i < c.questions; ++i) {
        const MessageRequest& asked = dialogs.messages[i];
        EXPECT_EQ(asked.text, texts[i]);
        EXPECT_EQ(asked.title, "");  // the application title
        EXPECT_EQ(asked.buttons, MessageButtons::YesNo);
        EXPECT_EQ(asked.icon, MessageIcon::None);
    }
    EXPECT_EQ(launcher.urls, c.opened);
}

INSTANTIATE_TEST_SUITE_P(
    Ghost, ContactTest,
    ::testing::Values(
        ContactCase{"YesCommonQuestions", {MessageAnswer::Yes}, 1, {kFaq}},
        ContactCase{"NoYesContactForm", {MessageAnswer::No, MessageAnswer::Yes}, 2, {kContact}},
        ContactCase{"NoNoNothing", {MessageAnswer::No, MessageAnswer::No}, 2, {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(GhostTest, ATargetThatCannotBeOpenedGoesToTheDiagnosticOutputOnly) {
    Load();
    launcher.fail = true;
    ghost.PushButton6_Click();
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(diagnostics.lines, std::vector<std::string>{"Ghost: Cannot start xdg-open"});
}

struct HandFileCase {
    const char* name;
    bool file;
    bool readable;
    std::string mouseIcon;
    std::vector<std::string> warnings;
};

class HandFileTest : public GhostTest, public ::testing::WithParamInterface<HandFileCase> {};

TEST_P(HandFileTest, GivesTheMouseIconOnlyWhenReadable) {
    const HandFileCase& c = GetParam();
    if (c.file) WriteAll(File("HAND-M.CUR"), "a cursor");
    ui.window.readablePictures = c.readable;
    Load();
    EXPECT_EQ(ui.window.mouseIcon, c.mouseIcon.empty() ? "" : File(c.mouseIcon));
    EXPECT_EQ(diagnostics.lines, c.warnings);
    EXPECT_TRUE(dialogs.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Ghost, HandFileTest,
    ::testing::Values(HandFileCase{"NoFile", false, true, "", {}},
                      HandFileCase{"ACursor", true, true, "HAND-M.CUR", {}},
                      HandFileCase{
                          "NotACursor", true, false, "", {"Ghost.Form_Load: Invalid picture"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(GhostTest, HandOverTheButtonsArrowElsewhereHourglassStays) {
    Load();
    const std::pair<ControlId, int> moves[] = {{ghost::PushButton4, PointerSetting::kCustom},
                                               {ghost::Image1, PointerSetting::kDefault},
                                               {ghost::PushButton6, PointerSetting::kCustom},
                                               {kWindowItself, PointerSetting::kDefault}};
    for (const auto& [control, pointer] : moves) {
        ghost.MouseMove(control);
        EXPECT_EQ(ui.window.pointer, pointer) << control;
    }
    ui.window.pointer = PointerSetting::kBusy;
    for (const auto& [control, pointer] : moves) {
        ghost.MouseMove(control);
        EXPECT_EQ(ui.window.pointer, PointerSetting::kBusy) << control;
    }
}

TEST_F(GhostTest, TheUsersCloseMinimisesTheWindowAndTheProgramsGoesThrough) {
    Load();
    ghost.ShowSupport();
    EXPECT_TRUE(ghost.Form_QueryUnload(UnloadMode::User));
    EXPECT_TRUE(ui.window.visible);
    EXPECT_EQ(ui.window.state, WindowState::Minimized);

    ghost.ShowSupport();
    EXPECT_TRUE(ui.window.visible);
    EXPECT_EQ(ui.window.state, WindowState::Normal);
    EXPECT_EQ(ui.window.focused, 2);

    EXPECT_FALSE(ghost.Form_QueryUnload(UnloadMode::Program));
    EXPECT_EQ(ui.window.state, WindowState::Normal);
}

TEST(GhostHelpKeyTest, TheHelpKeyOnTheMainWindowShowsTheSupportWindow) {
    Form1Harness h;
    h.Load();
    h.form->HelpKey();
    EXPECT_TRUE(h.ghostUi.window.visible);
    EXPECT_EQ(h.ghostUi.window.focused, 1);
    EXPECT_EQ(h.ghost.HeightTwips(), 3705);  // loaded once, as at start-up
}

}  // namespace
}  // namespace tess::test
