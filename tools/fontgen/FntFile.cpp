#include "FntFile.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <fstream>
#include <sstream>

namespace fontgen {

bool FntFile::write(const std::string& path, const std::string& bitmap,
                    const std::vector<Glyph>& glyphs, const std::vector<Placement>& placed) {
    std::ofstream out(path, std::ios::binary);
    if (!out) {
        std::fprintf(stderr, "fontgen: cannot write %s\n", path.c_str());
        return false;
    }
    out << "[HGEFONT]\n\nBitmap=" << bitmap << "\n\n";
    for (size_t i = 0; i < glyphs.size(); ++i) {
        char line[96];
        std::snprintf(line, sizeof line, "Char=%02X,%d,%d,%d,%d,%d,%d\n", glyphs[i].byte,
                      placed[i].x, placed[i].y, glyphs[i].width, glyphs[i].height, glyphs[i].pre,
                      glyphs[i].post);
        out << line;
    }
    return static_cast<bool>(out);
}

bool FntFile::read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return false;
    }
    std::stringstream buffer;
    buffer << in.rdbuf();
    std::string text = buffer.str();
    for (char& ch : text) {
        if (ch == '\r') {
            ch = '\n';
        }
    }
    std::istringstream lines(text);
    std::string line;
    bool first = true;
    while (std::getline(lines, line)) {
        if (first) {
            if (line != "[HGEFONT]") {
                return false;
            }
            first = false;
            continue;
        }
        char name[256];
        if (std::sscanf(line.c_str(), " Bitmap = %255s", name) == 1) {
            bitmap = name;
            continue;
        }
        const size_t eq = line.find('=');
        if (line.compare(0, 4, "Char") != 0 || eq == std::string::npos) {
            continue;
        }
        size_t pos = line.find_first_not_of(' ', eq + 1);
        if (pos == std::string::npos) {
            continue;
        }
        unsigned code = 0;
        if (line[pos] == '"') {
            if (pos + 2 >= line.size() || line[pos + 2] != '"') {
                continue;
            }
            code = static_cast<unsigned char>(line[pos + 1]);
            pos += 3;
        } else {
            size_t end = pos;
            while (end < line.size() && std::isxdigit(static_cast<unsigned char>(line[end]))) {
                ++end;
            }
            if (end == pos) {
                continue;
            }
            code = static_cast<unsigned>(std::stoul(line.substr(pos, end - pos), nullptr, 16));
            pos = end;
        }
        if (code > 0xFF) {
            continue;
        }
        FntGlyph g;
        if (std::sscanf(line.c_str() + pos, " , %d , %d , %d , %d , %d , %d", &g.x, &g.y, &g.w,
                        &g.h, &g.a, &g.c) != 6) {
            continue;
        }
        g.defined = true;
        glyphs[code] = g;
        height = std::max(height, g.h);
    }
    return !first;
}

}  // namespace fontgen
