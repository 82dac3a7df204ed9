#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

// Every test works in a folder of its own under the starting folder, named
// after the test, so that tests run side by side (ctest -j) never share the
// files they write: "log.log", "hge.log", autopilot scripts, screenshots.
class OwnFolderPerTest : public ::testing::EmptyTestEventListener {
public:
    explicit OwnFolderPerTest(std::filesystem::path base) : m_base(std::move(base)) {}

    void OnTestStart(const ::testing::TestInfo& info) override {
        // Parameterised names hold slashes: their folders simply nest.
        const auto folder = m_base / (std::string(info.test_suite_name()) + "." + info.name());
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
        std::filesystem::create_directories(folder, ignored);
        if (chdir(folder.c_str()) != 0) {
            ADD_FAILURE() << "cannot enter " << folder;
        }
    }

    void OnTestEnd(const ::testing::TestInfo&) override {
        if (chdir(m_base.c_str()) != 0) {
            ADD_FAILURE() << "cannot return to " << m_base;
        }
    }

private:
    std::filesystem::path m_base;
};

}  // namespace

int main(int argc, char** argv) {
    // Tests never open a real window or audio device.
    setenv("FISCORA_HEADLESS", "1", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::UnitTest::GetInstance()->listeners().Append(
        new OwnFolderPerTest(std::filesystem::current_path()));
    return RUN_ALL_TESTS();
}
