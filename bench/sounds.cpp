// Start-up cost of the game's sounds, headless (dummy audio output): how
// long registering all sixteen takes, and each file on its own.
//
//     bench_sounds [folder]    folder: sound files that win over data/snd
#include <physfs.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>
#include <vector>

#include "core/Log.h"
#include "core/SoundPlayer.h"
#include "core/SoundRegistry.h"
#include "core/StreamPlayer.h"
#include "resource/ConstantManager.h"
#include "resource/ResourceManager.h"

namespace {

using Clock = std::chrono::steady_clock;

double msSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// This thread's processor time: the loads run here, and unlike the wall
// clock it does not count the time that other programs take the cores.
double threadCpuMs() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return now.tv_sec * 1000.0 + now.tv_nsec / 1e6;
}

long fileSize(const char* name) {
    PHYSFS_File* file = PHYSFS_openRead(name);
    if (!file) {
        return -1;
    }
    const long size = static_cast<long>(PHYSFS_fileLength(file));
    PHYSFS_close(file);
    return size;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    setenv("FISCORA_HEADLESS", "1", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);

    // What exists before step 7 of the start-up: files and constants.
    resource::Manager::instance();
    if (argc > 1 && !PHYSFS_mount(argv[1], nullptr, 0)) {
        std::fprintf(stderr, "cannot mount %s\n", argv[1]);
        return 1;
    }
    ConstantManager::instance();

    const Clock::time_point start = Clock::now();
    const double cpuStart = threadCpuMs();
    registerGameSounds();
    const double first = msSince(start);
    const double firstCpu = threadCpuMs() - cpuStart;
    const size_t effects = SoundPlayer::instance()->size();
    const size_t tracks = StreamPlayer::instance()->size();

    // Again with the players (and so the audio output) already there and
    // the files in the system's cache, one file at a time. Each round starts
    // from empty tables, as the start-up does: loading over a key that holds
    // the same file would reuse freshly freed memory and look faster.
    const int rounds = 9;
    const std::vector<GameSound>& sounds = gameSounds();
    std::vector<std::vector<double>> wall(sounds.size());
    std::vector<std::vector<double>> cpu(sounds.size());
    std::vector<double> roundWall;
    std::vector<double> roundCpu;
    for (int round = 0; round < rounds; ++round) {
        SoundPlayer::instance()->clear();
        StreamPlayer::instance()->clear();
        double wallSum = 0.0;
        double cpuSum = 0.0;
        for (size_t i = 0; i < sounds.size(); ++i) {
            const GameSound& sound = sounds[i];
            const Clock::time_point t = Clock::now();
            const double c = threadCpuMs();
            if (sound.music) {
                StreamPlayer::instance()->load(sound.key, sound.file, audio::FF_MP3);
            } else {
                SoundPlayer::instance()->load(sound.key, sound.file, audio::MULTIPLE,
                                              audio::FF_WAV);
            }
            wall[i].push_back(msSince(t));
            cpu[i].push_back(threadCpuMs() - c);
            wallSum += wall[i].back();
            cpuSum += cpu[i].back();
        }
        roundWall.push_back(wallSum);
        roundCpu.push_back(cpuSum);
    }

    std::printf("registered %zu effects and %zu music tracks\n", effects, tracks);
    std::printf(
        "start-up registration (players, audio output, 16 sounds): %.1f ms wall, %.1f ms "
        "cpu (target < 150)\n",
        first, firstCpu);
    std::printf("registration with the output open, median of %d: %.1f ms wall, %.1f ms cpu\n",
                rounds, median(roundWall), median(roundCpu));
    std::printf("\n%-26s %9s %12s %12s\n", "file (median)", "bytes", "wall ms", "cpu ms");
    for (size_t i = 0; i < sounds.size(); ++i) {
        std::printf("%-26s %9ld %12.2f %12.2f\n", sounds[i].file, fileSize(sounds[i].file),
                    median(wall[i]), median(cpu[i]));
    }
    return 0;
}
