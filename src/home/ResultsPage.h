#pragma once

#include <string>
#include <vector>

#include "sim/YearRecord.h"

// "Ditt år med Fiscora": a self-contained Swedish HTML page of the player's
// year that the end screen writes when there is no statistics host.
class ResultsPage {
public:
    // Everything the page shows, gathered from the game so the page itself
    // can be built (and tested) from plain data.
    struct Content {
        int level = 0;           // 1..3
        std::string levelTitle;  // as the new-game screen names the level (game text)
        int scenario = 0;        // 0: none
        double cash = 0;
        double savings = 0;
        double stocks = 0;
        double funds = 0;
        double furniture = 0;
        std::string playTime;  // "62min 5sek"
        std::vector<MonthFigures> months;
        std::vector<std::string> achievements;  // titles of those earned
    };

    // From the running game: the end screen's figures, the year record, the
    // level, the scenario and the achievements.
    static Content gather();
    // The page as UTF-8 HTML.
    static std::string html(const Content& content);
    // A few lines of advice drawn from the year (UTF-8).
    static std::vector<std::string> advice(const Content& content);
    // Writes the page into the user's data folder (SDL's preference path) as
    // "fiscora-resultat.html"; the path written, or "" (logged) on failure.
    static std::string write(const Content& content);
    // The end screen's exit without a statistics host: writes the page and
    // opens it in the browser (headless runs open nothing).
    static void publish();
};
