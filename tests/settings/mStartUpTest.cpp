#include "settings/mStartUp.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "common/Error.h"

namespace tess {
namespace {

// Entries in memory; a scope in `refused` turns every write or delete down.
class MemoryAutostartEntry : public AutostartEntry {
public:
    using Key = std::pair<AutostartScope, std::string>;

    std::optional<AutostartFailure> SetKeyValue(AutostartScope scope, const std::string& name,
                                                const std::string& programPath) override {
        calls.push_back("set " + Where(scope, name));
        if (const auto failure = Refusal(scope, name)) return failure;
        entries[{scope, name}] = programPath;
        return std::nullopt;
    }
    std::optional<AutostartFailure> DeleteKeyValue(AutostartScope scope,
                                                   const std::string& name) override {
        calls.push_back("delete " + Where(scope, name));
        if (const auto failure = Refusal(scope, name)) return failure;
        entries.erase({scope, name});
        return std::nullopt;
    }

    static std::string Where(AutostartScope scope, const std::string& name) {
        return (scope == AutostartScope::Machine ? "machine/" : "user/") + name;
    }

    std::map<Key, std::string> entries;
    std::map<AutostartScope, std::string> refused;  // scope -> reason
    std::vector<std::string> calls;

private:
    std::optional<AutostartFailure> Refusal(AutostartScope scope, const std::string& name) const {
        const auto it = refused.find(scope);
        if (it == refused.end()) return std::nullopt;
        return AutostartFailure{Where(scope, name), it->second};
    }
};

class mStartUpTest : public ::testing::Test {
protected:
    std::map<MemoryAutostartEntry::Key, std::string> Expected(AutostartScope scope,
                                                              const std::string& name,
                                                              const std::string& path) {
        return {{{scope, name}, path}};
    }

    MemoryAutostartEntry entry;
    std::string executable = "/opt/Tessaline Tools/bin/tessaline";
    mStartUp startup{entry, [this] { return executable; }};
};

TEST_F(mStartUpTest, AddWritesTheRunningProgramMachineWide) {
    startup.AddToStartup();
    EXPECT_EQ(entry.entries, Expected(AutostartScope::Machine, "tessaline", executable));
    EXPECT_EQ(entry.calls, std::vector<std::string>{"set machine/tessaline"});
}

TEST_F(mStartUpTest, AddingAgainOverwritesWithTheCurrentPath) {
    startup.AddToStartup();
    executable = "/usr/local/bin/tessaline";
    startup.AddToStartup();
    EXPECT_EQ(entry.entries, Expected(AutostartScope::Machine, "tessaline", executable));
}

TEST_F(mStartUpTest, ProgramAtTheFilesystemRootKeepsItsOneSeparator) {
    executable = "/tessaline";
    startup.AddToStartup();
    EXPECT_EQ(entry.entries, Expected(AutostartScope::Machine, "tessaline", "/tessaline"));
}

TEST_F(mStartUpTest, RefusedMachineLocationFallsBackToTheUser) {
    entry.refused[AutostartScope::Machine] = "Permission denied";
    startup.AddToStartup();
    EXPECT_EQ(entry.entries, Expected(AutostartScope::User, "tessaline", executable));
    EXPECT_EQ(entry.calls,
              (std::vector<std::string>{"set machine/tessaline", "set user/tessaline"}));
}

TEST_F(mStartUpTest, BothRefusedThrowsNamingEachLocationAndReason) {
    entry.refused[AutostartScope::Machine] = "Permission denied";
    entry.refused[AutostartScope::User] = "Read-only file system";
    try {
        startup.AddToStartup();
        FAIL() << "the failure must be reported";
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(),
                     "Cannot write machine/tessaline: Permission denied\n"
                     "Cannot write user/tessaline: Read-only file system");
    }
    EXPECT_TRUE(entry.entries.empty());
}

TEST_F(mStartUpTest, RemoveDeletesFromBothLocations) {
    entry.entries[{AutostartScope::Machine, "tessaline"}] = executable;
    entry.entries[{AutostartScope::User, "tessaline"}] = executable;
    entry.entries[{AutostartScope::User, "other"}] = "/usr/bin/other";
    startup.RemoveFromStartup();
    EXPECT_EQ(entry.entries, Expected(AutostartScope::User, "other", "/usr/bin/other"));
}

// The other location is still cleared, and the one where the entry stays is named.
TEST_F(mStartUpTest, RemoveGoesOnWhenOneLocationRefusesAndThrowsNamingIt) {
    entry.entries[{AutostartScope::User, "tessaline"}] = executable;
    entry.refused[AutostartScope::Machine] = "Permission denied";
    try {
        startup.RemoveFromStartup();
        FAIL() << "the failure must be reported";
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(), "Cannot delete machine/tessaline: Permission denied");
    }
    EXPECT_TRUE(entry.entries.empty());
    EXPECT_EQ(entry.calls,
              (std::vector<std::string>{"delete machine/tessaline", "delete user/tessaline"}));
}

TEST_F(mStartUpTest, UnknownProgramPathIsReportedOnAddAndIgnoredOnRemove) {
    executable.clear();
    EXPECT_THROW(startup.AddToStartup(), Error);
    EXPECT_NO_THROW(startup.RemoveFromStartup());
    EXPECT_TRUE(entry.calls.empty());
}

}  // namespace
}  // namespace tess
