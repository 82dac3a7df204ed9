#pragma once

#include <memory>
#include <vector>

#include "sim/FiscoraFlags.h"
#include "sim/StatisticType.h"

class TiXmlElement;

// The conditions of "achievements.xml": a flag held for some months, a set of
// flags, a statistic above or below a bound, or nothing at all.
namespace AchievementCheck {

class Interface {
public:
    virtual ~Interface() = default;
    virtual bool check() = 0;
};

// `flagRaisedDuringTime` / `flagLoweredDuringTime`: the flag in the wanted
// state for at least `months` month changes.
class FlagDuringTime : public Interface {
public:
    explicit FlagDuringTime(TiXmlElement* element);
    bool check() override;

private:
    FiscoraFlags::_enum m_flag = FiscoraFlags::UNDEFINED;
    bool m_raised = true;
    int m_months = 0;
};

// `needFlags`: every listed flag raised.
class NeedFlags : public Interface {
public:
    explicit NeedFlags(TiXmlElement* element);
    bool check() override;
    const std::vector<FiscoraFlags::_enum>& getFlags() const { return m_flags; }

private:
    std::vector<FiscoraFlags::_enum> m_flags;
};

// `stat`: a statistic at least or at most a bound (the bound included).
class Stat : public Interface {
public:
    Stat(StatisticType::_enum statistic, int bound, bool atLeast);
    bool check() override;

private:
    StatisticType::_enum m_statistic;
    int m_bound;
    bool m_atLeast;
};

class AlwaysTrue : public Interface {
public:
    bool check() override { return true; }
};

// The condition of `element` by its name; null (and an error line) for an
// unknown element or a `stat` without a bound.
std::unique_ptr<Interface> factory(TiXmlElement* element);

}  // namespace AchievementCheck
