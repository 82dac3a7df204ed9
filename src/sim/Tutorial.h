#pragma once

#include <memory>
#include <string>

#include "core/Logic.h"

class GuiBase;
class GuiWindow;
class TiXmlElement;

// One explanatory window of "tutorials.xml". Run, it opens modal over the
// dark overlay with its confirm button held back for "tutorialForceDelay"
// seconds, so that nobody clicks it away unread. Closing it may start the
// next tutorial of its chain (`whenDoneTrigger`).
class Tutorial : public Logic {
public:
    // The tutorial keys; also the "id" names in "tutorials.xml" and the help
    // entries of the notice board.
    enum _enum {
        UNDEFINED,
        WELCOME,
        BUDGETA,
        BUDGETB,
        INSURANCE,
        STORES,
        EVENTS,
        SAVINGS,
        FURNITURE,
        GUI,
        STOCK,
        FUNDSA,
        FUNDSB,
        NOTICEBOARD,
        END
    };
    // "UNDEFINED" for 0 and for anything outside 0..NOTICEBOARD.
    static std::string toString(int key);
    // Exact, case-sensitive; any other text is UNDEFINED.
    static _enum fromString(const std::string& name);

    // `element` is the `tutorial` element; it belongs to the manager's reader.
    explicit Tutorial(TiXmlElement* element);
    ~Tutorial() override;

    // Opens the window (replacing the HUD's current tutorial window).
    void run();
    // Closes the window without following the chain (a new game, a test);
    // a tutorial it had hidden comes back.
    void close();

    // Counts the open time, enables the confirm button after the delay and
    // finishes the tutorial when it is pressed.
    void update(float dt) override;

    // The key of its "id" attribute.
    int getKey() const;
    bool hasBeenRun() const { return m_hasBeenRun; }
    bool isOpen() const { return m_window != nullptr; }
    // Open and not hidden behind a later tutorial.
    bool isShown() const;
    bool isConfirmEnabled() const { return m_confirmEnabled; }
    GuiWindow* getWindow() const { return m_window.get(); }
    // Null while closed.
    GuiBase* getConfirmButton() const { return m_confirm; }
    float getSeconds() const { return m_seconds; }
    TiXmlElement* getElement() const { return m_element; }

private:
    friend class TutorialManager;

    // Puts the open window on top, modal over the overlay; its delay starts
    // over. Also used when a later tutorial has finished.
    void show();
    // Out of sight and out of the pointer's way, while a later one is shown.
    void hide();
    void finish();
    void removeWindow();
    void enableConfirm(bool enabled);

    TiXmlElement* m_element = nullptr;
    bool m_hasBeenRun = false;
    std::unique_ptr<GuiWindow> m_window;
    float m_seconds = 0.0f;
    GuiBase* m_confirm = nullptr;
    bool m_confirmEnabled = false;
};
