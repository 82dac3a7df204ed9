#pragma once
#include <memory>
#include <string>
#include <vector>

#include "engine/hgevector.h"
#include "gui/GuiButton.h"

class GuiWindow;
class RandomEventInterface;

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

protected:
    // Text A and text B with "$" replaced by the amount.
    std::string answerText(const std::string& text) const;
    // Hides the window and gives the flat its buttons back.
    void closeWindow();

    bool m_done = false;
    RandomEventInterface* m_event = nullptr;
    std::unique_ptr<GuiWindow> m_window;
};
