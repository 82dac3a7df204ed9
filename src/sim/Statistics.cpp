#include "sim/Statistics.h"

#include <cmath>
#include <limits>
#include <sstream>

#include "core/Engine.h"
#include "core/Log.h"
#include "engine/hge.h"
#include "resource/ConstantManager.h"
#include "resource/Text.h"

namespace {

const char* const PATH = "/brumsala/spel/kvistara/statistik/?";
// Beside the lines of the flags.
const float TEXT_X = 200.0f;

// Toward zero; a figure beyond the 32-bit range is held at its edge rather
// than left to an undefined conversion.
int truncated(double value) {
    if (std::isnan(value)) {
        return 0;
    }
    const double whole = std::trunc(value);
    if (whole >= std::numeric_limits<int>::max()) {
        return std::numeric_limits<int>::max();
    }
    if (whole <= std::numeric_limits<int>::min()) {
        return std::numeric_limits<int>::min();
    }
    return static_cast<int>(whole);
}

}  // namespace

Statistics::Statistics() {
    if (DebugDraw::Renderer::instance()->isEnabled()) {
        const float lineHeight = Text("font.fnt", "X").getHeight();
        for (int type = StatisticType::UNDEFINED; type <= StatisticType::END; ++type) {
            auto text = std::make_unique<StatText>(hgeVector(TEXT_X, type * lineHeight));
            text->setText(StatisticType::toString(type));
            DebugDraw::Group::add(text.get());
            m_texts.push_back(std::move(text));
        }
    }
    reset();
}

Statistics::~Statistics() = default;

void Statistics::reset() {
    Log::info("Statistics::reset") << "reseting statistics";
    for (int type = StatisticType::UNDEFINED; type <= StatisticType::END; ++type) {
        set(static_cast<StatisticType::_enum>(type), 0.0);
    }
}

void Statistics::set(StatisticType::_enum type, double value) {
    m_values[type] = value;
    if (type >= 0 && type < static_cast<int>(m_texts.size())) {
        std::ostringstream text;
        text << StatisticType::toString(type) << " = " << value;
        m_texts[type]->setText(text.str());
    }
}

double Statistics::get(StatisticType::_enum type) const {
    return m_values.exists(type) ? m_values.at(type) : 0.0;
}

int Statistics::getGameRand() const {
    using T = StatisticType;
    return truncated(get(T::FURNITURE_VALUE) + get(T::PLAY_TIME) + get(T::FUNDS_CASH) +
                     get(T::PERIOD) - get(T::FUNDS_ACCOUNT));
}

std::string Statistics::getAddress() const {
    std::ostringstream address;
    address << ConstantManager::instance()->getString("statisticsHost") << PATH;
    for (int type = StatisticType::FURNITURE_VALUE; type < StatisticType::END; ++type) {
        address << StatisticType::toString(type) << "="
                << truncated(get(static_cast<StatisticType::_enum>(type))) << "&";
    }
    address << "GAME_RAND=" << getGameRand() << "&VERSION=" << 4 << '.' << 1 << '.' << 7;
    return address.str();
}

void Statistics::uploadToNorvale() {
    const char* context = "Statistics::uploadToNorvale";
    Log::info(context) << "reporting statistics";
    const std::string address = getAddress();
    Log::debug(context) << address;
    std::ostringstream figures;
    figures << "\n\t";
    for (int type = StatisticType::FURNITURE_VALUE; type < StatisticType::END; ++type) {
        figures << StatisticType::toString(type) << " = "
                << truncated(get(static_cast<StatisticType::_enum>(type))) << "\n\t";
    }
    figures << "GAME_RAND =" << getGameRand();
    Log::debug(context) << figures.str();

    if (ConstantManager::instance()->getString("statisticsHost").empty()) {
        Log::info(context) << "no statistics host, not opening the address";
        return;
    }
    HGE* hge = Engine::exists() ? Engine::instance()->getHge() : nullptr;
    if (hge) {
        hge->System_Launch(address.c_str());
    }
}
