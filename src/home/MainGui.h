#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "core/Logic.h"
#include "core/Singleton.h"
#include "gui/HoverLabel.h"
#include "sim/MonthConsumption.h"

class Budget;
class EndGui;
class GuiBase;
class GuiButton;
class GuiTextBox;
class GuiWindow;
class ServiceButton;
class Sprite;
class State;
class TiXmlElement;

// The heads-up display of a running game: the date and the cash, Play (which
// runs the next month once the month's budget is done), the budget, savings
// and shares, the services, sound and exit, and a hint arrow for beginners.
// It lives from the start of a game until the player leaves it; at the end
// of the calendar it opens the end screen.
class MainGui : public Logic, public Singleton<MainGui> {
    friend class Singleton<MainGui>;

public:
    void update(float dt) override;

    // "Play Button": refuses with a message while the first budget, a red
    // piece of furniture or this month's budget is missing, does nothing
    // while a month runs, and otherwise plays the next month.
    void play();
    // "Cash Button": opens the budget unless it is open.
    void openBudget();
    // "Cash Image": the investment window, locked at the beginner level.
    void openInvestments();
    // "Sound Button": flips the effects' mute, then the music's.
    void toggleSound();
    // "Exit Button": asks whether to leave the game.
    void askExit();

    // The flat shows the whole HUD; elsewhere only the cash stays.
    void showRoomParts(bool shown);
    // Brings every part in line with the current state.
    void updateButtons();
    void showCash();
    void hideHintArrow();

    // Leaves the game for `next` (null: the state stays) and destroys the
    // HUD with its end screen. The caller must not touch either afterwards.
    void endGame(State* next);

    // Cleared by the calendar when a played month reaches its last day.
    void setBudgetDone(bool done) { m_budgetDone = done; }
    bool isBudgetDone() const { return m_budgetDone; }
    // Until the first budget of the game is done.
    bool isBudgetPending() const { return m_budgetPending; }
    bool isTownNotVisited() const { return m_townNotVisited; }
    void setTownVisited() { m_townNotVisited = false; }
    bool isMonthStarted() const { return m_monthStarted; }
    // What the budget bought for the month; the condition rule reads it.
    MonthConsumption& getMonth() { return m_month; }
    Budget* getBudget() const { return m_budget; }
    // The tutorial window on screen, or null; a tutorial that opens replaces it.
    GuiWindow* getTutorialWindow() const { return m_tutorialWindow; }
    void setTutorialWindow(GuiWindow* window) { m_tutorialWindow = window; }
    EndGui* getEndGui() const { return m_endGui; }
    // Wall-clock seconds since the game started.
    int64_t getPlaySeconds() const;

    GuiWindow* getWindow() const { return m_window.get(); }
    // A widget of the HUD by name ("Play Button", "Cash Text" ...), or null.
    GuiBase* findWidget(const std::string& name) const;
    const std::vector<ServiceButton*>& getServices() const { return m_services; }
    Sprite* getBackground() const { return m_background.get(); }
    Sprite* getHintArrow() const { return m_arrow.get(); }
    Sprite* getSoundOff() const { return m_soundOff.get(); }
    const HoverLabel& getLabel() const { return m_label; }
    const std::string& getCashText() const { return m_cashText; }
    const std::string& getDateText() const { return m_dateText; }

private:
    MainGui();
    ~MainGui() override;

    struct Labelled {
        GuiBase* widget;
        std::string label;
    };

    void build(TiXmlElement* record);
    void buildServices(TiXmlElement* windowElement, GuiWindow* window);
    void addLabel(GuiBase* widget, TiXmlElement* element);
    void playMonth();
    void pollButtons();
    void updateHintArrow(float dt);
    void updateLabel();
    void refreshTexts();
    void setText(GuiTextBox* box, std::string& shown, const std::string& text, bool centred);
    void showSoundState();
    void showArrowAt(float x, float y);

    std::unique_ptr<Sprite> m_background;
    std::unique_ptr<GuiWindow> m_window;
    GuiButton* m_playButton = nullptr;
    GuiButton* m_budgetButton = nullptr;
    GuiButton* m_investButton = nullptr;
    GuiButton* m_exitButton = nullptr;
    GuiButton* m_soundButton = nullptr;
    GuiWindow* m_cashWindow = nullptr;
    GuiTextBox* m_cashBox = nullptr;
    GuiTextBox* m_dateBox = nullptr;
    // The windows that only hold buttons: never a target themselves.
    std::vector<GuiWindow*> m_holders;
    std::vector<ServiceButton*> m_services;
    std::vector<Labelled> m_labels;
    std::unique_ptr<Sprite> m_soundOff;
    std::unique_ptr<Sprite> m_arrow;
    HoverLabel m_label{"HUD Label", true};
    std::string m_cashText;
    std::string m_dateText;

    Budget* m_budget = nullptr;
    EndGui* m_endGui = nullptr;
    // Owned by its tutorial.
    GuiWindow* m_tutorialWindow = nullptr;
    MonthConsumption m_month;
    bool m_budgetDone = false;
    bool m_budgetPending = true;
    bool m_townNotVisited = true;
    bool m_monthStarted = false;
    bool m_roomShown = false;
    // Where the arrow points and how far into its bob it is.
    float m_arrowX = 0.0f;
    float m_arrowY = 0.0f;
    float m_arrowTime = 0.0f;
    // A message whose closing gives the flat its entry delay again.
    bool m_delayMessageOpen = false;
    int64_t m_startTime = 0;
};
