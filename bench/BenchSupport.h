#pragma once
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "core/Engine.h"
#include "core/ZDepth.h"
#include "engine/hgevector.h"
#include "gui/InteractionalObject.h"
#include "home/Dot.h"
#include "home/FurnitureBase.h"
#include "home/FurnitureData.h"
#include "home/IsometricGrid.h"
#include "home/Room.h"

namespace bench {

using Clock = std::chrono::steady_clock;

inline double micros(Clock::time_point from, Clock::time_point to) {
    return std::chrono::duration<double, std::micro>(to - from).count();
}

struct Figures {
    double mean = 0;
    double median = 0;
};

inline Figures summarise(std::vector<double> samples) {
    Figures figures;
    if (samples.empty()) {
        return figures;
    }
    double sum = 0;
    for (double sample : samples) {
        sum += sample;
    }
    figures.mean = sum / static_cast<double>(samples.size());
    std::sort(samples.begin(), samples.end());
    const std::size_t n = samples.size();
    figures.median = n % 2 ? samples[n / 2] : (samples[n / 2 - 1] + samples[n / 2]) / 2;
    return figures;
}

// The game's engine started headless, as the entry point starts it, with no
// sound device; false (and a line on stderr) when it could not start.
inline bool startHeadlessGame() {
    setenv("FISCORA_HEADLESS", "1", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    ZDepth::readFile();
    if (!Engine::instance()->init(true)) {
        std::fprintf(stderr, "engine failed to start\n");
        return false;
    }
    return true;
}

// Puts pieces down as the player would, each on the first free dot where it
// fits, going round the catalogue until the flat holds `count` of them or
// nothing more fits. Returns how many went down.
inline int furnish(Room* room, int count) {
    // The double bed and the big rug each cover a ninth of the floor;
    // without them forty pieces fit.
    const int largestFootprint = 8;
    FurnitureData::createStaticData();
    std::vector<int> ids;
    for (const auto& entry : FurnitureData::getCatalogue()) {
        const int dots = (FurnitureData::getWidth(entry.second) + 1) *
                         (FurnitureData::getDepth(entry.second) + 1);
        if (dots <= largestFootprint) {
            ids.push_back(entry.first);
        }
    }
    IsometricGrid* grid = room->getGrid();
    int placed = 0;
    int misses = 0;
    for (std::size_t k = 0; placed < count && !ids.empty() && misses < static_cast<int>(ids.size());
         ++k) {
        FurnitureBase* piece = room->addFurniture(ids[k % ids.size()]);
        bool down = false;
        for (const Dot* dot : grid->getDots()) {
            if (!dot->isFree()) {
                continue;
            }
            piece->moveTo(dot->getScreenPosition());
            const hgeVector at = piece->getGridPosition();
            if (at.x == dot->getX() && at.y == dot->getY() && !piece->isBlocked()) {
                piece->drop();
                down = true;
                break;
            }
        }
        if (down) {
            ++placed;
            misses = 0;
        } else {
            room->removeFurniture(piece);
            ++misses;
        }
    }
    return placed;
}

// The mouse going round the objects, from the middle of one to the middle of
// the next in `steps` frames, back to the first at the end.
template <class Objects>
std::vector<hgeVector> walkOver(const Objects& objects, int steps) {
    std::vector<hgeVector> middles;
    for (InteractionalObject* object : objects) {
        const hgeVector a = object->topLeft();
        const hgeVector b = object->bottomRight();
        middles.emplace_back((a.x + b.x) * 0.5f, (a.y + b.y) * 0.5f);
    }
    std::vector<hgeVector> path;
    for (std::size_t i = 0; i < middles.size(); ++i) {
        const hgeVector& from = middles[i];
        const hgeVector& to = middles[(i + 1) % middles.size()];
        for (int step = 0; step < steps; ++step) {
            const float t = static_cast<float>(step) / static_cast<float>(steps);
            path.push_back(from + (to - from) * t);
        }
    }
    return path;
}

}  // namespace bench
