// The shipped pictures: every one decodes, and the ones the code and the data
// cut at fixed sizes have those sizes and keep the one-pixel margin rule
// (art/STYLE.md).
#include <filesystem>

#include "InteractionTestSupport.h"

using guitest::Picture;

static const std::string kGfx = std::string(FISCORA_SOURCE_DIR) + "/data/gfx/";
static const uint32_t kPanel = 0xFF2F4F63u;

// File sizes, "file width height" each; "*" marks the images cut with a
// 1-pixel margin that must stay clear. Cut images show the file less its
// border; the two frame pieces are cut from (0, 0).
static const char* const kSizes =
    "gui_window.png 32 32 sprite_guiSide.bmp 1024 32 gui_blank.png 804 604 "
    "sprite_line.png 512 5 *sprite_slider_slider.png 16 20 *sprite_dot.png 28 38 "
    "*gui_little_button.png 18 18 *gui_yes_button.png 52 49 *gui_no_button.png 52 49 "
    "*gui_exit_button.png 53 53 *gui_logo.png 420 152 gui_menu_background.png 802 602 "
    "gui_menu_newgame.png 242 62 gui_menu_help.png 242 62 gui_menu_quit.png 242 62 "
    "*gui_menu_start.png 242 62 gui_menu_easy.png 204 44 gui_menu_normal.png 204 44 "
    "gui_menu_hard.png 204 44 *gui_menu_difficulty0.png 204 90 "
    "gui_menu_difficulty1.png 204 115 gui_menu_difficulty2.png 204 137 "
    "gui_menu_difficulty0_glow.png 204 90 gui_menu_difficulty1_glow.png 204 115 "
    "*gui_menu_difficulty2_glow.png 204 137 gui_overview.png 802 602 sprite_win.png 802 602 "
    "sprite_town.png 802 602 *gui_town_flat.png 174 324 gui_town_bank.png 182 264 "
    "gui_town_electronics.png 182 234 *gui_town_furniture.png 172 274 "
    "*sprite_loader.png 77 35 sprite_background.png 802 602 *gui_play_button.png 56 56 "
    "*gui_budget_button.png 40 40 *gui_invest_button.png 40 40 *gui_service_telefon.png 40 40 "
    "*gui_service_inet.png 40 40 *gui_service_tidning.png 40 40 *gui_service_homeins.png 40 40 "
    "*gui_service_sickins.png 40 40 *gui_service_tvlicense.png 40 40 "
    "*gui_service_akassa.png 40 40 *gui_sound_button.png 40 40 sprite_sound_off.png 40 40 "
    "*gui_hud_exit_button.png 40 40 *gui_cash_window.png 200 44 *sprite_arrow.png 40 56 "
    "*gui_budget_income.png 150 40 *gui_budget_consumption.png 150 40 "
    "*gui_budget_expenses.png 150 40 *gui_budget_savings.png 150 40 *gui_buy_button.png 110 40 "
    "*gui_save_button.png 110 40 *gui_ok_button.png 110 40 *gui_info_button.png 26 26 "
    "*gui_end_banner.png 380 90 *gui_invest_header.png 300 60 "
    "*event_UNDEFINED.png 49 49 *event_BASE.png 49 49 *event_BONUS.png 49 49 "
    "*event_HEALTH.png 49 49 *event_VISITOR.png 49 49 *event_CAUTION.png 49 49 "
    "*event_CRITICAL.png 49 49 *event_PHONE.png 49 49 *event_INTERNET.png 49 49 "
    "*event_PAPER.png 49 49 *event_ACHIEVEMENT.png 49 49 *event_EXPENSE.png 49 49 "
    "*event_INCOME.png 49 49 *event_BILL.png 49 49 *event_MAIL.png 49 49 *event_INFO.png 49 49 "
    "*event_COLLECTOR.png 49 49 *event_THIEF.png 49 49 *gui_bill_paper.png 340 420 "
    "*event_party.png 160 120 *event_concert.png 160 120 *event_birthday.png 160 120 "
    "*event_friend.png 160 120 *event_visitor.png 160 120 *event_phone_broken.png 160 120 "
    "*event_laptop.png 160 120 *event_bike.png 160 120 *event_sale.png 160 120 "
    "*event_clothes.png 160 120 *event_hygiene.png 160 120 *event_food.png 160 120 "
    "*event_sick.png 160 120 *event_dentist.png 160 120 *event_gym.png 160 120 "
    "*event_burglary.png 160 120 *event_water_leak.png 160 120 *event_parking.png 160 120 "
    "*event_fine.png 160 120 *event_bonus.png 160 120 *event_tax_refund.png 160 120 "
    "*event_lottery.png 160 120 *event_job_lost.png 160 120 *event_study_books.png 160 120 "
    "*event_mail.png 160 120 *event_collector.png 160 120 *event_achievement6.png 160 120 "
    "*gui_button_buy.png 130 49 *gui_taut_button.png 119 51 *gui_cat_info.png 40 40 "
    "*gui_cat_sova.png 120 40 *gui_cat_sitta.png 120 40 *gui_cat_bord.png 120 40 "
    "*gui_cat_forvaring.png 120 40 *gui_cat_dekor.png 120 40 *gui_cat_tv.png 120 40 "
    "*gui_cat_dator.png 120 40 *gui_cat_lampor.png 120 40 *gui_cat_sparkonto.png 120 40 "
    "*gui_cat_fonder.png 120 40 *gui_cat_aktier.png 120 40 *shop_share0.png 82 82 "
    "*shop_share1.png 82 82 *shop_share2.png 82 82 *shop_fund0.png 82 82 *shop_fund1.png 82 82 "
    "*shop_fund2.png 82 82 *shop_logo_lena.png 240 90 *shop_logo_teknik.png 240 90 "
    "*shop_logo_bank.png 240 90 *shop_keeper_lena.png 200 260 *shop_keeper_teknik.png 200 260 "
    "*shop_keeper_bank.png 200 260 sprite_shop_lena.png 802 602 sprite_shop_teknik.png 802 602 "
    "sprite_shop_bank.png 802 602 *achievement_0_unlocked.png 190 120 "
    "*achievement_0_locked.png 190 120 *achievement_0_big.png 160 160 "
    "*achievement_1_unlocked.png 190 120 *achievement_1_locked.png 190 120 "
    "*achievement_1_big.png 160 160 *achievement_2_unlocked.png 190 120 "
    "*achievement_2_locked.png 190 120 *achievement_2_big.png 160 160 "
    "*achievement_3_unlocked.png 190 120 *achievement_3_locked.png 190 120 "
    "*achievement_3_big.png 160 160 *achievement_4_unlocked.png 190 120 "
    "*achievement_4_locked.png 190 120 *achievement_4_big.png 160 160 "
    "*achievement_5_unlocked.png 190 120 *achievement_5_locked.png 190 120 "
    "*achievement_5_big.png 160 160 *achievement_6_unlocked.png 190 120 "
    "*achievement_6_locked.png 190 120 *achievement_6_big.png 160 160 "
    "*achievement_7_unlocked.png 190 120 *achievement_7_locked.png 190 120 "
    "*achievement_7_big.png 160 160 *achievement_8_unlocked.png 190 120 "
    "*achievement_8_locked.png 190 120 *achievement_8_big.png 160 160 *gui_nb_help.png 160 44 "
    "*gui_nb_achiev.png 160 44 *gui_help_entry.png 270 40 *gui_noticeboard_title.png 240 50 "
    "*tutorial_welcome.png 200 150 *tutorial_gui.png 200 150 *tutorial_budgeta.png 200 150 "
    "*tutorial_budgetb.png 200 150 *tutorial_insurance.png 200 150 *tutorial_stores.png 200 150 "
    "*tutorial_events.png 200 150 *tutorial_savings.png 200 150 *tutorial_furniture.png 200 150 "
    "*tutorial_stock.png 200 150 *tutorial_fundsa.png 200 150 *tutorial_fundsb.png 200 150 "
    "*tutorial_noticeboard.png 200 150";

// The greatest difference of one channel (alpha included) between two pixels.
static int channelDistance(uint32_t a, uint32_t b) {
    int worst = 0;
    for (int shift = 0; shift < 32; shift += 8) {
        worst = std::max(worst, std::abs(static_cast<int>((a >> shift) & 0xFF) -
                                         static_cast<int>((b >> shift) & 0xFF)));
    }
    return worst;
}

TEST(ArtContent, EveryImageDecodesWithAlphaAtItsSizeAndCutOnesKeepTheirMarginClear) {
    std::map<std::string, std::pair<int, int>> sizes;
    std::istringstream fields(kSizes);
    std::string file;
    for (int width = 0, height = 0; fields >> file >> width >> height;) {
        sizes[file] = {width, height};
    }
    ASSERT_EQ(sizes.size(), 178u);
    for (const auto& entry : std::filesystem::directory_iterator(kGfx)) {
        const std::string name = entry.path().filename().string();
        if (entry.path().extension() != ".png" && entry.path().extension() != ".bmp") {
            continue;
        }
        const Picture pic(kGfx + name);
        ASSERT_TRUE(pic.ok()) << name << ": " << IMG_GetError();
        const int w = pic.width(), h = pic.height();
        EXPECT_TRUE(w > 2 && h > 2) << name;
        // A palettised or RGB file loses its transparency in the engine.
        EXPECT_TRUE(pic.hasAlpha()) << name << " has no alpha channel";
        const bool cut = sizes.count("*" + name);
        const std::string key = cut ? "*" + name : name;
        if (sizes.count(key)) {
            EXPECT_EQ(std::make_pair(w, h), sizes[key]) << name;
            sizes.erase(key);
        }
        const auto shown = [&](int x, int y) { return pic.alpha(x, y) > 0; };
        const auto opaque = [&](int x, int y) { return pic.alpha(x, y) == 255; };
        if (cut) {
            EXPECT_EQ(pic.count(0, 0, w, h, shown), pic.count(1, 1, w - 1, h - 1, shown))
                << name << " draws in its margin";
            EXPECT_GT(pic.count(1, 1, w - 1, h - 1, opaque), (w - 2) * (h - 2) / 4) << name;
        }
        if (name == "sprite_dot.png") {
            // Cut at (1, 1) and drawn with hot spot (0, 0): pixel (1, 1) is
            // the mouse, and the arrow reaches down most of the shown height.
            EXPECT_TRUE(opaque(1, 1));
            EXPECT_GT(pic.count(1, h - 5, w - 1, h - 4, opaque), 0);
        }
    }
    EXPECT_TRUE(sizes.empty()) << sizes.begin()->first << " is missing";
}

TEST(ArtContent, FullScreenPicturesWindowFaceSliderTrackAndFrameAreSeamless) {
    // Drawn at (0, 0) from pixel (1, 1): any hole shows the white clear colour.
    for (const char* file :
         {"gui_overview.png", "sprite_win.png", "sprite_town.png", "gui_menu_background.png",
          "sprite_shop_lena.png", "sprite_shop_teknik.png", "sprite_shop_bank.png"}) {
        const Picture pic(kGfx + file);
        ASSERT_TRUE(pic.ok() && pic.width() >= 802 && pic.height() >= 602) << file;
        EXPECT_EQ(pic.count(1, 1, 801, 601, [&](int x, int y) { return pic.alpha(x, y) == 255; }),
                  800 * 600)
            << file;
    }
    // The window face is one colour wherever it is cut.
    const Picture blank(kGfx + "gui_blank.png"), track(kGfx + "sprite_line.png");
    ASSERT_TRUE(blank.ok() && track.ok());
    EXPECT_EQ(blank.count(0, 0, blank.width(), blank.height(),
                          [&](int x, int y) { return blank.at(x, y) == kPanel; }),
              blank.width() * blank.height());
    // The track's three shown rows are opaque and the same along the track.
    EXPECT_EQ(track.count(0, 1, track.width(), 4,
                          [&](int x, int y) {
                              return track.alpha(x, y) == 255 && track.at(x, y) == track.at(0, y);
                          }),
              track.width() * 3);

    // The frame pieces join without seams.
    const Picture edge(kGfx + "sprite_guiSide.bmp");
    const Picture corner(kGfx + "gui_window.png");
    ASSERT_TRUE(edge.ok() && corner.ok());
    // Any length cut from the left end: every column is the same.
    EXPECT_EQ(edge.count(0, 0, edge.width(), 32,
                         [&](int x, int y) { return edge.at(x, y) == edge.at(0, y); }),
              edge.width() * 32);
    // Outside transparent, a shade that is neither, and the face colour inside.
    EXPECT_EQ(edge.alpha(0, 0), 0);
    EXPECT_TRUE(edge.alpha(0, 15) > 0 && edge.alpha(0, 15) < 255);
    EXPECT_EQ(edge.at(0, 31), kPanel);
    // The corner's last column meets the top edge and its last row meets the
    // (turned) side edge: both follow the edge's profile.
    int worst = 0;
    for (int r = 0; r < 32; ++r) {
        worst = std::max({worst, channelDistance(corner.at(31, r), edge.at(0, r)),
                          channelDistance(corner.at(r, 31), edge.at(0, r))});
    }
    EXPECT_LE(worst, 24) << "corner and edge profiles differ";
    EXPECT_EQ(corner.at(31, 31), kPanel);
    EXPECT_EQ(corner.alpha(0, 0), 0) << "the rounded corner leaves its tip clear";
}

TEST(ArtContent, HudFrameCoversOnlyTheBottomBarAndTheDatePlate) {
    // Drawn at (-1, -1), so file pixel (x + 1, y + 1) is screen pixel (x, y).
    const Picture frame(kGfx + "sprite_background.png");
    ASSERT_TRUE(frame.ok() && frame.width() == 802 && frame.height() == 602);
    const auto shown = [&](int x, int y) { return frame.alpha(x, y) > 0; };
    const auto opaque = [&](int x, int y) { return frame.alpha(x, y) == 255; };
    // The bar, screen rows 520 to 599, hides the room across the screen.
    EXPECT_EQ(frame.count(1, 521, 801, 601, opaque), 800 * 80);
    // Above it the room shows everywhere except under the date plate at
    // screen (592, 6), 200 x 44; the margin stays clear.
    EXPECT_EQ(frame.count(0, 0, 802, 521, shown), frame.count(593, 7, 793, 51, shown));
    EXPECT_GT(frame.count(593, 7, 793, 51, opaque), 190 * 38);
    EXPECT_EQ(frame.count(0, 0, 802, 602, shown), frame.count(1, 1, 801, 601, shown));
}

TEST(ArtContent, GlowImagesCoverTheirButtonsCompletely) {
    // The glow is drawn over the button at its position: wherever the button
    // shows, the glow must be opaque too, or the button shows through.
    for (const std::string base :
         {"gui_menu_difficulty0", "gui_menu_difficulty1", "gui_menu_difficulty2"}) {
        const Picture button(kGfx + base + ".png");
        const Picture glow(kGfx + base + "_glow.png");
        ASSERT_TRUE(button.ok() && glow.ok() && button.width() == glow.width() &&
                    button.height() == glow.height())
            << base;
        int uncovered = 0, differing = 0;
        button.count(1, 1, button.width() - 1, button.height() - 1, [&](int x, int y) {
            uncovered += button.alpha(x, y) == 255 && glow.alpha(x, y) != 255;
            differing += channelDistance(button.at(x, y), glow.at(x, y)) > 8;
            return false;
        });
        EXPECT_EQ(uncovered, 0) << base;
        EXPECT_GT(differing, 500) << base << ": the glow must look different";
    }
}
