#pragma once

#include <map>
#include <memory>
#include <string>

#include "core/Logic.h"
#include "core/Singleton.h"
#include "engine/hgevector.h"

class GuiBase;
class GuiWindow;
class InteractionalObject;
class Sprite;
class TiXmlElement;
class XmlReader;

// The game's message and question windows. Each text of "info.xml" has a key;
// show() opens it as a modal window over a dark overlay, with a close button
// and, for a question, a yes and a no button. Callers poll the answer of their
// own key and reset it to NO_ANSWER once they have acted on it.
class InfoManager : public Logic, public Singleton<InfoManager> {
    friend class Singleton<InfoManager>;

public:
    struct Info {
        std::string name;
        std::string description;
    };

    // The answer of the current message.
    static constexpr int CONFIRMED = 0;
    static constexpr int DENIED = 1;
    static constexpr int NO_ANSWER = 3;

    // A plain message (close button only) and a yes/no question.
    static constexpr int MESSAGE = 1;
    static constexpr int QUESTION = 2;

    // Reads the window placement and every text of `file`, replacing what was
    // loaded before.
    void load(const std::string& file);
    bool isLoaded() const { return !m_infos.empty(); }
    // Null when there is no text under `name`.
    const Info* find(const std::string& name) const;
    const std::map<std::string, Info>& getInfos() const { return m_infos; }

    // Opens the text `name` (replacing an open one); it becomes the current
    // message with no answer. `position` and `size` place the window; (0, 0)
    // takes the placement of "info.xml".
    void show(const std::string& name, int mode, const hgeVector& position,
              const hgeVector& size = hgeVector(0, 0));
    // Closes the open window, if any; the answer stays.
    void close();
    bool isOpen() const { return m_window != nullptr; }
    GuiWindow* getWindow() const { return m_window.get(); }

    // The close, yes and no buttons answer here.
    void update(float dt) override;

    const std::string& getCurrentName() const { return m_current; }
    int getAnswer() const { return m_answer; }
    void setAnswer(int answer) { m_answer = answer; }
    // The answer when `name` is the current message, else NO_ANSWER.
    int getAnswer(const std::string& name) const;

    // The shared dark overlay, drawn over the whole screen just behind a
    // window at `windowDepth` (and behind its frame).
    void showOverlay(float windowDepth);
    void hideOverlay();
    bool isOverlayShown() const;
    float getOverlayDepth() const;
    static constexpr unsigned int OVERLAY_COLOR = 0x90000000u;

    const hgeVector& getPosition() const { return m_position; }
    const hgeVector& getSize() const { return m_size; }
    const hgeVector& getButtonPosition() const { return m_buttonPosition; }

private:
    InfoManager();
    ~InfoManager() override;

    // The window record for one message, made from gui.xml's "Info Window".
    std::unique_ptr<TiXmlElement> compose(const TiXmlElement& record, const Info& info, int mode,
                                          const hgeVector& position, const hgeVector& size) const;
    Sprite* overlay();

    std::map<std::string, Info> m_infos;
    std::unique_ptr<XmlReader> m_reader;
    hgeVector m_position{150, 70};
    hgeVector m_size{500, 250};
    hgeVector m_buttonPosition{120, 64};

    std::unique_ptr<GuiWindow> m_window;
    GuiBase* m_exitButton = nullptr;
    GuiBase* m_confirmButton = nullptr;
    GuiBase* m_denyButton = nullptr;
    std::string m_current;
    int m_answer = NO_ANSWER;

    // What the pointer focus and the overlay were before the window opened.
    InteractionalObject* m_previousFocus = nullptr;
    bool m_overlayWasShown = false;
    float m_overlayWasDepth = 0.0f;
    std::unique_ptr<Sprite> m_overlay;
};
