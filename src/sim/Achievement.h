#pragma once

#include <memory>
#include <string>

#include "core/Logic.h"
#include "sim/AchievementCheck.h"

class GuiBase;
class GuiWindow;
class TiXmlElement;
class TiXmlNode;

// One goal of "achievements.xml". Completed, it shows its window, raises its
// ACHIEVEMENT flag, pins its icon on the notice board and gives a piece of
// furniture.
class Achievement : public Logic {
public:
    // `element` is the `achievement` element (owned by the manager's
    // reader); its first child element is the condition.
    explicit Achievement(TiXmlElement* element);
    ~Achievement() override;

    // True when the achievement completes now (never in the game's last
    // month, when it is only marked).
    bool check();
    void createWindow();
    // Closes the window (if open) and gives the pointer free.
    void closeWindow();
    // Closes the window on its confirm button.
    void update(float dt) override;

    int getId() const;
    std::string getTitle() const;
    std::string getDescription() const;
    // "achievement_" + id + "_locked.png", "_unlocked.png", "_big.png"; the
    // suffix may also be given as "locked" or "_locked".
    std::string getImage(const std::string& suffix) const;
    bool isCompleted() const { return m_completed; }
    // A new game starts every achievement over.
    void reset();
    bool hasCondition() const { return m_condition != nullptr; }
    GuiWindow* getWindow() const { return m_window.get(); }

private:
    TiXmlElement* m_element = nullptr;
    bool m_completed = false;
    std::unique_ptr<GuiWindow> m_window;
    std::unique_ptr<AchievementCheck::Interface> m_condition;
    GuiBase* m_confirm = nullptr;
    // The window's record with this achievement's texts and picture filled
    // in; it lives as long as the window built from it.
    std::unique_ptr<TiXmlNode> m_record;
};
