#pragma once

#include <cstdint>
#include <string>
#include <vector>

// A class scenario: "-scenario <number>" on the command line fixes every
// random draw of a game (events, days, amounts, prices, interest), so that a
// whole class can play the same year. Without one, games draw freely.
class Scenario {
public:
    // The number given on the command line, 0 when there is none.
    static int number();
    static bool isSet() { return number() != 0; }
    // Reads "-scenario <number>" among the program's arguments (argv[1..]).
    // A missing, non-numeric or non-positive number is logged and ignored.
    static void readArguments(const std::vector<std::string>& arguments);
    // For tests: sets (or with 0 clears) the scenario.
    static void set(int number);
    // "Scenario 7", or "" when there is none.
    static std::string label();

    // A new game starts: every random source is seeded from the scenario.
    static void startGame();
    // Month `monthNumber` (1 for the game's first) starts: every random
    // source is seeded afresh from the scenario and the month, so that what
    // the player did earlier cannot shift the draws.
    static void startMonth(int monthNumber);
};
