#pragma once

#include <map>
#include <string>

// The named drawing depths of "zdepth.xml" (higher is drawn on top and wins
// the pointer).
class ZDepth {
public:
    static void readFile();
    static float getZ(const std::string& name);
    static void clear();  // forget every level (tests)

private:
    static std::map<std::string, float>& levels();
};
