#pragma once

#include <map>
#include <memory>
#include <string>

#include "core/Singleton.h"
#include "sim/Tutorial.h"

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

    bool isEnabled() const { return m_enabled; }
    const std::map<int, std::unique_ptr<Tutorial>>& getTutorials() const { return m_tutorials; }

private:
    TutorialManager();
    ~TutorialManager() override;

    void parseActivePeriod();

    std::unique_ptr<XmlReader> m_reader;
    TiXmlElement* m_period = nullptr;
    std::map<int, std::unique_ptr<Tutorial>> m_tutorials;
    bool m_enabled = true;
};
