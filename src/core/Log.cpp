#include "core/Log.h"

#include "core/UserFolders.h"

// "log.log" in the working folder; a game started from a menu, where that is
// not ours to write, logs to the user's state folder and says so first.
Log::Log() : m_file(userfolders::logPath("log.log"), std::ios::out | std::ios::trunc) {
    if (!userfolders::logFolder().empty()) {
        endLine(std::string(tag(Level::Info)) + "[Log::Log]\t\tlogging to " +
                userfolders::logFolder());
    }
}

const char* Log::tag(Level level) {
    switch (level) {
        case Level::Info:
            return "[II] ";
        case Level::Warning:
            return "[WW] ";
        case Level::Error:
            return "[EE] ";
        case Level::Debug:
            return "[DD] ";
    }
    return "[II] ";
}

Log::Line::Line(Log& log, Level level, const std::string& context) : m_log(&log) {
    m_buffer << tag(level) << '[' << context << "]\t\t";
}

Log::Line::Line(Line&& other) noexcept : m_log(other.m_log), m_buffer(std::move(other.m_buffer)) {
    other.m_log = nullptr;
}

Log::Line::~Line() {
    if (m_log) {
        m_log->endLine(m_buffer.str());
    }
}

Log::Line Log::begin(Level level, const std::string& context) {
    return Line(*instance(), level, context);
}

void Log::endLine(const std::string& text) {
    if (m_file.is_open()) {
        m_file << text << '\n';
        m_file.flush();
    }
    if (m_capturing) {
        m_captured.push_back(text);
    }
}

void Log::startCapture() {
    m_captured.clear();
    m_capturing = true;
}

std::vector<std::string> Log::stopCapture() {
    m_capturing = false;
    std::vector<std::string> lines;
    lines.swap(m_captured);
    return lines;
}
