#pragma once
#include <memory>
#include <vector>

#include "core/Logic.h"
#include "core/Singleton.h"

class GuiWindow;

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

private:
    InvestmentGui();
    ~InvestmentGui() override;
    // The rest is the implementation's own.
};
