#include "sim/Scenario.h"

#include <cstdlib>

#include "core/Log.h"
#include "resource/Randomizer.h"

namespace {

const int HIGHEST = 999999;

struct State {
    int number = 0;
    // Settled by the command line, the environment or a test; until then the
    // first use reads FISCORA_SCENARIO.
    bool decided = false;
};

State& state() {
    static State instance;
    return instance;
}

// 1..HIGHEST written in plain digits, else 0.
int parse(const std::string& text) {
    if (text.empty() || text.size() > 6 ||
        text.find_first_not_of("0123456789") != std::string::npos) {
        return 0;
    }
    const int number = std::atoi(text.c_str());
    return number <= HIGHEST ? number : 0;
}

void announce(const char* context, int number) {
    if (number != 0) {
        Log::info(context) << "scenario " << number;
    }
}

// The base of a month's streams: month 0 is the new game's set-up.
uint64_t base(int number, int month) {
    return Randomizer::mix(Randomizer::mix(static_cast<uint64_t>(number)) ^
                           static_cast<uint64_t>(static_cast<uint32_t>(month)));
}

// FISCORA_SCENARIO, for scripted runs; unset or empty leaves the scenario
// as it is.
void readEnvironment() {
    State& current = state();
    current.decided = true;
    const char* given = std::getenv("FISCORA_SCENARIO");
    if (!given || !*given) {
        return;
    }
    Scenario::set(parse(given));
    if (current.number == 0) {
        Log::warning("Scenario::readArguments")
            << "FISCORA_SCENARIO " << given << " is no number from 1 to " << HIGHEST
            << ", playing without a scenario";
    }
    announce("Scenario::readArguments", current.number);
}

}  // namespace

int Scenario::number() {
    if (!state().decided) {
        // A program that never read a command line: scripted runs, tools.
        readEnvironment();
    }
    return state().number;
}

void Scenario::readArguments(const std::vector<std::string>& arguments) {
    const char* context = "Scenario::readArguments";
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        if (arguments[i] != "-scenario") {
            continue;
        }
        const std::string given = i + 1 < arguments.size() ? arguments[i + 1] : "";
        const int number = parse(given);
        if (number == 0) {
            Log::warning(context) << "-scenario needs a number from 1 to " << HIGHEST << ", not \""
                                  << given << "\"; playing without a scenario";
        }
        set(number);
        announce(context, number);
        return;
    }
    readEnvironment();
}

void Scenario::set(int number) {
    State& current = state();
    current.decided = true;
    current.number = number > 0 && number <= HIGHEST ? number : 0;
    if (current.number == 0) {
        Randomizer::stopStreams();
    }
}

std::string Scenario::label() {
    return isSet() ? "Scenario " + std::to_string(number()) : "";
}

void Scenario::startGame() {
    startMonth(0);
}

void Scenario::startMonth(int monthNumber) {
    if (!isSet()) {
        // Free play keeps drawing from rand and the engine's generator.
        Randomizer::stopStreams();
        return;
    }
    Randomizer::startStreams(base(number(), monthNumber));
    Log::debug("Scenario::startMonth")
        << "month " << monthNumber << " draws from scenario " << number();
}
