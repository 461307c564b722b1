#include "ui/Main.h"

#include <chrono>
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

int DrawHomePageNumber() {
    using namespace std::chrono;
    const auto sinceMidnight = system_clock::now().time_since_epoch() % days(1);
    std::mt19937 generator(
        static_cast<unsigned>(duration_cast<milliseconds>(sinceMidnight).count()));
    return std::uniform_int_distribution<int>(1, 100)(generator);
}

}  // namespace tess
