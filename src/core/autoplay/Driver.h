#pragma once

#include <memory>
#include <string>
#include <vector>

#include "core/autoplay/Hand.h"

namespace autoplay {

class Style;

// The player bot, switched on by FISCORA_AUTOPLAY=<style>: it feeds the
// engine pointer and key input each frame, decided by its style from what
// is on screen. FISCORA_AUTOPLAY_LEVEL picks the level (1 to 3),
// FISCORA_AUTOPLAY_MONTHS and FISCORA_AUTOPLAY_FRAMES stop it early,
// FISCORA_SEED seeds the random style, and with FISCORA_SHOTS set it takes a
// screenshot at the end of every month and of the game.
class Driver {
public:
    struct Settings {
        std::string style;  // empty: no bot
        int level = 1;
        int months = 0;  // 0: no limit
        int frames = 0;  // 0: no limit
        unsigned int seed = 0;
        bool shots = false;
    };
    // Reads the variables; a bad value is logged and replaced by its default.
    static Settings readEnvironment();
    // The style named `name`, or null when there is none of that name.
    static std::unique_ptr<Style> makeStyle(const Settings& settings);

    // Starts the bot when the environment asks for one.
    static void install();
    static void uninstall();

    Driver(const Settings& settings, std::unique_ptr<Style> style);
    ~Driver();
    // One frame of play: appends the input due at `frame`.
    void frame(int frame, std::vector<engine::AutopilotCommand>& out);
    int monthsPlayed() const { return m_months; }

private:
    void watchCalendar(int frame, std::vector<engine::AutopilotCommand>& out);
    void stop(const std::string& why);
    // A screenshot now, when FISCORA_SHOTS is set.
    void shot(int frame, const std::string& name, std::vector<engine::AutopilotCommand>& out) const;

    Settings m_settings;
    std::unique_ptr<Style> m_style;
    Hand m_hand;
    int m_months = 0;
    bool m_monthRunning = false;
    bool m_ended = false;  // the end screen is up
    bool m_stopped = false;
};

}  // namespace autoplay
