#pragma once

#include "core/Singleton.h"

// The level chosen for the running game: 1 (beginner) to 3, 0 before the
// first game starts. Tutorials, shops, the calendar and the end screen read it.
class DifficultyLevel : public Singleton<DifficultyLevel> {
    friend class Singleton<DifficultyLevel>;

public:
    int get() const { return m_level; }
    void set(int level) { m_level = level; }
    // Shorthand for instance()->get().
    static int value() { return instance()->get(); }

private:
    DifficultyLevel() = default;
    ~DifficultyLevel() override = default;

    int m_level = 0;
};
