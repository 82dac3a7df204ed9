#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "core/Singleton.h"
#include "sim/Tutorial.h"

class InteractionalObject;
class TiXmlElement;
class XmlReader;

// The tutorials of the chosen difficulty (a `period` of "tutorials.xml").
// Callers ask for a tutorial by key; the first request opens it, later ones
// are skipped unless the notice board replays it.
class TutorialManager : public Singleton<TutorialManager> {
    friend class Singleton<TutorialManager>;

public:
    // Picks the period whose "id" is `id` and builds its tutorials afresh;
    // every has-been-run mark starts over.
    void setDifficulty(const std::string& id);
    // Null (and an error line) for a key that the period does not hold.
    Tutorial* getTutorial(int key);
    // Opens the tutorial even when it has run before.
    void runTutorial(int key);
    void runIfHasntBeenRun(int key);
    // True once the tutorial of `key` exists and has run.
    bool hasRun(int key) const;
    // True while any tutorial window is open.
    bool isAnyOpen() const;
    // The open tutorials, the shown one last; the others wait hidden.
    const std::vector<Tutorial*>& getOpen() const { return m_open; }
    // Closes every open tutorial without following their chains.
    void closeAll();

    bool isEnabled() const { return m_enabled; }
    const std::map<int, std::unique_ptr<Tutorial>>& getTutorials() const { return m_tutorials; }

private:
    friend class Tutorial;

    TutorialManager();
    ~TutorialManager() override;

    void parseActivePeriod();
    // The tutorial about to open goes on top; the shown one is hidden.
    void opening(Tutorial* tutorial);
    void closed(Tutorial* tutorial, bool resume = true);
    // The tutorial below comes back; with none left the screen gets back the
    // pointer focus and the overlay it had before the first one opened.
    void resumeTop();

    std::unique_ptr<XmlReader> m_reader;
    TiXmlElement* m_period = nullptr;
    std::map<int, std::unique_ptr<Tutorial>> m_tutorials;
    bool m_enabled = true;

    std::vector<Tutorial*> m_open;
    bool m_saved = false;
    InteractionalObject* m_previousFocus = nullptr;
    bool m_overlayWasShown = false;
    float m_overlayWasDepth = 0.0f;
    // Where the tutorials put the overlay, to tell it from someone else's.
    float m_overlayDepth = 0.0f;
    float m_overlayBelow = 0.0f;
};
