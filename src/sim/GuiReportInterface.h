#pragma once
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "engine/hgevector.h"
#include "gui/GuiButton.h"
#include "gui/HoverLabel.h"

class GuiTextBox;
class GuiWindow;
class RandomEventInterface;
class TiXmlElement;

// A report of an event: an icon in a column of slots that opens, when
// clicked, a window telling what happened with one or two answers. The
// answer carries out the event's consequences; the manager deletes the report
// once it is done.
class GuiReportInterface : public GuiButton {
public:
    // The icon "event_" + type name + ".png" in slot `slot`.
    GuiReportInterface(RandomEventInterface* event, int slot);
    ~GuiReportInterface() override;

    // Reads "reporter.xml" (icon size, slots) once.
    static void createStaticData();
    static const std::vector<hgeVector>& getSlots();
    static const hgeVector& getButtonSize();
    // The oldest report still open, or null (the autopilot's "report").
    static GuiReportInterface* oldestOpen();

    // Opens the window (built on the first click).
    void press() override;
    // Enter answers yes, Backspace no, while the window is open.
    void update(float dt) override;
    virtual void createWindow() = 0;
    virtual void acceptAction() = 0;
    virtual void rejectAction() = 0;

    bool isDone() const { return m_done; }
    RandomEventInterface* getEvent() const { return m_event; }
    GuiWindow* getWindow() const { return m_window.get(); }
    bool isWindowOpen() const;
    int getSlot() const { return m_slot; }
    // Hides or shows the icon (reports show in the flat only).
    void setVisible(bool visible) override;

protected:
    // Text A and text B with "$" replaced by the amount.
    std::string answerText(const std::string& text) const;
    // Hides the window and gives the flat its buttons back.
    void closeWindow();
    // The door and the notice board of the flat, usable again.
    static void restoreRoomButtons();
    // Tells the flat a window has closed, so the click does not reach the
    // furniture.
    static void refreshRoom();
    // The window from `child` of gui.xml's "reporter" record, after `edit`
    // has changed a copy of it; finds the answer buttons and "content".
    void buildWindow(const char* child, const std::function<void(TiXmlElement&)>& edit);
    // The answer `text` written beside `button` in `font`, wrapped to the
    // window; nothing for an empty text.
    void writeAnswer(GuiBase* button, const std::string& text, const std::string& font,
                     unsigned int color);
    // Hides and disables the deny button for good (also when the window
    // shows again).
    void hideDenyButton();
    // Marks the report answered and logs it.
    void finish(bool accepted);

    bool m_done = false;
    RandomEventInterface* m_event = nullptr;
    // What the window shows beside its record, in writing order.
    std::vector<std::string> m_texts;
    std::unique_ptr<GuiWindow> m_window;
    GuiBase* m_confirmButton = nullptr;
    GuiBase* m_denyButton = nullptr;
    GuiTextBox* m_content = nullptr;
    bool m_denyHidden = false;

private:
    bool isTarget() const;
    void pollKeys();

    int m_slot = 0;
    // The keys as they were last frame: a key acts when it goes down, so
    // that one held key answers once.
    bool m_enterHeld = true;
    bool m_backspaceHeld = true;
    std::unique_ptr<HoverLabel> m_label;
};
