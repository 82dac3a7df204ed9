#pragma once

#include <SDL.h>
#include <SDL_image.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

// Runs the built game as a player would start it, headless, in a folder of
// its own, and reads back what it left: the exit status, "log.log",
// "hge.log" and the screenshots of its script.
namespace gametest {

struct Outcome {
    int status = -1;     // the exit status; -1 when it did not exit normally
    std::string folder;  // where it ran; screenshots go to folder + "/shots"
    std::vector<std::string> log;
    std::string engineLog;  // the whole of "hge.log"

    bool has(const std::string& line) const;
    // The index of the first line at or after `from` that contains `text`, or -1.
    int find(const std::string& text, int from = 0) const;
    bool hasShot(const std::string& name) const;
    std::string shot(const std::string& name) const { return folder + "/shots/" + name + ".png"; }
};

// Environment changes for one run: a value sets the variable, nullptr unsets it.
using Environment = std::vector<std::pair<std::string, const char*>>;

// Runs `executable` with "-window" in `folder` (made if missing) with the
// autopilot `script`, fixed time steps and headless drawing, after applying
// `environment`.
Outcome runGame(const std::string& executable, const std::string& folder, const std::string& script,
                const Environment& environment = {});

// A copy of the game in `root`: the executable, its side file and the shipped
// content under root/data.
std::string installGame(const std::string& root);

// A screenshot's pixels.
class Shot {
public:
    explicit Shot(const std::string& path);
    ~Shot();
    Shot(const Shot&) = delete;
    Shot& operator=(const Shot&) = delete;

    bool ok() const { return m_surface != nullptr; }
    int width() const { return m_surface ? m_surface->w : 0; }
    int height() const { return m_surface ? m_surface->h : 0; }
    uint32_t at(int x, int y) const;  // 0xRRGGBB
    // Distinct colours in the rectangle, counted up to `enough`.
    std::size_t colours(int x1, int y1, int x2, int y2, std::size_t enough = 64) const;
    // Pixels of the rectangle that differ from `other`.
    int differences(const Shot& other, int x1, int y1, int x2, int y2) const;
    // Mean of the three channels over the rectangle, 0..255.
    double brightness(int x1, int y1, int x2, int y2) const;

private:
    SDL_Surface* m_surface = nullptr;
};

}  // namespace gametest
