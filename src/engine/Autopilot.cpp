#include "engine/Autopilot.h"

#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "engine/EngineLog.h"
#include "engine/KeyMap.h"
#include "engine/hge.h"

namespace {

ClickonResolver& resolverSlot() {
    static ClickonResolver resolver;
    return resolver;
}

std::string trim(const std::string& text) {
    size_t begin = 0;
    size_t end = text.size();
    while (begin < end && std::isspace(static_cast<unsigned char>(text[begin]))) {
        ++begin;
    }
    while (end > begin && std::isspace(static_cast<unsigned char>(text[end - 1]))) {
        --end;
    }
    return text.substr(begin, end - begin);
}

bool parseNumber(const std::string& token, float& value) {
    if (token.empty()) {
        return false;
    }
    char* end = nullptr;
    errno = 0;
    double v = std::strtod(token.c_str(), &end);
    if (errno != 0 || end != token.c_str() + token.size() || v != v) {
        return false;
    }
    value = static_cast<float>(v);
    return true;
}

bool parseFrame(const std::string& token, int& frame) {
    if (token.empty() || token.size() > 9) {
        return false;
    }
    for (char c : token) {
        if (!std::isdigit(static_cast<unsigned char>(c))) {
            return false;
        }
    }
    frame = std::atoi(token.c_str());
    return frame >= 1;
}

int mouseButton(const std::string& name) {
    if (name == "left")
        return HGEK_LBUTTON;
    if (name == "right")
        return HGEK_RBUTTON;
    if (name == "middle")
        return HGEK_MBUTTON;
    return 0;
}

engine::InputSource& sourceSlot() {
    static engine::InputSource source;
    return source;
}

}  // namespace

void hgeSetInputSource(engine::InputSource source) {
    sourceSlot() = std::move(source);
}

void hgeSetClickonResolver(ClickonResolver resolver) {
    resolverSlot() = std::move(resolver);
}

namespace engine {

const ClickonResolver& clickonResolver() {
    return resolverSlot();
}

const InputSource& inputSource() {
    return sourceSlot();
}

const char* AutopilotCommand::Type::toString(_enum type) {
    switch (type) {
        case MOVE:
            return "move";
        case PRESS:
            return "press";
        case RELEASE:
            return "release";
        case CLICK:
            return "click";
        case KEY:
            return "key";
        case CLICKON:
            return "clickon";
        case SHOT:
            return "shot";
        case QUIT:
            return "quit";
        default:
            return "UNDEFINED";
    }
}

AutopilotCommand::Type::_enum AutopilotCommand::Type::fromString(const std::string& text) {
    for (int t = MOVE; t <= QUIT; ++t) {
        if (text == toString(static_cast<_enum>(t))) {
            return static_cast<_enum>(t);
        }
    }
    return UNDEFINED;
}

bool Autopilot::load(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        EngineLog::write("Autopilot: can't read script " + path);
        return false;
    }
    std::ostringstream text;
    text << in.rdbuf();
    parse(text.str(), path);
    EngineLog::writef("Autopilot: %d commands from %s", static_cast<int>(m_commands.size()),
                      path.c_str());
    return true;
}

void Autopilot::parse(const std::string& text, const std::string& source) {
    std::istringstream in(text);
    std::string raw;
    int number = 0;
    while (std::getline(in, raw)) {
        ++number;
        std::string line = raw;
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        size_t hash = line.find('#');
        if (hash != std::string::npos) {
            line.erase(hash);
        }
        if (trim(line).empty()) {
            continue;
        }
        AutopilotCommand command;
        if (!parseLine(line, number, command)) {
            ++m_badLines;
            EngineLog::writef("Autopilot: ignoring bad line %d of %s: %s", number, source.c_str(),
                              trim(raw).c_str());
            continue;
        }
        m_commands.push_back(command);
        m_pending.emplace(command.frame, command);
    }
}

bool Autopilot::parseLine(const std::string& line, int number, AutopilotCommand& command) const {
    std::istringstream in(line);
    std::string frameToken;
    std::string word;
    in >> frameToken >> word;
    if (!parseFrame(frameToken, command.frame)) {
        return false;
    }
    command.line = number;
    command.type = AutopilotCommand::Type::fromString(word);
    std::vector<std::string> args;
    for (std::string token; in >> token;) {
        args.push_back(token);
    }

    using Type = AutopilotCommand::Type;
    switch (command.type) {
        case Type::MOVE:
        case Type::CLICK:
            return args.size() == 2 && parseNumber(args[0], command.x) &&
                   parseNumber(args[1], command.y);
        case Type::PRESS:
        case Type::RELEASE:
            if (args.size() > 1) {
                return false;
            }
            command.key = args.empty() ? HGEK_LBUTTON : mouseButton(args[0]);
            return command.key != 0;
        case Type::KEY:
            if (args.size() != 2 || (args[1] != "down" && args[1] != "up")) {
                return false;
            }
            command.key = virtualKeyFromScriptName(args[0]);
            command.down = args[1] == "down";
            return command.key != 0;
        case Type::CLICKON: {
            // The name is the rest of the line, inner blanks included.
            size_t at = line.find(word);
            command.name = trim(line.substr(at + word.size()));
            return !command.name.empty();
        }
        case Type::SHOT:
            // A bare file name: no folders, so a script cannot write elsewhere.
            if (args.size() != 1 || args[0].find('/') != std::string::npos ||
                args[0].find('\\') != std::string::npos || args[0] == "." || args[0] == "..") {
                return false;
            }
            command.name = args[0];
            return true;
        case Type::QUIT:
            return args.empty();
        default:
            return false;
    }
}

std::vector<AutopilotCommand> Autopilot::takeFrame(int frame) {
    std::vector<AutopilotCommand> due;
    for (auto* queue : {&m_scheduled, &m_pending}) {
        auto range = queue->equal_range(frame);
        for (auto it = range.first; it != range.second; ++it) {
            due.push_back(it->second);
        }
        queue->erase(range.first, range.second);
    }
    return due;
}

void Autopilot::schedule(const AutopilotCommand& command) {
    m_scheduled.emplace(command.frame, command);
}

}  // namespace engine
