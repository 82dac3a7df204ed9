#pragma once

struct MonthConsumption;

// The monthly condition rule: food, clothes and hygiene bought below their
// norm times the low factor raise the need's low flag (and queue its warning
// event), above the norm times the high factor raise its high flag, and
// anything between lowers both. Needs in the order health, appearance,
// hygiene; the factors are the game constants "lowHealth", "highHealth",
// "lowAppearance", "highAppearance", "lowHygiene", "highHygiene".
class ConditionRule {
public:
    static void apply(const MonthConsumption& month);
};
