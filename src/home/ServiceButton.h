#pragma once
#include <memory>
#include <string>

#include "gui/GuiButton.h"
#include "sim/FiscoraFlags.h"

class GuiTextBox;
class GuiWindow;
class TiXmlElement;

// One of the HUD's service buttons: a subscription the player has (its flag
// is raised). A click opens the service's window with its description and a
// button that cancels the service, after a question, by lowering the flag.
class ServiceButton : public GuiButton {
public:
    // From a "service" element of the HUD record: "id" names the flag, the
    // child "desc" holds the description.
    ServiceButton(TiXmlElement* element, GuiBase* parent);
    ~ServiceButton() override;

    // Shows the button while the flag is raised and hides it once lowered;
    // runs the window's buttons and the cancel question.
    void update(float dt) override;
    void press() override;

    FiscoraFlags::_enum getFlag() const { return m_flag; }
    const std::string& getDescription() const { return m_description; }
    // 1 not subscribed, 2 subscribed.
    int getState() const { return m_state; }
    bool isWindowOpen() const;
    GuiWindow* getWindow() const { return m_window.get(); }
    // Closes this service's window if it is open.
    void closeWindow();
    // Closes whichever service window is open (the HUD's budget button does).
    static void closeShownWindow();
    static ServiceButton* getShown() { return s_shown; }

private:
    void createWindow();

    FiscoraFlags::_enum m_flag = FiscoraFlags::UNDEFINED;
    std::string m_description;
    std::unique_ptr<GuiWindow> m_window;
    GuiButton* m_closeButton = nullptr;
    GuiButton* m_cancelButton = nullptr;
    int m_state = 1;
    static inline ServiceButton* s_shown = nullptr;
};
