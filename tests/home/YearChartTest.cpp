// The year's chart: round steps on the value axis that hold every month, and
// a drawing that stays inside its box, labels apart, for no month, one
// month, money below zero and absurd amounts.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <limits>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "TestSupport.h"
#include "engine/HgeImpl.h"
#include "engine/hge.h"
#include "home/YearChart.h"
#include "resource/Text.h"
#include "sim/YearRecord.h"

namespace {

using Case = std::pair<const char*, std::vector<double>>;

const Case CASES[] = {
    {"no month", {}},
    {"one month", {42344}},
    {"all zero", {0, 0, 0}},
    {"a few kronor", {3, 1, 2}},
    {"all below zero", {-1200, -8400, -350}},
    {"across zero", {4000, -2500, 12000, 9000}},
    {"two years", std::vector<double>(24, 84204)},
    {"huge", {1e15, -3e14, 2.5e9}},
    {"not a number", {std::nan(""), std::numeric_limits<double>::infinity(), 500}},
};

// The round steps of whole kronor in order: 1, 2, 5, 10, 20, 50...
double stepAt(int rank) {
    const double mantissas[] = {1, 2, 5};
    return mantissas[rank % 3] * std::pow(10.0, rank / 3);
}

int rank(double step) {
    for (int rank = 0; rank < 60; ++rank) {
        if (std::fabs(stepAt(rank) - step) <= step * 1e-9) {
            return rank;
        }
    }
    return -1;
}

}  // namespace

TEST(YearChartTest, TheScaleTakesTheFinestRoundStepsThatHoldEveryValueAndZero) {
    for (const Case& c : CASES) {
        for (int maxSteps : {1, 4, 8}) {
            SCOPED_TRACE(std::string(c.first) + ", at most " + std::to_string(maxSteps));
            const ChartScale scale = ChartScale::fit(c.second, maxSteps);
            ASSERT_GE(rank(scale.step), 0) << scale.step;
            double low = 0, high = 0;
            for (double value : c.second) {
                const double shown = std::isfinite(value) ? value : 0;
                low = std::fmin(low, std::fmax(shown, -ChartScale::LIMIT));
                high = std::fmax(high, std::fmin(shown, ChartScale::LIMIT));
            }
            // Zero is a gridline, so both signs take two steps at least.
            const int allowed = low < 0 && high > 0 ? std::max(maxSteps, 2) : maxSteps;
            const std::vector<double> ticks = scale.ticks();
            EXPECT_LE(ticks.size(), allowed + 1u);
            EXPECT_LE(ticks.front(), low);
            EXPECT_GE(ticks.back(), high);
            EXPECT_NEAR(std::remainder(ticks.front(), scale.step), 0, scale.step * 1e-9);
            // The next finer round step would need more steps.
            if (rank(scale.step) > 0 && high > low) {
                const double finer = stepAt(rank(scale.step) - 1);
                EXPECT_GT(std::ceil(high / finer) - std::floor(low / finer), allowed);
            }
        }
    }
    const std::tuple<double, double, std::string> labels[] = {{0, 5000, "0 kr"},
                                                              {-25000, 5000, "-25 000 kr"},
                                                              {0, 2e6, "0 kr"},
                                                              {-4e7, 2e7, "-40 milj. kr"},
                                                              {1e300, 1e11, "1 000 000 milj. kr"}};
    for (const auto& [value, step, label] : labels) {
        ChartScale scale;
        scale.step = step;
        EXPECT_EQ(scale.label(value), label) << value;
    }
}

TEST(YearChartTest, TheDrawingStaysInsideTheBoxWithItsLabelsApart) {
    test::Installation install;
    for (const auto& entry :
         std::filesystem::directory_iterator(std::string(FISCORA_SOURCE_DIR) + "/data/fnt")) {
        install.addFile("fnt", entry.path().filename().string(),
                        test::readFile(entry.path().string()));
    }
    install.mount();
    test::HeadlessEngine engine;
    ASSERT_TRUE(engine.ok());
    YearChart::Texts texts;
    texts.title = "Din f\xF6rm\xF6genhet m\xE5nad f\xF6r m\xE5nad";
    texts.empty = "Inga m\xE5nader spelade";
    const hgeRect box(425, 80, 765, 520);
    EXPECT_FALSE(YearChart(hgeRect(425, 80, 465, 100), {}, texts).isVisible());
    for (const Case& c : CASES) {
        SCOPED_TRACE(c.first);
        std::vector<MonthFigures> months(c.second.size());
        for (std::size_t i = 0; i < months.size(); ++i) {
            months[i].cash = c.second[i];
            months[i].shortName = "Okt";
        }
        YearChart chart(box, months, texts);
        EXPECT_EQ(chart.getPoints().size(), months.size());
        // The title, a label per gridline, and the first month or the note
        // that there is none; none over another.
        const auto& labels = chart.getLabels();
        EXPECT_GE(labels.size(), chart.getScale().ticks().size() + 2);
        for (std::size_t i = 0; i < labels.size(); ++i) {
            const YearChart::Label& a = labels[i];
            for (std::size_t j = i + 1; j < labels.size(); ++j) {
                const YearChart::Label& b = labels[j];
                EXPECT_TRUE(a.at.x + a.size.x <= b.at.x || b.at.x + b.size.x <= a.at.x ||
                            a.at.y + a.size.y <= b.at.y || b.at.y + b.size.y <= a.at.y)
                    << a.text->getText() << " over " << b.text->getText();
            }
        }

        engine.hge()->Gfx_BeginScene();
        engine.hge()->Gfx_Clear(0xFF2F5062u);
        chart.render();
        SDL_Surface* shot = engine::HgeImpl::current()->readFrame();
        engine.hge()->Gfx_EndScene();
        ASSERT_NE(shot, nullptr);
        SDL_Surface* frame = SDL_ConvertSurfaceFormat(shot, SDL_PIXELFORMAT_ARGB8888, 0);
        SDL_FreeSurface(shot);
        ASSERT_NE(frame, nullptr);
        const auto* pixels = static_cast<const uint32_t*>(frame->pixels);
        int drawn[2] = {0, 0};  // outside, inside
        for (int y = 0; y < frame->h; ++y) {
            for (int x = 0; x < frame->w; ++x) {
                if (pixels[y * frame->pitch / 4 + x] != pixels[0]) {
                    ++drawn[box.x1 <= x && x < box.x2 && box.y1 <= y && y < box.y2];
                }
            }
        }
        SDL_FreeSurface(frame);
        EXPECT_EQ(drawn[0], 0);
        EXPECT_GT(drawn[1], 1000);
    }
}
