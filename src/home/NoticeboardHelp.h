#pragma once

#include <memory>
#include <vector>

#include "core/Logic.h"

class GuiBase;
class GuiButton;
class GuiWindow;
class XmlReader;

// The help page of the notice board: one button per tutorial that the
// difficulty allows, each replaying its tutorial.
class NoticeboardHelp : public Logic {
public:
    explicit NoticeboardHelp(GuiWindow* window);
    ~NoticeboardHelp() override;

    void show(bool shown);
    // Presses are ignored while blocked (the board's entering delay).
    void setBlocked(bool blocked) { m_blocked = blocked; }
    bool isBlocked() const { return m_blocked; }
    void update(float dt) override;

    const std::vector<GuiButton*>& getButtons() const { return m_buttons; }

private:
    std::vector<GuiButton*> m_buttons;
    std::unique_ptr<XmlReader> m_reader;
    GuiWindow* m_window = nullptr;
    bool m_blocked = true;
    // The page's line of help.
    GuiBase* m_text = nullptr;
};
