#pragma once

// What the player bought for the month through the budget, kept by the HUD
// from one budget to the next and read by the monthly condition rule.
struct MonthConsumption {
    // The monthly norms of the three needs, in kronor.
    static constexpr int FOOD_NORM = 3000;
    static constexpr int CLOTHES_NORM = 1400;
    static constexpr int HYGIENE_NORM = 800;

    // Spent this month; a second purchase in the same month adds to the first.
    int food = 0;
    int clothes = 0;
    int hygiene = 0;
    bool bought = false;
    // Copied from the budget when the player closes it with "ok".
    float consumptionTotal = 0.0f;
    float savingsTotal = 0.0f;
    // The norms the budget last showed.
    int foodNorm = FOOD_NORM;
    int clothesNorm = CLOTHES_NORM;
    int hygieneNorm = HYGIENE_NORM;

    // A month has been played: nothing is bought for the next one yet.
    void startMonth() {
        food = clothes = hygiene = 0;
        bought = false;
        consumptionTotal = savingsTotal = 0.0f;
    }
};
