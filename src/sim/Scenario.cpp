// Temporary: stands in until the class scenarios arrive; no scenario is ever set.
#include "sim/Scenario.h"

namespace {
int g_number = 0;
}  // namespace

int Scenario::number() {
    return g_number;
}

void Scenario::readArguments(const std::vector<std::string>&) {}

void Scenario::set(int number) {
    g_number = number > 0 ? number : 0;
}

std::string Scenario::label() {
    return isSet() ? "Scenario " + std::to_string(g_number) : "";
}

void Scenario::startGame() {}

void Scenario::startMonth(int) {}
