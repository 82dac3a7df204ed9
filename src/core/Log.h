#pragma once

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "core/Singleton.h"

// The game's log, "log.log" in the working folder. Every line reads
// "<tag>[<Class::method>]\t\t<message>" and is flushed as soon as it ends, so
// the file holds only complete lines even after a crash.
//
//     Log::info("Engine::init") << "Create hge";
//     Log::warning("ZDepth::getZ") << "no depth found with name " << name;
class Log : public Singleton<Log> {
public:
    enum class Level { Info, Warning, Error, Debug };

    // Collects one line and ends it when it goes away. Each line has its own
    // buffer, so a message piece whose computation logs cannot mix two lines.
    class Line {
    public:
        Line(Log& log, Level level, const std::string& context);
        Line(Line&& other) noexcept;
        Line(const Line&) = delete;
        Line& operator=(const Line&) = delete;
        ~Line();
        template <class V>
        Line& operator<<(const V& value) {
            m_buffer << value;
            return *this;
        }

    private:
        Log* m_log;
        std::ostringstream m_buffer;
    };

    Log();

    static Line info(const std::string& context) { return begin(Level::Info, context); }
    static Line warning(const std::string& context) { return begin(Level::Warning, context); }
    static Line error(const std::string& context) { return begin(Level::Error, context); }
    static Line debug(const std::string& context) { return begin(Level::Debug, context); }
    static Line begin(Level level, const std::string& context);

    static const char* tag(Level level);

    // Writes one finished line to the file, appends a newline and flushes.
    void endLine(const std::string& text);

    // Tests and tools: every line ended while capturing is also kept here.
    void startCapture();
    std::vector<std::string> stopCapture();
    const std::vector<std::string>& captured() const { return m_captured; }
    bool capturing() const { return m_capturing; }

private:
    std::ofstream m_file;
    bool m_capturing = false;
    std::vector<std::string> m_captured;
};
