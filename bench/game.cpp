// A whole game played by the careful player bot, headless and unthrottled,
// timed on the wall clock from start to the program's exit. The calendar
// moves at most one day a frame and drops what a frame has left over, so a
// day step shorter than the frame's fixed time step makes every frame one
// day and no day goes undrawn: the game runs on a copy of the content whose
// date.xml has the step at half the frame's time step.
//
//     bench_game [runs] [level] [seed] [frame step]
//
// A run that has not ended after five minutes is stopped and reported.
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

extern char** environ;

namespace fs = std::filesystem;

namespace {

// The frame's time step unless one is named; the day step is half of it.
const double kFrameStep = 0.02;
const double kTimeLimit = 300.0;

std::string readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// The game and its content copied to `work`, the calendar's day step
// shortened; false when something could not be copied.
bool install(const fs::path& work, const std::string& dayStep) {
    std::error_code error;
    fs::create_directories(work / "bin", error);
    fs::copy(fs::path(FISCORA_SOURCE_DIR) / "data", work / "data", fs::copy_options::recursive,
             error);
    if (error) {
        std::fprintf(stderr, "cannot copy the content: %s\n", error.message().c_str());
        return false;
    }
    const fs::path date = work / "data" / "xml" / "date.xml";
    const std::string shortened =
        std::regex_replace(readFile(date), std::regex(R"(<steptime sec="[^"]*")"),
                           "<steptime sec=\"" + dayStep + "\"");
    std::ofstream(date, std::ios::binary | std::ios::trunc) << shortened;
    fs::copy_file(FISCORA_GAME_EXE, work / "bin" / "fiscora", fs::copy_options::overwrite_existing,
                  error);
    if (error) {
        std::fprintf(stderr, "cannot copy the game: %s\n", error.message().c_str());
        return false;
    }
    std::ofstream(work / "bin" / "fiscora.info") << "../data/ folders\n";
    return true;
}

std::string decimal(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%g", value);
    return text;
}

struct Run {
    double seconds = -1;
    double cpuSeconds = 0;
    int days = 0;
    int exitCode = -1;
    int frames = 0;
    bool stopped = false;
    bool endScreen = false;
    long cashLines = 0;
};

// What the run left in its log: the engine's frame count, the dates the HUD
// showed, the end screen, the cash changes.
void readLogs(const fs::path& dir, Run& run) {
    std::regex frames(R"(Frame loop ended after (\d+) frames)");
    // The HUD's short date ("3 jan"); the month indicator writes the long one.
    std::regex date(R"(Added text: (\d+ [^ ]{3}) to textBox Date Text)");
    std::string shown;
    for (const auto& entry : fs::directory_iterator(dir)) {
        if (entry.path().extension() != ".log") {
            continue;
        }
        std::istringstream lines(readFile(entry.path()));
        std::string line;
        std::smatch match;
        while (std::getline(lines, line)) {
            if (line.find("Frame loop") != std::string::npos &&
                std::regex_search(line, match, frames)) {
                run.frames = std::atoi(match[1].str().c_str());
            } else if (line.find("Date Text") != std::string::npos &&
                       std::regex_search(line, match, date)) {
                if (match[1].str() != shown) {
                    shown = match[1].str();
                    ++run.days;
                }
            } else if (line.find("showing the end screen") != std::string::npos) {
                run.endScreen = true;
            } else if (line.find("cash ") != std::string::npos &&
                       line.find(" -> ") != std::string::npos) {
                ++run.cashLines;
            }
        }
    }
}

Run play(const fs::path& work, int index) {
    Run run;
    const fs::path dir = work / ("run" + std::to_string(index));
    fs::create_directories(dir);
    const std::string program = (work / "bin" / "fiscora").string();
    char* argv[] = {const_cast<char*>(program.c_str()), const_cast<char*>("-window"), nullptr};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    const fs::path oldDir = fs::current_path();
    fs::current_path(dir);
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    int status = 0;
    const int rc = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv, environ);
    auto end = start;
    while (rc == 0) {
        rusage usage{};
        const pid_t done = wait4(pid, &status, WNOHANG, &usage);
        end = std::chrono::steady_clock::now();
        if (done == pid) {
            run.cpuSeconds =
                static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
                static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
            break;
        }
        if (!run.stopped && std::chrono::duration<double>(end - start).count() > kTimeLimit) {
            kill(pid, SIGKILL);
            run.stopped = true;
        }
        usleep(1000);
    }
    fs::current_path(oldDir);
    posix_spawn_file_actions_destroy(&actions);
    if (rc == 0) {
        run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        run.seconds = std::chrono::duration<double>(end - start).count();
    }
    readLogs(dir, run);
    return run;
}

}  // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
    const std::string level = argc > 2 ? argv[2] : "3";
    const std::string seed = argc > 3 ? argv[3] : "1";
    const double step = argc > 4 && std::atof(argv[4]) > 0 ? std::atof(argv[4]) : kFrameStep;
    const std::string frameStep = decimal(step);
    const std::string dayStep = decimal(step / 2);
    const fs::path work = fs::temp_directory_path() / ("fiscora_game_" + std::to_string(getpid()));
    if (!install(work, dayStep)) {
        fs::remove_all(work);
        return 1;
    }
    setenv("FISCORA_HEADLESS", "1", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    setenv("FISCORA_FIXED_DT", frameStep.c_str(), 1);
    setenv("FISCORA_SEED", seed.c_str(), 1);
    setenv("FISCORA_AUTOPLAY", "careful", 1);
    setenv("FISCORA_AUTOPLAY_LEVEL", level.c_str(), 1);

    std::printf(
        "whole game, careful bot, level %s, seed %s, headless, unthrottled, frame step "
        "%s s, day step %s s (one day a frame)\n",
        level.c_str(), seed.c_str(), frameStep.c_str(), dayStep.c_str());
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        const Run run = play(work, i);
        std::printf(
            "  run %d: %6.2f s wall, %6.2f s cpu, %s %d, %d frames (%.2f ms a frame), "
            "%d date changes on the HUD, end screen %s, %ld cash lines\n",
            i + 1, run.seconds, run.cpuSeconds, run.stopped ? "STOPPED, status" : "exit",
            run.exitCode, run.frames, run.frames > 0 ? run.seconds * 1000.0 / run.frames : 0.0,
            run.days, run.endScreen ? "reached" : "NOT reached", run.cashLines);
        if (run.seconds >= 0 && !run.stopped) {
            times.push_back(run.seconds);
        }
    }
    if (!times.empty()) {
        std::sort(times.begin(), times.end());
        std::printf("  best %.2f s, median %.2f s (target under 10 s)\n", times.front(),
                    times[times.size() / 2]);
    }
    fs::remove_all(work);
    return 0;
}
