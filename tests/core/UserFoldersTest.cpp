// Where the game writes when the folders it was started in or installed to
// are not its own.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "TestSupport.h"
#include "core/UserFolders.h"

namespace {

// Sets or (nullptr) unsets a variable for one scope.
class ScopedVariable {
public:
    ScopedVariable(const char* name, const char* value) : m_name(name) {
        const char* old = std::getenv(name);
        m_had = old != nullptr;
        m_old = old ? old : "";
        value ? setenv(name, value, 1) : unsetenv(name);
    }
    ~ScopedVariable() { m_had ? setenv(m_name, m_old.c_str(), 1) : unsetenv(m_name); }

private:
    const char* m_name;
    bool m_had = false;
    std::string m_old;
};

}  // namespace

TEST(UserFolders, FollowTheXdgVariablesElseTheHomeFolder) {
    struct Case {
        const char* xdg;
        const char* home;
        const char* state;
        const char* data;
    };
    // A relative variable is ignored, as the XDG layout says.
    for (const Case& c :
         {Case{"/x", "/h", "/x/fiscora", "/x/fiscora"},
          Case{"relative/x", "/h", "/h/.local/state/fiscora", "/h/.local/share/fiscora"},
          Case{nullptr, "/h", "/h/.local/state/fiscora", "/h/.local/share/fiscora"},
          Case{"", "/h", "/h/.local/state/fiscora", "/h/.local/share/fiscora"},
          Case{nullptr, nullptr, "", ""}}) {
        SCOPED_TRACE(std::string(c.xdg ? c.xdg : "(unset)") + " " + (c.home ? c.home : "(unset)"));
        ScopedVariable state("XDG_STATE_HOME", c.xdg);
        ScopedVariable data("XDG_DATA_HOME", c.xdg);
        ScopedVariable home("HOME", c.home);
        EXPECT_EQ(userfolders::state(), c.state);
        EXPECT_EQ(userfolders::data(), c.data);
    }
}

TEST(UserFolders, LogsStayInAWritableWorkingFolderThatIsNeitherRootNorHome) {
    test::TempDir dir;
    const std::string working = dir.path() + "/work";
    const std::string home = dir.path() + "/home";
    std::filesystem::create_directories(working);
    std::filesystem::create_directories(home);
    // The home folder reached another way is still the home folder.
    std::filesystem::create_directory_symlink(home, dir.path() + "/link");
    const std::string state = dir.path() + "/state/fiscora";
    struct Case {
        std::string working;
        bool writable;
        std::string state;
        std::string expected;
    };
    for (const Case& c :
         {Case{working, true, state, ""}, Case{working, false, state, state},
          Case{"/", true, state, state}, Case{home, true, state, state},
          Case{home + "/", true, state, state}, Case{dir.path() + "/link", true, state, state},
          Case{working, false, "", ""}}) {
        SCOPED_TRACE(c.working + (c.writable ? " writable" : " read-only") + " state " + c.state);
        EXPECT_EQ(userfolders::chooseLogFolder(c.working, c.writable, home, c.state), c.expected);
    }
}

TEST(UserFolders, LogPathsStayRelativeInTheTestsWorkingFolder) {
    // Every test and tool reads "log.log" where it ran the game.
    ASSERT_TRUE(userfolders::isWritable("."));
    EXPECT_EQ(userfolders::logFolder(), "");
    EXPECT_EQ(userfolders::logPath("hge.log"), "hge.log");
}
