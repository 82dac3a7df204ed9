#include "game/GameRunSupport.h"

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <unordered_set>

#include "TestSupport.h"

namespace fs = std::filesystem;

namespace gametest {

int Outcome::find(const std::string& text, int from) const {
    for (int i = std::max(from, 0); i < static_cast<int>(log.size()); ++i) {
        if (log[static_cast<std::size_t>(i)].find(text) != std::string::npos) {
            return i;
        }
    }
    return -1;
}

bool Outcome::hasShot(const std::string& name) const {
    return fs::exists(shot(name));
}

Outcome runGame(const std::string& executable, const std::string& folder, const std::string& script,
                const Environment& environment, unsigned int seconds,
                const std::vector<std::string>& arguments) {
    Outcome run;
    run.folder = folder;
    fs::create_directories(folder + "/shots");
    test::writeFile(folder + "/script.txt", script);

    const pid_t child = fork();
    if (child == 0) {
        if (chdir(folder.c_str()) != 0) {
            _exit(126);
        }
        setenv("FISCORA_HEADLESS", "1", 1);
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        setenv("FISCORA_FIXED_DT", "0.02", 1);
        setenv("FISCORA_AUTOPILOT", "script.txt", 1);
        setenv("FISCORA_SHOTS", "shots", 1);
        for (const auto& change : environment) {
            if (change.second) {
                setenv(change.first.c_str(), change.second, 1);
            } else {
                unsetenv(change.first.c_str());
            }
        }
        // A game that never ends is killed rather than hanging the tests.
        alarm(seconds);
        std::vector<char*> argv{const_cast<char*>(executable.c_str())};
        for (const std::string& argument : arguments) {
            argv.push_back(const_cast<char*>(argument.c_str()));
        }
        argv.push_back(nullptr);
        execv(executable.c_str(), argv.data());
        _exit(127);
    }
    int status = 0;
    if (child > 0 && waitpid(child, &status, 0) == child && WIFEXITED(status)) {
        run.status = WEXITSTATUS(status);
    }
    std::istringstream lines(test::readFile(folder + "/log.log"));
    for (std::string line; std::getline(lines, line);) {
        run.log.push_back(line);
    }
    run.engineLog = test::readFile(folder + "/hge.log");
    return run;
}

std::string installGame(const std::string& root) {
    const fs::path data = fs::path(FISCORA_SOURCE_DIR) / "data";
    fs::create_directories(root);
    const std::string executable = root + "/fiscora";
    fs::copy_file(FISCORA_GAME_EXE, executable, fs::copy_options::overwrite_existing);
    test::writeFile(root + "/fiscora.info", "data/ folders\n");
    fs::copy(data, root + "/data", fs::copy_options::recursive);
    return executable;
}

std::size_t colours(const test::Picture& shot, int x1, int y1, int x2, int y2, std::size_t enough) {
    std::unordered_set<uint32_t> seen;
    for (int y = y1; y < y2 && seen.size() < enough; ++y) {
        for (int x = x1; x < x2; ++x) {
            seen.insert(shot.at(x, y));
        }
    }
    return seen.size();
}

int differences(const test::Picture& shot, const test::Picture& other, int x1, int y1, int x2,
                int y2) {
    return shot.count(x1, y1, x2, y2,
                      [&](int x, int y) { return shot.at(x, y) != other.at(x, y); });
}

double brightness(const test::Picture& shot, int x1, int y1, int x2, int y2) {
    double sum = 0;
    shot.count(x1, y1, x2, y2, [&](int x, int y) {
        const uint32_t pixel = shot.at(x, y);
        sum += ((pixel >> 16) & 0xFF) + ((pixel >> 8) & 0xFF) + (pixel & 0xFF);
        return true;
    });
    return sum / (3.0 * std::max((x2 - x1) * (y2 - y1), 1));
}

}  // namespace gametest
