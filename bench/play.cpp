// What pressing Play costs and what one day of a running month costs,
// headless on the shipped content: the whole Play step (the condition rule,
// the calendar's start, funds, stocks, the interest, the month indicator),
// and one step of the calendar (its update over one step time, which moves
// the date and the indicator on by a day).
//
//     bench_play [months]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "BenchSupport.h"
#include "core/Engine.h"
#include "core/StateMachine.h"
#include "core/states/DifficultyLevel.h"
#include "core/states/RoomState.h"
#include "home/InvestmentCalculator.h"
#include "home/MainGui.h"
#include "home/Portfolio.h"
#include "home/Room.h"
#include "sim/DateManager.h"
#include "sim/FlagSystem.h"
#include "sim/InfoManager.h"
#include "sim/TimeLoader.h"

namespace {

using Clock = std::chrono::steady_clock;

double micros(Clock::time_point from, Clock::time_point to) {
    return std::chrono::duration<double, std::micro>(to - from).count();
}

void report(const char* name, std::vector<double> samples) {
    if (samples.empty()) {
        return;
    }
    double sum = 0;
    for (double sample : samples) {
        sum += sample;
    }
    std::sort(samples.begin(), samples.end());
    const std::size_t n = samples.size();
    const double median = n % 2 ? samples[n / 2] : (samples[n / 2 - 1] + samples[n / 2]) / 2;
    std::printf("  %-44s %9.1f us %9.1f us %9.1f us  (%zu)\n", name, sum / static_cast<double>(n),
                median, samples.back(), n);
}

}  // namespace

int main(int argc, char** argv) {
    const int months = argc > 1 ? std::max(1, std::atoi(argv[1])) : 200;
    if (!bench::startHeadlessGame()) {
        return 1;
    }
    InfoManager::instance()->load("info.xml");
    DifficultyLevel::instance()->set(2);
    Portfolio::instance()->setCash(4000);
    InvestmentCalculator::instance()->reload();
    InvestmentCalculator::instance()->deposit(10000.0f);
    FlagSystem::instance()->load();
    Room::instance()->create(1);
    MainGui* hud = MainGui::instance();
    StateMachine::instance()->changeState(GameState::RoomState::instance());
    DateManager* clock = DateManager::instance();

    std::vector<double> plays;
    std::vector<double> days;
    for (int month = 0; month < months; ++month) {
        // Each Play starts a month afresh: a new calendar, the budget done.
        clock->load("date.xml");
        hud->setBudgetDone(true);
        const auto start = Clock::now();
        hud->play();
        plays.push_back(micros(start, Clock::now()));
        const float step = clock->getStepTime() * 1.01f;
        while (clock->getDay() < clock->getMonthLength()) {
            const auto before = Clock::now();
            clock->update(step);
            TimeLoader::instance()->update(step);
            days.push_back(micros(before, Clock::now()));
        }
    }
    std::printf("Play and the days of %d months, level 2, flat 1\n", months);
    std::printf("  %-44s %12s %12s %12s\n", "", "mean", "median", "worst");
    report("Play (checks and the whole month step)", plays);
    report("one day (calendar and indicator update)", days);

    StateMachine::instance()->changeState(nullptr);
    MainGui::destroy();
    Room::destroy();
    Engine::destroy();
    return 0;
}
