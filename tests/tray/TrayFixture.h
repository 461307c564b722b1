#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "FakeEventWait.h"
#include "RecordingTrayHost.h"
#include "RecordingTrayShell.h"
#include "tray/Picture.h"
#include "tray/cSysTray.h"

namespace tess::test {

inline PictureRef MakePicture(Picture::Type type, const std::string& handle) {
    return std::make_shared<const Picture>(Picture{type, handle});
}

inline PictureRef MakeIcon(const std::string& handle) {
    return MakePicture(Picture::Type::Icon, handle);
}

// One control with its shell, wait and host; the control goes first.
struct TrayRig {
    static constexpr WindowHandle kWindow = 0x5150;

    RecordingTrayShell shell{kWindow};
    FakeEventWait wait;
    RecordingTrayHost host;
    cSysTray tray{{shell, wait, host}};
};

class TrayFixture : public ::testing::Test, protected TrayRig {};

template <typename Param>
class TrayParamFixture : public ::testing::TestWithParam<Param>, protected TrayRig {};

}  // namespace tess::test
