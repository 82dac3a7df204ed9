// Start-up time of the game against a bare SDL2 program: both run headless,
// the game with an autopilot script that quits in its first frame. Prints
// mean and median wall time of each and their ratio (aim: within 1.5x).
//
//     bench_startup [runs]
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "engine/hge.h"

extern char** environ;

namespace {

struct Result {
    double mean = 0;
    double median = 0;
    int failures = 0;
    int nonzeroExits = 0;
};

// Runs the program once in `workDir`; returns the wall time in ms, or -1.
double runOnce(const std::string& program, const std::vector<std::string>& args,
               const std::string& workDir, int& exitCode) {
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(program.c_str()));
    for (const std::string& a : args) {
        argv.push_back(const_cast<char*>(a.c_str()));
    }
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    std::string oldDir = std::filesystem::current_path().string();
    std::filesystem::current_path(workDir);

    auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    int rc = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ);
    int status = 0;
    if (rc == 0) {
        waitpid(pid, &status, 0);
    }
    auto end = std::chrono::steady_clock::now();
    std::filesystem::current_path(oldDir);
    posix_spawn_file_actions_destroy(&actions);
    if (rc != 0 || !WIFEXITED(status)) {
        return -1;
    }
    exitCode = WEXITSTATUS(status);
    return std::chrono::duration<double, std::milli>(end - start).count();
}

Result measure(const std::string& program, const std::vector<std::string>& args,
               const std::string& workDir, int runs) {
    Result result;
    std::vector<double> times;
    int exitCode = 0;
    runOnce(program, args, workDir, exitCode);  // warm the file cache
    for (int i = 0; i < runs; ++i) {
        double ms = runOnce(program, args, workDir, exitCode);
        if (ms < 0) {
            ++result.failures;
            continue;
        }
        if (exitCode != 0) {
            ++result.nonzeroExits;
        }
        times.push_back(ms);
    }
    if (times.empty()) {
        return result;
    }
    std::sort(times.begin(), times.end());
    double sum = 0;
    for (double t : times) {
        sum += t;
    }
    result.mean = sum / static_cast<double>(times.size());
    size_t n = times.size();
    result.median = n % 2 ? times[n / 2] : (times[n / 2 - 1] + times[n / 2]) / 2;
    return result;
}

bool quitAtOnce() {
    return true;
}

// The engine alone: initiate, one frame loop ended by the script, shut down.
int engineOnly() {
    HGE* hge = hgeCreate(HGE_VERSION);
    hge->System_SetState(HGE_WINDOWED, true);
    hge->System_SetState(HGE_FRAMEFUNC, quitAtOnce);
    if (!hge->System_Initiate()) {
        return 1;
    }
    hge->System_Start();
    hge->System_Shutdown();
    hge->Release();
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 1 && std::string(argv[1]) == "--engine-only") {
        return engineOnly();
    }
    int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 10;
    std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe");
    std::string bare = (self.parent_path() / "bench_bare_sdl_startup").string();
    std::string game = FISCORA_GAME_EXE;

    std::filesystem::path work =
        std::filesystem::temp_directory_path() / ("fiscora_startup_" + std::to_string(getpid()));
    std::filesystem::create_directories(work);
    std::string script = (work / "quit.txt").string();
    std::ofstream(script) << "1 quit\n";

    setenv("FISCORA_HEADLESS", "1", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    setenv("FISCORA_AUTOPILOT", script.c_str(), 1);
    setenv("FISCORA_FIXED_DT", "0.02", 1);

    Result g = measure(game, {"-window"}, work.string(), runs);
    Result b = measure(bare, {}, work.string(), runs);
    Result e = measure(self.string(), {"--engine-only"}, work.string(), runs);

    std::printf("start-up, %d runs each (headless: dummy video, software renderer)\n", runs);
    std::printf("  game  %-40s mean %8.1f ms  median %8.1f ms  crashed %d, exit!=0 %d\n",
                game.c_str(), g.mean, g.median, g.failures, g.nonzeroExits);
    std::printf("  bare  %-40s mean %8.1f ms  median %8.1f ms  crashed %d, exit!=0 %d\n",
                bare.c_str(), b.mean, b.median, b.failures, b.nonzeroExits);
    std::printf("  engine alone (this program)                   mean %8.1f ms  median %8.1f ms\n",
                e.mean, e.median);
    if (b.median > 0 && g.median > 0) {
        std::printf("  ratio game/bare: mean %.2fx  median %.2fx  (target <= 1.5x)\n",
                    g.mean / b.mean, g.median / b.median);
    }
    std::filesystem::remove_all(work);
    return 0;
}
