#include "game/GameRunSupport.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <unordered_set>

#include "TestSupport.h"

namespace fs = std::filesystem;

namespace gametest {

bool Outcome::has(const std::string& line) const {
    for (const std::string& entry : log) {
        if (entry == line) {
            return true;
        }
    }
    return false;
}

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
                const Environment& environment) {
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
        alarm(60);
        execl(executable.c_str(), executable.c_str(), "-window", static_cast<char*>(nullptr));
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

Shot::Shot(const std::string& path) {
    if (SDL_Surface* loaded = IMG_Load(path.c_str())) {
        m_surface = SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_ARGB8888, 0);
        SDL_FreeSurface(loaded);
    }
}

Shot::~Shot() {
    if (m_surface) {
        SDL_FreeSurface(m_surface);
    }
}

uint32_t Shot::at(int x, int y) const {
    const auto* row = static_cast<const uint8_t*>(m_surface->pixels) + y * m_surface->pitch;
    return reinterpret_cast<const uint32_t*>(row)[x] & 0xFFFFFFu;
}

std::size_t Shot::colours(int x1, int y1, int x2, int y2, std::size_t enough) const {
    std::unordered_set<uint32_t> seen;
    for (int y = y1; y < y2 && seen.size() < enough; ++y) {
        for (int x = x1; x < x2; ++x) {
            seen.insert(at(x, y));
        }
    }
    return seen.size();
}

int Shot::differences(const Shot& other, int x1, int y1, int x2, int y2) const {
    int count = 0;
    for (int y = y1; y < y2; ++y) {
        for (int x = x1; x < x2; ++x) {
            count += at(x, y) != other.at(x, y);
        }
    }
    return count;
}

double Shot::brightness(int x1, int y1, int x2, int y2) const {
    double sum = 0;
    int count = 0;
    for (int y = y1; y < y2; ++y) {
        for (int x = x1; x < x2; ++x) {
            const uint32_t pixel = at(x, y);
            sum += ((pixel >> 16) & 0xFF) + ((pixel >> 8) & 0xFF) + (pixel & 0xFF);
            ++count;
        }
    }
    return count ? sum / (3.0 * count) : 0.0;
}

}  // namespace gametest
