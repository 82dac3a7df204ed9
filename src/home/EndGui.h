#pragma once
#include <cstdint>
#include <memory>
#include <string>

#include "core/Logic.h"

class GuiButton;
class GuiTextBox;
class GuiWindow;
class TiXmlElement;
class YearChart;

// The end screen: the player's money at the end of the game, the furniture's
// worth and the play time, copied into the statistics, beside a chart of the
// net worth month by month (and the class scenario, when one was given); its
// exit leads to a new game, or at the highest level to the closing screen,
// and sends the statistics.
class EndGui : public Logic {
public:
    // `playSeconds`: wall-clock seconds since the game started.
    explicit EndGui(int64_t playSeconds);
    ~EndGui() override;
    // On "Exit Button": changes the state, sends the statistics and ends the
    // HUD, which deletes this screen.
    void update(float dt) override;

    GuiWindow* getWindow() const { return m_window.get(); }
    // "62min 5sek" for 3725 seconds: whole minutes, then seconds.
    static std::string formatPlayTime(int64_t seconds);

    // The player's money and furniture as they stand.
    struct MoneyFigures {
        double cash = 0;
        double savings = 0;
        double stocks = 0;
        double funds = 0;
        double furniture = 0;
    };
    // Reads them from the portfolio, the savings account and the room and
    // copies them into the statistics (the achievements check the same
    // figures every month).
    static MoneyFigures recordMoney();

private:
    // The net worth month by month, where the record's "chart" places it.
    void addChart(TiXmlElement* element);
    // An amount right-aligned to "Stats" at height `y`.
    void addValue(const std::string& value, float y, unsigned int color);

    std::unique_ptr<GuiWindow> m_window;
    GuiButton* m_exitButton = nullptr;
    GuiTextBox* m_stats = nullptr;
    std::unique_ptr<YearChart> m_chart;
};
