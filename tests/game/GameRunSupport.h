#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "TestSupport.h"

// Runs the built game as a player would start it, headless, in a folder of
// its own, and reads back what it left: the exit status, "log.log",
// "hge.log" and the screenshots of its script.
namespace gametest {

struct Outcome {
    int status = -1;     // the exit status; -1 when it did not exit normally
    std::string folder;  // where it ran; screenshots go to folder + "/shots"
    std::vector<std::string> log;
    std::string engineLog;  // the whole of "hge.log"

    // The index of the first line at or after `from` that contains `text`, or -1.
    int find(const std::string& text, int from = 0) const;
    bool hasShot(const std::string& name) const;
    std::string shot(const std::string& name) const { return folder + "/shots/" + name + ".png"; }
};

// Environment changes for one run: a value sets the variable, nullptr unsets it.
using Environment = std::vector<std::pair<std::string, const char*>>;

// Runs `executable` with `arguments` in `folder` (made if missing) with the
// autopilot `script`, fixed time steps and headless drawing, after applying
// `environment`; after `seconds` the game is killed.
Outcome runGame(const std::string& executable, const std::string& folder, const std::string& script,
                const Environment& environment = {}, unsigned int seconds = 60,
                const std::vector<std::string>& arguments = {"-window"});

// A copy of the game in `root`: the executable, its side file and the shipped
// content under root/data.
std::string installGame(const std::string& root);

// Over the rectangle [x1, x2) x [y1, y2) of screenshots: the distinct
// colours counted up to `enough`, the pixels that differ from `other`, and
// the mean of the three channels (0..255).
std::size_t colours(const test::Picture& shot, int x1, int y1, int x2, int y2,
                    std::size_t enough = 64);
int differences(const test::Picture& shot, const test::Picture& other, int x1, int y1, int x2,
                int y2);
double brightness(const test::Picture& shot, int x1, int y1, int x2, int y2);

}  // namespace gametest
