#include "ui/linux/XdgMimeApps.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "TempDir.h"

namespace tess {
namespace {

using Files = std::map<std::string, std::string>;

// A desktop entry of an application that opens the types it lists.
std::string App(const std::string& types, const std::string& more = "") {
    return "[Desktop Entry]\nType=Application\nName=App\nExec=app %f\nMimeType=" + types + "\n" +
           more;
}

std::string List(const std::string& group, const std::string& ids) {
    return "[" + group + "]\ntext/csv=other.desktop\ntext/plain=" + ids + "\n";
}

const std::string kText = "text/plain;text/x-log;";

struct MimeCase {
    const char* name;
    // Files of the tree: config/ is $XDG_CONFIG_HOME, etc/ $XDG_CONFIG_DIRS,
    // data/ $XDG_DATA_HOME, local/ and usr/ $XDG_DATA_DIRS; the desktop is Xfce.
    Files files;
    // The desktop file ID chosen, or "" for none.
    std::string chosen;
};

class XdgMimeAppsTest : public ::testing::TestWithParam<MimeCase> {};

TEST_P(XdgMimeAppsTest, ChoosesTheDefaultTextEditor) {
    test::TempDir tree;
    for (const auto& [path, content] : GetParam().files) test::WriteAll(tree.File(path), content);
    const XdgDirs dirs{.configHome = tree.File("config"),
                       .configDirs = {tree.File("etc")},
                       .dataHome = tree.File("data"),
                       .dataDirs = {tree.File("local"), tree.File("usr")},
                       .desktops = {"xfce"}};
    const auto application = DefaultApplication("text/plain", dirs);
    EXPECT_EQ(application ? application->id : "", GetParam().chosen);
    if (application) {
        EXPECT_EQ(application->entry.at("Exec"), "app %f");
    }
}

const Files kTwoEditors{{"usr/applications/gedit.desktop", App(kText)},
                        {"usr/applications/mousepad.desktop", App(kText)},
                        {"usr/applications/viewer.desktop", App("image/png;")}};

Files With(Files files, const Files& more) {
    for (const auto& [path, content] : more) files[path] = content;
    return files;
}

INSTANTIATE_TEST_SUITE_P(
    Trees, XdgMimeAppsTest,
    ::testing::Values(
        MimeCase{
            "NoApplicationOpensText", {{"usr/applications/viewer.desktop", App("image/png")}}, ""},
        MimeCase{"ByMimeTypeInOrderOfIds", kTwoEditors, "gedit.desktop"},
        MimeCase{"AnEarlierDataFolderFirst",
                 With(kTwoEditors, {{"local/applications/zed.desktop", App(kText)}}),
                 "zed.desktop"},
        MimeCase{"TheUsersDefault",
                 With(kTwoEditors,
                      {{"config/mimeapps.list", List("Default Applications", "mousepad.desktop")}}),
                 "mousepad.desktop"},
        MimeCase{
            "TheDesktopsOwnDefaultFirst",
            With(kTwoEditors,
                 {{"config/mimeapps.list", List("Default Applications", "gedit.desktop")},
                  {"config/xfce-mimeapps.list", List("Default Applications", "mousepad.desktop")}}),
            "mousepad.desktop"},
        MimeCase{"TheSystemsDefault",
                 With(kTwoEditors, {{"usr/applications/mimeapps.list",
                                     List("Default Applications", "mousepad.desktop")}}),
                 "mousepad.desktop"},
        MimeCase{"ADefaultNotInstalledGivesTheNext",
                 With(kTwoEditors, {{"etc/mimeapps.list", List("Default Applications",
                                                               "gone.desktop;mousepad.desktop;")}}),
                 "mousepad.desktop"},
        MimeCase{"ADefaultTheUserTookAwayIsPassedOver",
                 With(kTwoEditors,
                      {{"config/mimeapps.list", List("Removed Associations", "mousepad.desktop")},
                       {"usr/applications/mimeapps.list",
                        List("Default Applications", "mousepad.desktop")}}),
                 "gedit.desktop"},
        MimeCase{"AnAddedAssociation",
                 With(kTwoEditors,
                      {{"config/mimeapps.list", List("Added Associations", "viewer.desktop")}}),
                 "viewer.desktop"},
        MimeCase{"ARemovedAssociation",
                 With(kTwoEditors,
                      {{"config/mimeapps.list", List("Removed Associations", "gedit.desktop")}}),
                 "mousepad.desktop"},
        MimeCase{
            "AHiddenEntry",
            With(kTwoEditors, {{"usr/applications/gedit.desktop", App(kText, "Hidden=true\n")}}),
            "mousepad.desktop"},
        MimeCase{"AMissingTryExec",
                 With(kTwoEditors,
                      {{"usr/applications/gedit.desktop", App(kText, "TryExec=/no/such/gedit\n")}}),
                 "mousepad.desktop"},
        MimeCase{
            "NotAnApplication",
            With(kTwoEditors, {{"usr/applications/gedit.desktop",
                                "[Desktop Entry]\nType=Link\nExec=app %f\nMimeType=text/plain\n"}}),
            "mousepad.desktop"},
        MimeCase{"TheUsersEntryHidesTheSystemsOne",
                 With(kTwoEditors, {{"data/applications/gedit.desktop", App("text/html;")}}),
                 "mousepad.desktop"},
        MimeCase{"AnIdFromASubfolder",
                 With(kTwoEditors, {{"usr/applications/kde/kwrite.desktop", App(kText)},
                                    {"config/mimeapps.list",
                                     List("Default Applications", "kde-kwrite.desktop")}}),
                 "kde-kwrite.desktop"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tess
