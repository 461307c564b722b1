#include "ui/Main.h"

#include <filesystem>
#include <random>
#include <system_error>

#include "Vendor.h"
#include "common/Files.h"
#include "ui/Launcher.h"
#include "ui/Window.h"

namespace tess {

namespace {
constexpr int kHomePageNumber = 7;
}  // namespace

void PaintButtonFace(Window& window, const WindowDesign& design) {
    window.SetButtonFace(kWindowItself);
    for (const ControlDesign& control : design.controls) {
        if (TakesButtonFace(control.kind)) window.SetButtonFace(control.id);
    }
}

void ApplySkin(Window& window, const WindowDesign& design, const std::string& programFolder) {
    const std::string path = InFolder(InFolder(programFolder, "x"), "o.cjs");
    std::error_code error;
    if (!std::filesystem::is_regular_file(Utf8Path(path), error)) return;
    PaintButtonFace(window, design);
    window.LoadSkin(path);
}

void OpenHomePageAtRandom(Launcher& launcher, const std::function<int()>& draw) {
    if (draw() != kHomePageNumber) return;
    launcher.OpenUrl(std::string("https://") + kVendorHost + "/");
}

std::uint32_t HomePageSeed(const LocalDateTime& t) {
    return static_cast<std::uint32_t>(((t.hour * 60 + t.minute) * 60 + t.second) * 1000 +
                                      t.millisecond);
}

int DrawHomePageNumber(const Clock& clock) {
    std::mt19937 generator(HomePageSeed(clock.Now()));
    return std::uniform_int_distribution<int>(1, 100)(generator);
}

}  // namespace tess
