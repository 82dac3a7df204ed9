#include "engine/hgefont.h"

#include <cctype>
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>
#include <vector>

#include "engine/hgesprite.h"

namespace {

struct Glyph {
    int code;
    int x, y, w, h, pre, post;
};

bool readFile(const std::string& path, std::string& text) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return false;
    }
    std::ostringstream buffer;
    buffer << in.rdbuf();
    text = buffer.str();
    return true;
}

std::vector<std::string> splitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::string line;
    for (size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c == '\r' || c == '\n') {
            lines.push_back(line);
            line.clear();
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
                ++i;
            }
        } else {
            line += c;
        }
    }
    if (!line.empty()) {
        lines.push_back(line);
    }
    return lines;
}

// "Char" ... "=" then "X" in quotes or a hex code, then six integers.
bool parseGlyph(const std::string& line, Glyph& glyph) {
    size_t eq = line.find('=');
    if (eq == std::string::npos) {
        return false;
    }
    const char* p = line.c_str() + eq + 1;
    while (*p == ' ') {
        ++p;
    }
    if (*p == '"') {
        if (p[1] == '\0' || p[2] != '"') {
            return false;
        }
        glyph.code = static_cast<unsigned char>(p[1]);
        p += 3;
    } else {
        if (!std::isxdigit(static_cast<unsigned char>(*p))) {
            return false;
        }
        long code = 0;
        while (std::isxdigit(static_cast<unsigned char>(*p))) {
            int digit = std::isdigit(static_cast<unsigned char>(*p))
                            ? *p - '0'
                            : std::tolower(static_cast<unsigned char>(*p)) - 'a' + 10;
            code = code * 16 + digit;
            if (code > 0xFF) {
                return false;
            }
            ++p;
        }
        glyph.code = static_cast<int>(code);
    }
    // A line with fewer than six numbers has no glyph to give.
    if (std::sscanf(p, " , %d , %d , %d , %d , %d , %d", &glyph.x, &glyph.y, &glyph.w, &glyph.h,
                    &glyph.pre, &glyph.post) != 6) {
        return false;
    }
    return glyph.w >= 0 && glyph.h >= 0;
}

}  // namespace

hgeFont::hgeFont(const char* desc, bool mipmap, bool fromFile, uint32_t size, HTEXTURE tex,
                 const char* name)
    : m_hge(hgeCreate(HGE_VERSION)) {
    if (!desc) {
        m_hge->System_Log("Font description missing");
        return;
    }
    if (fromFile) {
        std::string text;
        if (!readFile(desc, text)) {
            m_hge->System_Log("Can't load font description %s", desc);
            return;
        }
        std::string path = desc;
        size_t slash = path.find_last_of("/\\");
        std::string folder = slash == std::string::npos ? "" : path.substr(0, slash + 1);
        parse(text, path, folder, true, mipmap);
    } else {
        m_texture = tex;
        std::string text(desc, size ? size : std::strlen(desc));
        parse(text, name ? name : "(memory)", "", false, mipmap);
    }
}

hgeFont::~hgeFont() {
    for (hgeSprite*& letter : m_letters) {
        delete letter;
        letter = nullptr;
    }
    if (m_ownsTexture && m_texture) {
        m_hge->Texture_Free(m_texture);
    }
    m_hge->Release();
}

bool hgeFont::loadBitmap(const std::string& path, bool mipmap) {
    std::string bytes;
    if (!readFile(path, bytes) || bytes.empty()) {
        m_hge->System_Log("Font bitmap %s can't be read", path.c_str());
        return false;
    }
    HTEXTURE tex = m_hge->Texture_Load(bytes.data(), static_cast<uint32_t>(bytes.size()), mipmap);
    if (!tex) {
        return false;
    }
    if (m_ownsTexture && m_texture) {
        m_hge->Texture_Free(m_texture);
    }
    m_texture = tex;
    m_ownsTexture = true;
    return true;
}

void hgeFont::parse(const std::string& text, const std::string& name, const std::string& folder,
                    bool readBitmap, bool mipmap) {
    std::vector<std::string> lines = splitLines(text);
    // A UTF-8 byte order mark from an editor is not part of the header.
    if (!lines.empty() && lines[0].compare(0, 3, "\xEF\xBB\xBF") == 0) {
        lines[0].erase(0, 3);
    }
    if (lines.empty() || lines[0] != "[HGEFONT]") {
        m_hge->System_Log("Font %s has incorrect format.", name.c_str());
        return;
    }

    std::vector<Glyph> glyphs;
    for (size_t i = 1; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        char bitmap[512];
        if (std::sscanf(line.c_str(), "Bitmap = %511s", bitmap) == 1) {
            if (readBitmap) {
                std::string file = bitmap;
                size_t slash = file.find_last_of("/\\");
                if (slash != std::string::npos) {
                    file = file.substr(slash + 1);
                }
                loadBitmap(folder + file, mipmap);
            }
        } else if (line.compare(0, 4, "Char") == 0) {
            Glyph glyph;
            if (parseGlyph(line, glyph)) {
                glyphs.push_back(glyph);
            }
        }
    }

    // The glyphs are cut once the texture is known, wherever "Bitmap" stood.
    for (const Glyph& g : glyphs) {
        delete m_letters[g.code];
        m_letters[g.code] =
            new hgeSprite(m_texture, static_cast<float>(g.x), static_cast<float>(g.y),
                          static_cast<float>(g.w), static_cast<float>(g.h));
        m_letters[g.code]->SetColor(m_color);
        m_letters[g.code]->SetZ(m_z);
        m_letters[g.code]->SetBlendMode(m_blend);
        m_pre[g.code] = static_cast<float>(g.pre);
        m_post[g.code] = static_cast<float>(g.post);
        if (g.h > m_height) {
            m_height = static_cast<float>(g.h);
        }
    }
}

int hgeFont::glyphFor(unsigned char c) const {
    if (m_letters[c]) {
        return c;
    }
    return m_letters['?'] ? '?' : -1;
}

float hgeFont::lineWidth(const char* str) const {
    float width = 0;
    for (; *str && *str != '\n'; ++str) {
        int i = glyphFor(static_cast<unsigned char>(*str));
        if (i >= 0) {
            width += m_letters[i]->GetWidth() + m_pre[i] + m_post[i] + m_tracking;
        }
    }
    return width * m_scale * m_proportion;
}

float hgeFont::GetStringWidth(const char* str, bool multiline) const {
    if (!str) {
        return 0;
    }
    float widest = 0;
    for (;;) {
        float width = lineWidth(str);
        if (width > widest) {
            widest = width;
        }
        const char* newline = std::strchr(str, '\n');
        if (!multiline || !newline) {
            return widest;
        }
        str = newline + 1;
    }
}

void hgeFont::Render(float x, float y, int align, const char* str) {
    if (!str) {
        return;
    }
    align &= HGETEXT_HORZMASK;
    auto lineStart = [&](const char* line) {
        if (align == HGETEXT_RIGHT) {
            return x - lineWidth(line);
        }
        if (align == HGETEXT_CENTER) {
            return x - std::round(lineWidth(line) / 2.0f);
        }
        return x;
    };
    float fx = lineStart(str);
    for (; *str; ++str) {
        if (*str == '\n') {
            y += std::round(m_height * m_scale * m_spacing);
            fx = lineStart(str + 1);
            continue;
        }
        int i = glyphFor(static_cast<unsigned char>(*str));
        if (i < 0) {
            continue;
        }
        fx += m_pre[i] * m_scale * m_proportion;
        m_letters[i]->RenderEx(fx, y, m_rotation, m_scale * m_proportion, m_scale);
        fx += (m_letters[i]->GetWidth() + m_post[i] + m_tracking) * m_scale * m_proportion;
    }
}

void hgeFont::printf(float x, float y, int align, const char* format, ...) {
    char buffer[1024];
    va_list args;
    va_start(args, format);
    std::vsnprintf(buffer, sizeof buffer, format, args);
    va_end(args);
    Render(x, y, align, buffer);
}

void hgeFont::SetColor(uint32_t col) {
    m_color = col;
    for (hgeSprite* letter : m_letters) {
        if (letter) {
            letter->SetColor(col);
        }
    }
}

void hgeFont::SetZ(float z) {
    m_z = z;
    for (hgeSprite* letter : m_letters) {
        if (letter) {
            letter->SetZ(z);
        }
    }
}

void hgeFont::SetBlendMode(int blend) {
    m_blend = blend;
    for (hgeSprite* letter : m_letters) {
        if (letter) {
            letter->SetBlendMode(blend);
        }
    }
}
