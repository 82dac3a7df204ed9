#pragma once

#include <map>
#include <memory>
#include <vector>

#include "core/DebugDraw.h"
#include "core/Logic.h"
#include "core/Singleton.h"
#include "sim/FactorSystem.h"
#include "sim/FiscoraFlags.h"
#include "sim/TimeListener.h"

// Every yes/no fact of the running game, with a month counter per flag: the
// month changes since the flag was last raised or lowered. A new game lowers
// everything and raises the start set of its level from "flags.xml".
class FlagSystem : public DebugDraw::Group,
                   public TimeListener,
                   public Logic,
                   public Singleton<FlagSystem> {
    friend class Singleton<FlagSystem>;

public:
    // One flag's line in the debug overlay (F3): green raised, red lowered.
    class FlagText : public DebugDraw::DebugText {
    public:
        using DebugDraw::DebugText::DebugText;
        int key() override { return 0x72; }
        unsigned int color() override { return m_color; }
        void setColor(unsigned int color) { m_color = color; }

    private:
        unsigned int m_color = 0xFFFFFFFF;
    };

    // A raised flag keeps its counter; a newly raised one starts at 0.
    void raise(FiscoraFlags::_enum flag);
    // Only a raised flag is lowered (and its counter restarted).
    void lower(FiscoraFlags::_enum flag);
    // False, with a warning, for a flag outside the store.
    bool isRaised(FiscoraFlags::_enum flag) const;
    // Made as 0 on first use.
    int& monthCounter(FiscoraFlags::_enum flag);

    // Lowers every flag.
    void reset();
    // A new game: every flag lowered, then the start set of `level`.
    void load(int level);
    // The same for the chosen difficulty level.
    void load();

    void monthChanged(const Date& date) override;
    void update(float) override { poll(); }
    int key() override { return 0x72; }

private:
    FlagSystem();
    ~FlagSystem() override;

    void colorText(FiscoraFlags::_enum flag, unsigned int color);

    FactorSystem<FiscoraFlags::_enum, bool> m_flags{
        "FactorSystem<enum FiscoraFlags::_enum,bool>::exists"};
    std::map<int, int> m_monthCounters;
    std::vector<std::unique_ptr<FlagText>> m_texts;
};
