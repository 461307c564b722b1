#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Form1Harness.h"
#include "ui/Form1Design.h"
#include "ui/PointerSetting.h"

namespace tess::test {
namespace {

constexpr int kDefault = PointerSetting::kDefault;
constexpr int kBusy = PointerSetting::kBusy;
constexpr int kHand = PointerSetting::kCustom;

struct HoverCase {
    const char* name;
    ControlId control;
    int before;
    int after;
};

class HoverRuleTest : public ::testing::TestWithParam<HoverCase>, protected Form1Harness {};

TEST_P(HoverRuleTest, SetsTheControlsSettingUnlessBusy) {
    const HoverCase& c = GetParam();
    Load();
    ui.window.pointer = c.before;
    ui.window.pointerWrites = 0;
    form->MouseMove(c.control);
    EXPECT_EQ(ui.window.pointer, c.after);
    // One write at most, and none when nothing changes.
    EXPECT_EQ(ui.window.pointerWrites, c.before == c.after ? 0 : 1);
}

std::vector<HoverCase> HoverCases() {
    using namespace form1;
    std::vector<HoverCase> cases;
    const std::pair<const char*, ControlId> buttons[] = {
        {"PushButton1", PushButton1}, {"PushButton2", PushButton2}, {"PushButton3", PushButton3},
        {"PushButton4", PushButton4}, {"PushButton5", PushButton5}, {"PushButton6", PushButton6},
        {"PushButton7", PushButton7}};
    for (const auto& [name, id] : buttons) {
        cases.push_back({name, id, kDefault, kHand});
        cases.push_back({name, id, kBusy, kBusy});
        cases.push_back({name, id, kHand, kHand});
    }
    const std::pair<const char*, ControlId> areas[] = {
        {"Form1", kWindowItself}, {"Frame1", Frame1},       {"Frame2", Frame2},
        {"Frame3", Frame3},       {"ListView1", ListView1}, {"ListView2", ListView2}};
    for (const auto& [name, id] : areas) {
        cases.push_back({name, id, kHand, kDefault});
        cases.push_back({name, id, kBusy, kBusy});
    }
    const std::pair<const char*, ControlId> quiet[] = {
        {"Text1", Text1}, {"Check4", Check4}, {"Check8", Check8}, {"ProgressBar1", ProgressBar1}};
    for (const auto& [name, id] : quiet) {
        cases.push_back({name, id, kHand, kHand});
        cases.push_back({name, id, kDefault, kDefault});
    }
    return cases;
}

std::string CaseName(const ::testing::TestParamInfo<HoverCase>& info) {
    const char* from[] = {"FromDefault", "WhileBusy", "FromHand"};
    const int index = info.param.before == kDefault ? 0 : info.param.before == kBusy ? 1 : 2;
    return std::string(info.param.name) + from[index];
}

INSTANTIATE_TEST_SUITE_P(Form1Hover, HoverRuleTest, ::testing::ValuesIn(HoverCases()), CaseName);

}  // namespace
}  // namespace tess::test
