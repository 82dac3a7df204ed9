// The engine's own log file ("hge.log" in the game): one line per message,
// flushed at once. Tests can capture the lines instead of reading the file.
#pragma once

#include <string>
#include <vector>

namespace engine {

class EngineLog {
public:
    // Starts a fresh file (truncated); an empty name closes it.
    static void open(const std::string& fileName);
    static void close();
    static void write(const std::string& line);
    static void writef(const char* format, ...)
#if defined(__GNUC__)
        __attribute__((format(printf, 1, 2)))
#endif
        ;

    static void startCapture();
    static std::vector<std::string> stopCapture();
};

}  // namespace engine
