#include "core/Log.h"

Log::Log() : m_file("log.log", std::ios::out | std::ios::trunc) {}

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
