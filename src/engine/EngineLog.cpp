#include "engine/EngineLog.h"

#include <cstdarg>
#include <cstdio>
#include <fstream>

namespace engine {

namespace {

struct LogState {
    std::ofstream file;
    bool capturing = false;
    std::vector<std::string> captured;
};

LogState& state() {
    static LogState s;
    return s;
}

}  // namespace

void EngineLog::open(const std::string& fileName) {
    LogState& s = state();
    if (s.file.is_open()) {
        s.file.close();
    }
    if (!fileName.empty()) {
        s.file.open(fileName, std::ios::out | std::ios::trunc);
    }
}

void EngineLog::close() {
    state().file.close();
}

void EngineLog::write(const std::string& line) {
    LogState& s = state();
    if (s.capturing) {
        s.captured.push_back(line);
    }
    if (s.file.is_open()) {
        s.file << line << '\n';
        s.file.flush();
    }
}

void EngineLog::writef(const char* format, ...) {
    char buffer[1024];
    va_list args;
    va_start(args, format);
    int n = std::vsnprintf(buffer, sizeof buffer, format, args);
    va_end(args);
    if (n < 0) {
        return;
    }
    if (static_cast<size_t>(n) < sizeof buffer) {
        write(buffer);
        return;
    }
    // Longer than the stack buffer: format again into one that fits.
    std::string big(static_cast<size_t>(n) + 1, '\0');
    va_start(args, format);
    std::vsnprintf(&big[0], big.size(), format, args);
    va_end(args);
    big.resize(static_cast<size_t>(n));
    write(big);
}

void EngineLog::startCapture() {
    state().capturing = true;
    state().captured.clear();
}

std::vector<std::string> EngineLog::stopCapture() {
    LogState& s = state();
    s.capturing = false;
    std::vector<std::string> lines;
    lines.swap(s.captured);
    return lines;
}

}  // namespace engine
