#pragma once

#include <memory>
#include <string>
#include <vector>

#include "core/Logic.h"
#include "core/Singleton.h"
#include "sim/Achievement.h"
#include "sim/TimeListener.h"

class XmlReader;

// The achievements of "achievements.xml", checked once a month at level 3:
// the first one met (in file order) completes, at most one a month.
class AchievementManager : public Singleton<AchievementManager>, public TimeListener, public Logic {
    friend class Singleton<AchievementManager>;

public:
    // Null (and a warning) when no achievement has that id.
    Achievement* getAchievement(int id) const;
    const std::vector<std::unique_ptr<Achievement>>& getAchievements() const {
        return m_achievements;
    }
    bool isEnabled() const { return m_enabled; }
    // A new game: every achievement open again.
    void reset();

    void monthChanged(const Date& date) override;
    void update(float dt) override;

private:
    AchievementManager();
    ~AchievementManager() override;

    std::unique_ptr<XmlReader> m_reader;
    std::vector<std::unique_ptr<Achievement>> m_achievements;
    bool m_enabled = false;
};
