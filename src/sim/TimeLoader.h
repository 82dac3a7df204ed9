#pragma once

#include <memory>
#include <string>

#include "core/Logic.h"
#include "core/Singleton.h"

class GuiTextBox;
class GuiWindow;
class Sprite;

// The month-passing indicator: a window with the running date and a bar that
// grows day by day while a month runs, closed at the month's last day.
class TimeLoader : public Logic, public Singleton<TimeLoader> {
    friend class Singleton<TimeLoader>;

public:
    static constexpr float FULL_WIDTH = 75.0f;
    static constexpr float BAR_HEIGHT = 33.0f;

    // Destroys and rebuilds the bar and the window, hidden; at every new game.
    void reset();
    // Shows the indicator for the month that begins.
    void start();
    // Hides bar and window and stops updating.
    void hide();
    // The indicator belongs to the flat: away from it (in town, in a shop)
    // it is hidden while the month runs on, and back in the flat it shows
    // again if the month still runs.
    void setOnScreen(bool onScreen);
    void update(float dt) override;

    int getShownDay() const { return m_shownDay; }
    float getWidthPerDay() const { return m_widthPerDay; }
    Sprite* getBar() const { return m_bar.get(); }
    GuiWindow* getWindow() const { return m_window.get(); }
    // What the window's date line shows.
    const std::string& getDateText() const { return m_dateText; }

private:
    TimeLoader();
    ~TimeLoader() override;

    void build();
    void setBar(int day);
    void showDate();
    // Shows or hides every part.
    void showParts(bool shown);

    std::unique_ptr<Sprite> m_bar;
    // The whole bar, faint, behind the growing one: how far the month has come.
    std::unique_ptr<Sprite> m_track;
    std::unique_ptr<GuiWindow> m_window;
    GuiTextBox* m_dateBox = nullptr;
    std::string m_dateText;
    float m_fullWidth = FULL_WIDTH;
    float m_widthPerDay = 0.0f;
    int m_shownDay = 0;
    bool m_onScreen = true;
};
