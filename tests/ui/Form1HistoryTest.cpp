#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Form1Harness.h"

namespace tess::test {
namespace {

using Paths = std::vector<std::string>;

// The history shows the log in the path box, and hears of each entry with the
// path the writer appended it to.
TEST(Form1HistoryTest, TheHistoryShowsAndFollowsTheLogTheWriterUses) {
    Form1Harness h;
    h.Load();
    const std::string first = h.form->LogPath();
    h.form->ShowHistory();
    EXPECT_EQ(h.history.shown, Paths{first});
    h.form->PushButton6_Click();
    const std::string second = h.temp.File("Other.txt");
    h.TypePath(second);
    h.form->PushButton6_Click();
    EXPECT_EQ(h.history.added, (Paths{first, second}));
    EXPECT_EQ(h.Entries().size(), 2u);
}

}  // namespace
}  // namespace tess::test
