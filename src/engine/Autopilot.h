// Scripted input for headless runs (FISCORA_AUTOPILOT): one command a line,
// "<frame> <command> ...", applied at the start of that frame as if the user
// had moved the pointer, pressed a button or a key.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

// The engine cannot know the game's widgets, so "clickon <name>" asks this
// resolver for the centre of the widget with that name. It returns false when
// there is none; the click is then skipped with a warning in the engine log.
using ClickonResolver = std::function<bool(const std::string& name, float& x, float& y)>;
void hgeSetClickonResolver(ClickonResolver resolver);

namespace engine {

const ClickonResolver& clickonResolver();

struct AutopilotCommand {
    struct Type {
        enum _enum { UNDEFINED, MOVE, PRESS, RELEASE, CLICK, KEY, CLICKON, SHOT, QUIT };
        static const char* toString(_enum type);
        static _enum fromString(const std::string& text);
    };

    int frame = 0;
    Type::_enum type = Type::UNDEFINED;
    float x = 0;
    float y = 0;
    int key = 0;        // virtual key of KEY, PRESS and RELEASE (mouse buttons 1, 2, 4)
    bool down = false;  // KEY: down or up
    std::string name;   // CLICKON widget name, SHOT file name without ".png"
    int line = 0;       // line number in the script, for messages
};

class Autopilot {
public:
    // Reads and parses the script file; false (and a log line) when unreadable.
    bool load(const std::string& path);
    // Parses script text; bad lines are logged with their number and skipped.
    void parse(const std::string& text, const std::string& source = "script");

    const std::vector<AutopilotCommand>& commands() const { return m_commands; }
    int badLines() const { return m_badLines; }

    // The commands due at the start of `frame`, in script order, after those
    // scheduled for it (such as the release half of a click).
    std::vector<AutopilotCommand> takeFrame(int frame);
    void schedule(const AutopilotCommand& command);

private:
    bool parseLine(const std::string& line, int number, AutopilotCommand& command) const;

    std::vector<AutopilotCommand> m_commands;
    std::multimap<int, AutopilotCommand> m_pending;
    std::multimap<int, AutopilotCommand> m_scheduled;
    int m_badLines = 0;
};

// Input made by the program itself each frame (a player bot): the commands
// it appends to `out` are applied at the start of `frame` exactly as script
// commands due then, after them. An empty function removes the source.
using InputSource = std::function<void(int frame, std::vector<AutopilotCommand>& out)>;
const InputSource& inputSource();

}  // namespace engine

void hgeSetInputSource(engine::InputSource source);
