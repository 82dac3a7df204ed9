// The shipped pictures: every one decodes, and the ones the code and the data
// cut at fixed sizes have those sizes and keep the one-pixel margin rule
// (art/STYLE.md).
#include <SDL.h>
#include <SDL_image.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace {

const std::string kGfx = std::string(FISCORA_SOURCE_DIR) + "/data/gfx/";

struct ArtImage {
    const char* file;
    int width;
    int height;
};

// File sizes. Cut images show the file less its 1-pixel border; the two frame
// pieces are cut from (0, 0).
const ArtImage kImages[] = {
    {"gui_window.png", 32, 32},
    {"sprite_guiSide.bmp", 1024, 32},
    {"gui_blank.png", 804, 604},
    {"sprite_line.png", 512, 5},
    {"sprite_slider_slider.png", 16, 20},
    {"sprite_dot.png", 28, 38},
    {"gui_little_button.png", 18, 18},
    {"gui_yes_button.png", 52, 49},
    {"gui_no_button.png", 52, 49},
    {"gui_exit_button.png", 53, 53},
    {"gui_logo.png", 420, 152},
    {"gui_menu_background.png", 802, 602},
    {"gui_menu_newgame.png", 242, 62},
    {"gui_menu_help.png", 242, 62},
    {"gui_menu_quit.png", 242, 62},
    {"gui_menu_start.png", 242, 62},
    {"gui_menu_easy.png", 204, 44},
    {"gui_menu_normal.png", 204, 44},
    {"gui_menu_hard.png", 204, 44},
    {"gui_menu_difficulty0.png", 204, 90},
    {"gui_menu_difficulty1.png", 204, 115},
    {"gui_menu_difficulty2.png", 204, 137},
    {"gui_menu_difficulty0_glow.png", 204, 90},
    {"gui_menu_difficulty1_glow.png", 204, 115},
    {"gui_menu_difficulty2_glow.png", 204, 137},
    {"gui_overview.png", 802, 602},
    {"sprite_win.png", 802, 602},
    {"sprite_town.png", 802, 602},
    {"gui_town_flat.png", 174, 324},
    {"gui_town_bank.png", 182, 264},
    {"gui_town_electronics.png", 182, 234},
    {"gui_town_furniture.png", 172, 274},
};

struct Rgba {
    uint8_t r, g, b, a;
};

// An image decoded by the game's loader and converted to one known layout.
class Picture {
public:
    explicit Picture(const std::string& file) {
        SDL_Surface* raw = IMG_Load((kGfx + file).c_str());
        if (raw == nullptr) {
            return;
        }
        m_hasAlpha = raw->format->Amask != 0;
        m_surface.reset(SDL_ConvertSurfaceFormat(raw, SDL_PIXELFORMAT_RGBA32, 0));
        SDL_FreeSurface(raw);
    }
    bool ok() const { return m_surface != nullptr; }
    bool hasAlpha() const { return m_hasAlpha; }
    int width() const { return m_surface->w; }
    int height() const { return m_surface->h; }
    Rgba at(int x, int y) const {
        const auto* row = static_cast<const uint8_t*>(m_surface->pixels) + y * m_surface->pitch;
        const uint8_t* p = row + x * 4;
        return {p[0], p[1], p[2], p[3]};
    }

private:
    struct Free {
        void operator()(SDL_Surface* s) const { SDL_FreeSurface(s); }
    };
    std::unique_ptr<SDL_Surface, Free> m_surface;
    bool m_hasAlpha = false;
};

bool near(const Rgba& a, const Rgba& b, int tolerance) {
    return std::abs(a.r - b.r) <= tolerance && std::abs(a.g - b.g) <= tolerance &&
           std::abs(a.b - b.b) <= tolerance && std::abs(a.a - b.a) <= tolerance;
}

std::string describe(const Rgba& c) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "(%d,%d,%d,%d)", c.r, c.g, c.b, c.a);
    return buf;
}

const Rgba kPanel = {0x2F, 0x4F, 0x63, 0xFF};

}  // namespace

TEST(ArtContent, EveryImageUnderGfxDecodesWithAlpha) {
    int checked = 0;
    for (const auto& entry : std::filesystem::directory_iterator(kGfx)) {
        const std::string ext = entry.path().extension().string();
        if (ext != ".png" && ext != ".bmp") {
            continue;
        }
        const std::string name = entry.path().filename().string();
        Picture pic(name);
        ASSERT_TRUE(pic.ok()) << name << ": " << IMG_GetError();
        EXPECT_GT(pic.width(), 2) << name;
        EXPECT_GT(pic.height(), 2) << name;
        // A palettised or RGB file loses its transparency in the engine.
        EXPECT_TRUE(pic.hasAlpha()) << name << " has no alpha channel";
        ++checked;
    }
    EXPECT_GE(checked, static_cast<int>(sizeof kImages / sizeof kImages[0]));
}

TEST(ArtContent, ImagesHaveTheSizesTheyAreCutAt) {
    for (const ArtImage& img : kImages) {
        Picture pic(img.file);
        ASSERT_TRUE(pic.ok()) << img.file << " missing: " << IMG_GetError();
        EXPECT_EQ(pic.width(), img.width) << img.file;
        EXPECT_EQ(pic.height(), img.height) << img.file;
    }
}

TEST(ArtContent, PointerTipIsTheFirstShownPixel) {
    Picture dot("sprite_dot.png");
    ASSERT_TRUE(dot.ok());
    // Cut at (1, 1) and drawn with hot spot (0, 0): pixel (1, 1) is the mouse.
    EXPECT_EQ(dot.at(1, 1).a, 255);
    EXPECT_EQ(dot.at(0, 0).a, 0);
    EXPECT_EQ(dot.at(0, 1).a, 0);
    EXPECT_EQ(dot.at(1, 0).a, 0);
    // Nothing of the arrow lies above or left of the tip.
    for (int x = 1; x < dot.width() - 1; ++x) {
        EXPECT_EQ(dot.at(x, 0).a, 0) << "x " << x;
    }
    // The arrow reaches down most of the shown height.
    bool lowOpaque = false;
    for (int x = 1; x < dot.width() - 1; ++x) {
        lowOpaque = lowOpaque || dot.at(x, dot.height() - 5).a == 255;
    }
    EXPECT_TRUE(lowOpaque);
}

TEST(ArtContent, CutImagesDrawNothingInTheirMargin) {
    const char* cut[] = {
        "sprite_dot.png",    "gui_little_button.png",    "gui_yes_button.png",
        "gui_no_button.png", "gui_exit_button.png",      "sprite_slider_slider.png",
        "gui_logo.png",      "gui_menu_difficulty0.png", "gui_menu_difficulty2_glow.png",
        "gui_town_flat.png", "gui_town_furniture.png",   "gui_menu_start.png"};
    for (const char* file : cut) {
        Picture pic(file);
        ASSERT_TRUE(pic.ok()) << file;
        int opaqueInside = 0;
        for (int y = 0; y < pic.height(); ++y) {
            for (int x = 0; x < pic.width(); ++x) {
                const bool border =
                    x == 0 || y == 0 || x == pic.width() - 1 || y == pic.height() - 1;
                if (border) {
                    ASSERT_EQ(pic.at(x, y).a, 0) << file << " at " << x << "," << y;
                } else if (pic.at(x, y).a == 255) {
                    ++opaqueInside;
                }
            }
        }
        EXPECT_GT(opaqueInside, (pic.width() - 2) * (pic.height() - 2) / 4) << file;
    }
}

TEST(ArtContent, FullScreenPicturesCoverTheScreen) {
    // Drawn at (0, 0) from pixel (1, 1): any hole shows the white clear colour.
    for (const char* file :
         {"gui_overview.png", "sprite_win.png", "sprite_town.png", "gui_menu_background.png"}) {
        Picture pic(file);
        ASSERT_TRUE(pic.ok()) << file;
        for (int y = 1; y <= 600; ++y) {
            for (int x = 1; x <= 800; ++x) {
                ASSERT_EQ(pic.at(x, y).a, 255) << file << " at " << x << "," << y;
            }
        }
    }
}

TEST(ArtContent, WindowFaceIsOneColourForAnyCut) {
    Picture blank("gui_blank.png");
    ASSERT_TRUE(blank.ok());
    for (int y = 0; y < blank.height(); y += 7) {
        for (int x = 0; x < blank.width(); x += 5) {
            ASSERT_TRUE(near(blank.at(x, y), kPanel, 0))
                << x << "," << y << describe(blank.at(x, y));
        }
    }
}

TEST(ArtContent, FramePiecesJoinWithoutSeams) {
    Picture edge("sprite_guiSide.bmp");
    Picture corner("gui_window.png");
    ASSERT_TRUE(edge.ok());
    ASSERT_TRUE(corner.ok());
    ASSERT_TRUE(edge.hasAlpha()) << "the edge's shade needs its alpha";
    // Any length cut from the left end: every column is the same.
    for (int x = 1; x < edge.width(); ++x) {
        for (int y = 0; y < 32; ++y) {
            ASSERT_TRUE(near(edge.at(x, y), edge.at(0, y), 0)) << "column " << x << " row " << y;
        }
    }
    // Outside transparent, a shade that is neither, and the face colour inside.
    EXPECT_EQ(edge.at(0, 0).a, 0);
    EXPECT_TRUE(edge.at(0, 15).a > 0 && edge.at(0, 15).a < 255);
    EXPECT_TRUE(near(edge.at(0, 31), kPanel, 0)) << describe(edge.at(0, 31));
    // The corner's last column meets the top edge and its last row meets the
    // (turned) side edge: both follow the edge's profile.
    int worst = 0;
    for (int r = 0; r < 32; ++r) {
        const Rgba e = edge.at(0, r);
        for (const Rgba c : {corner.at(31, r), corner.at(r, 31)}) {
            worst = std::max({worst, std::abs(c.r - e.r), std::abs(c.g - e.g), std::abs(c.b - e.b),
                              std::abs(c.a - e.a)});
        }
    }
    EXPECT_LE(worst, 24) << "corner and edge profiles differ";
    EXPECT_TRUE(near(corner.at(31, 31), kPanel, 0));
    EXPECT_EQ(corner.at(0, 0).a, 0) << "the rounded corner leaves its tip clear";
}

TEST(ArtContent, SliderTrackIsUniformAndVisibleInItsShownRows) {
    Picture track("sprite_line.png");
    ASSERT_TRUE(track.ok());
    for (int x = 0; x < track.width(); ++x) {
        for (int y = 1; y <= 3; ++y) {
            ASSERT_EQ(track.at(x, y).a, 255) << x << "," << y;
            ASSERT_TRUE(near(track.at(x, y), track.at(0, y), 0)) << x << "," << y;
        }
    }
}

TEST(ArtContent, GlowImagesCoverTheirButtonsCompletely) {
    // The glow is drawn over the button at its position: wherever the button
    // shows, the glow must be opaque too, or the button shows through.
    for (int level = 0; level < 3; ++level) {
        const std::string base = "gui_menu_difficulty" + std::to_string(level);
        Picture button(base + ".png");
        Picture glow(base + "_glow.png");
        ASSERT_TRUE(button.ok() && glow.ok()) << base;
        ASSERT_EQ(button.width(), glow.width());
        ASSERT_EQ(button.height(), glow.height());
        int differing = 0;
        for (int y = 1; y < button.height() - 1; ++y) {
            for (int x = 1; x < button.width() - 1; ++x) {
                if (button.at(x, y).a == 255) {
                    ASSERT_EQ(glow.at(x, y).a, 255) << base << " at " << x << "," << y;
                }
                differing += near(button.at(x, y), glow.at(x, y), 8) ? 0 : 1;
            }
        }
        EXPECT_GT(differing, 500) << base << ": the glow must look different";
    }
}
