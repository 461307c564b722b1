#include <gtest/gtest.h>
#include <windows.h>
// commctrl.h needs windows.h before it.
#include <commctrl.h>

#include <string>

// This test carries the program's resources, manifest included, as the program does.
namespace tess {
namespace {

// What the version information says under `name` in US English, Unicode.
std::wstring VersionText(const wchar_t* name) {
    wchar_t path[MAX_PATH];
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(path, &ignored);
    if (size == 0) return {};
    std::string data(size, '\0');
    if (!GetFileVersionInfoW(path, 0, size, data.data())) return {};
    void* value = nullptr;
    UINT length = 0;
    const std::wstring key = std::wstring(L"\\StringFileInfo\\040904B0\\") + name;
    if (!VerQueryValueW(data.data(), key.c_str(), &value, &length) || length == 0) return {};
    return static_cast<const wchar_t*>(value);
}

TEST(ProgramResourcesTest, TheVersionInformationNamesTheProgram) {
    EXPECT_EQ(VersionText(L"ProductName"), L"Tessaline");
    EXPECT_EQ(VersionText(L"CompanyName"), L"Quorvane");
    EXPECT_EQ(VersionText(L"OriginalFilename"), L"tessaline.exe");
    EXPECT_EQ(VersionText(L"FileVersion"), L"" TESSALINE_TEST_VERSION);
}

// The manifest is read when the process starts: its common controls of
// version 6 are in use, which alone answer a button's ideal size.
TEST(ProgramResourcesTest, TheManifestBringsTheCommonControlsOfVersion6) {
    ASSERT_NE(FindResourceW(nullptr, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24)), nullptr);
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
    ASSERT_TRUE(InitCommonControlsEx(&controls));
    const HWND button = CreateWindowExW(0, L"Button", L"View Log", WS_POPUP | BS_PUSHBUTTON, 0, 0,
                                        10, 10, nullptr, nullptr, GetModuleHandleW(nullptr),
                                        nullptr);
    ASSERT_NE(button, nullptr);
    SIZE ideal{};
    EXPECT_TRUE(SendMessageW(button, BCM_GETIDEALSIZE, 0, reinterpret_cast<LPARAM>(&ideal)));
    DestroyWindow(button);
}

}  // namespace
}  // namespace tess
