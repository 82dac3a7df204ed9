// The font reader: a font description parsed by hgeFont from memory, as the
// game's Text does, over a real font texture, then measured and drawn
// headless (no window: the quads go nowhere).
#include <cstdint>
#include <string>

#include "FuzzSupport.h"
#include "engine/hge.h"
#include "engine/hgefont.h"

namespace {

HGE* g_hge = nullptr;
HTEXTURE g_texture = 0;
std::string g_allBytes;

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzz::Sandbox::get();
    setenv("FISCORA_HEADLESS", "1", 1);
    g_hge = hgeCreate(HGE_VERSION);
    const std::string png = fuzz::shipped("fnt/font.png");
    g_texture = g_hge->Texture_Load(png.data(), static_cast<uint32_t>(png.size()));
    for (int c = 1; c < 256; ++c) {
        g_allBytes += static_cast<char>(c);
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // Text hands the reader a terminated string and its length.
    const std::string description(reinterpret_cast<const char*>(data), size);
    hgeFont font(description.c_str(), false, false, static_cast<uint32_t>(size), g_texture,
                 "fuzz.fnt");
    font.GetStringWidth(g_allBytes.c_str());
    font.SetScale(1.5f);
    font.Render(10, 10, HGETEXT_CENTER, g_allBytes.c_str());
    font.Render(700, 10, HGETEXT_RIGHT, "Hyra 4 500 kr\nMat & kl\xE4\x64\x65r");
    return 0;
}
