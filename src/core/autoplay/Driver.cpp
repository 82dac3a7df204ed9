#include "core/autoplay/Driver.h"

#include <cstdlib>

#include "core/Log.h"
#include "core/Money.h"
#include "core/autoplay/Careful.h"
#include "core/autoplay/RandomStyle.h"
#include "core/autoplay/Spender.h"
#include "home/MainGui.h"
#include "home/Portfolio.h"
#include "sim/DateManager.h"

namespace autoplay {

namespace {

const char* const CONTEXT = "Autoplay";

std::unique_ptr<Driver>& running() {
    static std::unique_ptr<Driver> driver;
    return driver;
}

// A whole number from `low` up, or `fallback` (logged when set but bad).
int readNumber(const char* variable, int low, int high, int fallback) {
    const char* text = std::getenv(variable);
    if (!text || !*text) {
        return fallback;
    }
    char* end = nullptr;
    const long value = std::strtol(text, &end, 10);
    if (*end || value < low || value > high) {
        Log::warning(CONTEXT) << variable << "=" << text << " is not a number from " << low
                              << " to " << high << ", using " << fallback;
        return fallback;
    }
    return static_cast<int>(value);
}

}  // namespace

Driver::Settings Driver::readEnvironment() {
    Settings settings;
    const char* style = std::getenv("FISCORA_AUTOPLAY");
    settings.style = style ? style : "";
    settings.level = readNumber("FISCORA_AUTOPLAY_LEVEL", 1, 3, 1);
    settings.months = readNumber("FISCORA_AUTOPLAY_MONTHS", 1, 1000000, 0);
    settings.frames = readNumber("FISCORA_AUTOPLAY_FRAMES", 1, 1000000000, 0);
    const char* seed = std::getenv("FISCORA_SEED");
    settings.seed = seed ? static_cast<unsigned int>(std::strtoul(seed, nullptr, 10)) : 0;
    const char* shots = std::getenv("FISCORA_SHOTS");
    settings.shots = shots && *shots;
    return settings;
}

std::unique_ptr<Style> Driver::makeStyle(const Settings& settings) {
    if (settings.style == "careful") {
        return std::make_unique<Careful>(settings.level);
    }
    if (settings.style == "spender") {
        return std::make_unique<Spender>(settings.level);
    }
    if (settings.style == "random") {
        return std::make_unique<RandomStyle>(settings.seed);
    }
    return nullptr;
}

void Driver::install() {
    const Settings settings = readEnvironment();
    if (settings.style.empty()) {
        return;
    }
    std::unique_ptr<Style> style = makeStyle(settings);
    if (!style) {
        Log::warning(CONTEXT) << "unknown style " << settings.style << ", no bot plays";
        return;
    }
    Log::info(CONTEXT) << "the " << style->name() << " bot plays level " << settings.level
                       << ", seed " << settings.seed;
    running() = std::make_unique<Driver>(settings, std::move(style));
    hgeSetInputSource([](int frame, std::vector<engine::AutopilotCommand>& out) {
        if (running()) {
            running()->frame(frame, out);
        }
    });
}

void Driver::uninstall() {
    hgeSetInputSource(nullptr);
    running().reset();
}

Driver::Driver(const Settings& settings, std::unique_ptr<Style> style)
    : m_settings(settings), m_style(std::move(style)) {}

Driver::~Driver() = default;

void Driver::stop(const std::string& why) {
    Log::info(CONTEXT) << "stops: " << why;
    m_hand = Hand();
    // A frame more, so that a screenshot asked for now is still taken.
    m_hand.wait(1);
    m_hand.quit();
    m_stopped = true;
}

void Driver::shot(int frame, const std::string& name,
                  std::vector<engine::AutopilotCommand>& out) const {
    if (m_settings.shots) {
        // At once, before the hand reaches for what the screen shows.
        engine::AutopilotCommand shot;
        shot.frame = frame;
        shot.type = engine::AutopilotCommand::Type::SHOT;
        shot.name = name;
        out.push_back(shot);
    }
}

void Driver::watchCalendar(int frame, std::vector<engine::AutopilotCommand>& out) {
    const bool ended = MainGui::exists() && MainGui::instance()->getEndGui();
    if (ended && !m_ended) {
        shot(frame, "autoplay_end", out);
    }
    m_ended = ended;
    const bool running = DateManager::exists() && DateManager::instance()->getStopDate();
    if (m_monthRunning && !running) {
        ++m_months;
        const int cash = Portfolio::exists() ? Portfolio::instance()->getCash() : 0;
        Log::info(CONTEXT) << "month " << m_months << " over at frame " << frame << ", cash "
                           << money::kr(cash);
        shot(frame, "autoplay_month" + std::to_string(m_months), out);
        if (m_settings.months > 0 && m_months >= m_settings.months) {
            stop(std::to_string(m_months) + " months played");
        }
    }
    m_monthRunning = running;
}

void Driver::frame(int frame, std::vector<engine::AutopilotCommand>& out) {
    if (!m_stopped) {
        watchCalendar(frame, out);
    }
    if (!m_stopped && m_settings.frames > 0 && frame >= m_settings.frames) {
        stop(std::to_string(frame) + " frames played");
    }
    if (!m_stopped && !m_hand.isBusy()) {
        m_style->decide(m_hand);
    }
    m_hand.take(frame, out);
}

}  // namespace autoplay
