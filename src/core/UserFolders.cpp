#include "core/UserFolders.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

namespace fs = std::filesystem;

namespace userfolders {

namespace {

std::string xdgFolder(const char* variable, const char* underHome) {
    const char* value = std::getenv(variable);
    // The layout ignores a relative path: it would depend on the working folder.
    if (value && value[0] == '/') {
        return std::string(value) + "/fiscora";
    }
    const char* home = std::getenv("HOME");
    if (home && home[0] != '\0') {
        return std::string(home) + "/" + underHome + "/fiscora";
    }
    return "";
}

// The account's home rather than $HOME: a test that points HOME at its own
// folder still gets its log there.
std::string accountHome() {
    const passwd* entry = getpwuid(getuid());
    return entry && entry->pw_dir ? entry->pw_dir : "";
}

bool sameFolder(const std::string& a, const std::string& b) {
    std::error_code error;
    return !a.empty() && !b.empty() && fs::equivalent(a, b, error);
}

}  // namespace

std::string state() {
    return xdgFolder("XDG_STATE_HOME", ".local/state");
}

std::string data() {
    return xdgFolder("XDG_DATA_HOME", ".local/share");
}

bool isWritable(const std::string& folder) {
    return access(folder.c_str(), W_OK) == 0;
}

bool make(const std::string& folder) {
    std::error_code error;
    fs::create_directories(folder, error);
    return fs::is_directory(folder, error);
}

std::string chooseLogFolder(const std::string& working, bool writable, const std::string& home,
                            const std::string& stateFolder) {
    const bool ours = writable && !sameFolder(working, "/") && !sameFolder(working, home);
    return ours || stateFolder.empty() ? "" : stateFolder;
}

const std::string& logFolder() {
    static const std::string folder = [] {
        std::error_code error;
        const std::string working = fs::current_path(error).string();
        const std::string chosen =
            chooseLogFolder(working, isWritable("."), accountHome(), state());
        return chosen.empty() || make(chosen) ? chosen : std::string();
    }();
    return folder;
}

std::string logPath(const std::string& name) {
    const std::string& folder = logFolder();
    return folder.empty() ? name : folder + "/" + name;
}

}  // namespace userfolders
