#pragma once
#include <memory>
#include <string>
#include <vector>

#include "core/Logic.h"
#include "core/Singleton.h"

class GuiBase;
class GuiSlider;
class GuiTextBox;
class GuiWindow;
class Investment;
class TiXmlElement;

// The investment window the HUD opens: the player's funds and stocks with
// their worth, a sell button each and the sell window, and the holdings'
// history. Built from "investmentGui.xml" each time it opens.
class InvestmentGui : public Logic, public Singleton<InvestmentGui> {
    friend class Singleton<InvestmentGui>;

public:
    // Rebuilds the window from the holdings, shows it and makes it modal.
    void open();
    // Hides and releases the window (its "Exit Button" does this).
    void close();
    bool isOpen() const;
    void update(float dt) override;
    GuiWindow* getWindow() const;
    GuiWindow* getSellWindow() const { return m_sellWindow.get(); }
    // Writes the holdings' last months into the history text box.
    void createHistory(TiXmlElement* record);

private:
    InvestmentGui();
    ~InvestmentGui() override;

    // One holding on screen and its sell button.
    struct Row {
        GuiBase* sellButton = nullptr;
        bool fund = false;
        int id = 0;
    };

    void build(TiXmlElement* record);
    void addColumn(GuiTextBox* text, bool funds, float x);
    void openSellWindow(const Row& row);
    void closeSellWindow();
    void confirmSale();
    // The sell window's live figures follow the slider.
    void showSliderValue();
    Investment* holdingOf(const Row& row) const;

    std::unique_ptr<GuiWindow> m_window;
    std::vector<Row> m_rows;
    std::unique_ptr<GuiWindow> m_sellWindow;
    Row m_selling;
    GuiSlider* m_slider = nullptr;
    GuiTextBox* m_sellText = nullptr;
    int m_shownValue = -1;
    std::vector<std::string> m_liveTexts;
};
