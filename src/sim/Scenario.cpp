#include "sim/Scenario.h"

// Stands in for the class scenarios until they are merged: the number only.
namespace {
int s_number = 0;
}

int Scenario::number() {
    return s_number;
}

void Scenario::readArguments(const std::vector<std::string>&) {}

void Scenario::set(int number) {
    s_number = number > 0 ? number : 0;
}

std::string Scenario::label() {
    return s_number ? "Scenario " + std::to_string(s_number) : "";
}

void Scenario::startGame() {}

void Scenario::startMonth(int) {}
