#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace tess {
namespace {

// The names the tray shell and the desktop look the icons up by.
constexpr const char* kApplicationIcon = "IDI_ICON1";
constexpr const char* kTrayIcon = "tray-q";

HICON LoadProgramIcon(const char* name, int side) {
    return static_cast<HICON>(
        LoadImageA(GetModuleHandleA(nullptr), name, IMAGE_ICON, side, side, 0));
}

// The icon's colour pixels as 0xRRGGBB, row by row from the top.
std::vector<std::uint32_t> Pixels(HICON icon, int side) {
    ICONINFO info{};
    if (!GetIconInfo(icon, &info)) return {};
    BITMAPINFO format{};
    format.bmiHeader.biSize = sizeof format.bmiHeader;
    format.bmiHeader.biWidth = side;
    format.bmiHeader.biHeight = -side;  // top row first
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = 32;
    format.bmiHeader.biCompression = BI_RGB;
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(side * side));
    const HDC screen = GetDC(nullptr);
    const int rows = GetDIBits(screen, info.hbmColor, 0, static_cast<UINT>(side), pixels.data(),
                               &format, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    if (rows != side) return {};
    for (std::uint32_t& pixel : pixels) pixel &= 0xFFFFFF;
    return pixels;
}

struct IconSize {
    std::string name;
    const char* icon;
    int side;
};

class IconSizeTest : public ::testing::TestWithParam<IconSize> {};

TEST_P(IconSizeTest, Loads) {
    const HICON icon = LoadProgramIcon(GetParam().icon, GetParam().side);
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(Pixels(icon, GetParam().side).size(),
              static_cast<std::size_t>(GetParam().side * GetParam().side));
    DestroyIcon(icon);
}

INSTANTIATE_TEST_SUITE_P(Table, IconSizeTest,
                         ::testing::Values(IconSize{"Tray16", kTrayIcon, 16},
                                           IconSize{"Tray24", kTrayIcon, 24},
                                           IconSize{"Tray32", kTrayIcon, 32},
                                           IconSize{"Application32", kApplicationIcon, 32},
                                           IconSize{"Application48", kApplicationIcon, 48},
                                           IconSize{"Application256", kApplicationIcon, 256}),
                         [](const auto& info) { return info.param.name; });

// Pixels of the 16 x 16 drawing that tell it from its mirror images.
TEST(IconResourcesTest, TrayIconIsTheDrawingTheRightWayRound) {
    constexpr std::uint32_t kBlack = 0x000000, kGround = 0xB1FFFF, kBlue = 0x07A2FE;
    const HICON icon = LoadProgramIcon(kTrayIcon, 16);
    ASSERT_NE(icon, nullptr);
    const std::vector<std::uint32_t> pixels = Pixels(icon, 16);
    DestroyIcon(icon);
    ASSERT_EQ(pixels.size(), 256u);
    const auto at = [&pixels](int x, int y) {
        return pixels[static_cast<std::size_t>(y * 16 + x)];
    };
    EXPECT_EQ(at(0, 0), kBlack);
    EXPECT_EQ(at(6, 1), kBlack);
    EXPECT_EQ(at(6, 14), kGround);
    EXPECT_EQ(at(12, 12), kBlue);
    EXPECT_EQ(at(3, 12), kGround);
}

BOOL CALLBACK CollectName(HMODULE, LPCSTR, LPSTR name, LONG_PTR names) {
    // Numbered resources show as '#'.
    reinterpret_cast<std::vector<std::string>*>(names)->push_back(IS_INTRESOURCE(name) ? "#"
                                                                                       : name);
    return TRUE;
}

// The desktop shows a program file with its first group icon.
TEST(IconResourcesTest, ApplicationIconComesFirst) {
    std::vector<std::string> names;
    EnumResourceNamesA(nullptr, RT_GROUP_ICON, CollectName, reinterpret_cast<LONG_PTR>(&names));
    EXPECT_EQ(names, (std::vector<std::string>{"IDI_ICON1", "TRAY-Q"}));
}

}  // namespace
}  // namespace tess
