// The year's chart: round steps on the value axis that hold every month, and
// a layout that keeps the line, its dots and every label inside the box, for
// no month, one month, money below zero and absurd amounts.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <limits>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "engine/HgeImpl.h"
#include "engine/hge.h"
#include "home/YearChart.h"
#include "resource/Text.h"
#include "sim/YearRecord.h"

namespace {

const double NaN = std::numeric_limits<double>::quiet_NaN();

struct Case {
    const char* name;
    std::vector<double> values;
};

const Case CASES[] = {
    {"no month", {}},
    {"one month", {42344}},
    {"all zero", {0, 0, 0}},
    {"a few kronor", {3, 1, 2}},
    {"all below zero", {-1200, -8400, -350}},
    {"across zero", {4000, -2500, 12000, 9000}},
    {"a level-3 year",
     {4000,  5200,  7100,  6900,  9800,  12500, 15200, 14900, 18300, 21000, 24100, 26800,
      30200, 33900, 36100, 39500, 43800, 47200, 52000, 55300, 61000, 66400, 71900, 84204}},
    {"huge", {1e15, -3e14, 2.5e9}},
    {"not a number", {NaN, std::numeric_limits<double>::infinity(), 500}},
};

// 1, 2 or 5 times a power of ten of at least one krona.
bool isRound(double step) {
    if (step < 1) {
        return false;
    }
    const double power = std::pow(10.0, std::floor(std::log10(step) + 1e-9));
    const double mantissa = step / power;
    return std::fabs(mantissa - 1) < 1e-9 || std::fabs(mantissa - 2) < 1e-9 ||
           std::fabs(mantissa - 5) < 1e-9;
}

// The round step below `step` in the 1, 2, 5 sequence.
double smaller(double step) {
    const double power = std::pow(10.0, std::floor(std::log10(step) + 1e-9));
    const double mantissa = std::round(step / power);
    return mantissa == 1 ? power / 2 : mantissa == 2 ? power : 2 * power;
}

double shown(double value) {
    return std::isfinite(value) ? std::fmax(-ChartScale::LIMIT, std::fmin(value, ChartScale::LIMIT))
                                : 0.0;
}

bool inside(const hgeRect& outer, float x1, float y1, float x2, float y2) {
    const float slack = 0.01f;
    return x1 >= outer.x1 - slack && y1 >= outer.y1 - slack && x2 <= outer.x2 + slack &&
           y2 <= outer.y2 + slack;
}

std::vector<MonthFigures> months(const std::vector<double>& values) {
    const char* const names[] = {"Jan", "Feb", "Mar", "Apr", "Maj", "Jun",
                                 "Jul", "Aug", "Sep", "Okt", "Nov", "Dec"};
    std::vector<MonthFigures> out;
    for (std::size_t i = 0; i < values.size(); ++i) {
        MonthFigures month;
        month.number = static_cast<int>(i) + 1;
        month.shortName = names[i % 12];
        month.cash = values[i];
        out.push_back(month);
    }
    return out;
}

}  // namespace

TEST(YearChartTest, TheScaleTakesRoundStepsThatHoldEveryValueAndZero) {
    for (const Case& c : CASES) {
        for (int maxSteps : {1, 4, 8}) {
            SCOPED_TRACE(std::string(c.name) + ", at most " + std::to_string(maxSteps));
            const ChartScale scale = ChartScale::fit(c.values, maxSteps);
            ASSERT_TRUE(isRound(scale.step)) << scale.step;
            const double steps = (scale.top - scale.bottom) / scale.step;
            EXPECT_NEAR(steps, std::round(steps), 1e-6);
            EXPECT_NEAR(std::remainder(scale.bottom, scale.step), 0, scale.step * 1e-9);
            double low = 0, high = 0;
            for (double value : c.values) {
                low = std::fmin(low, shown(value));
                high = std::fmax(high, shown(value));
                EXPECT_GE(scale.share(value), 0);
                EXPECT_LE(scale.share(value), 1);
            }
            // Zero is a gridline, so both signs take two steps at least.
            const int allowed = low < 0 && high > 0 ? std::max(maxSteps, 2) : maxSteps;
            EXPECT_LE(std::round(steps), allowed);
            EXPECT_LE(scale.bottom, low);
            EXPECT_GE(scale.top, high);
            EXPECT_GT(scale.top, scale.bottom);
            // As fine as fits: the next smaller round step would need more.
            const double finer = smaller(scale.step);
            if (finer >= 1 && high > low) {
                EXPECT_GT(std::ceil(high / finer) - std::floor(low / finer), allowed);
            }
            const std::vector<double> ticks = scale.ticks();
            ASSERT_EQ(ticks.size(), static_cast<std::size_t>(std::round(steps)) + 1);
            EXPECT_DOUBLE_EQ(ticks.front(), scale.bottom);
            EXPECT_DOUBLE_EQ(ticks.back(), scale.top);
        }
    }
}

TEST(YearChartTest, LabelsAreKronorOrWholeMillions) {
    const struct {
        double value, step;
        std::string label;
    } rows[] = {{0, 5000, "0 kr"},           {20000, 5000, "20 000 kr"},
                {-5000, 5000, "-5 000 kr"},  {500, 100, "500 kr"},
                {3e6, 1e6, "3 milj. kr"},    {0, 2e6, "0 kr"},
                {-4e7, 2e7, "-40 milj. kr"}, {1e300, 1e11, "1 000 000 milj. kr"}};
    for (const auto& row : rows) {
        ChartScale scale;
        scale.step = row.step;
        EXPECT_EQ(scale.label(row.value), row.label) << row.value;
    }
}

// With the game's fonts: whatever the months, the plot, the line's points
// with their dots and every label stay inside the box, no two labels
// overlap, and drawn, the chart changes pixels inside the box only.
TEST(YearChartTest, EverythingStaysInsideTheBox) {
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
    for (const Case& c : CASES) {
        SCOPED_TRACE(c.name);
        YearChart chart(box, months(c.values), texts);
        const hgeRect& plot = chart.getPlot();
        EXPECT_TRUE(inside(box, plot.x1, plot.y1, plot.x2, plot.y2));
        EXPECT_GT(plot.x2 - plot.x1, (box.x2 - box.x1) / 3);
        ASSERT_EQ(chart.getPoints().size(), c.values.size());
        for (const hgeVector& point : chart.getPoints()) {
            EXPECT_TRUE(inside(plot, point.x, point.y, point.x, point.y));
            EXPECT_TRUE(inside(box, point.x - 4, point.y - 4, point.x + 4, point.y + 4));
        }
        // The title, a label per gridline, and at least the first month (or
        // the note that there is none).
        const std::size_t labels = chart.getLabels().size();
        EXPECT_GE(labels, 1 + chart.getScale().ticks().size() + 1);
        for (std::size_t i = 0; i < labels; ++i) {
            const YearChart::Label& a = chart.getLabels()[i];
            EXPECT_GT(a.size.x, 0) << a.text->getText();
            EXPECT_TRUE(inside(box, a.at.x, a.at.y, a.at.x + a.size.x, a.at.y + a.size.y))
                << a.text->getText();
            for (std::size_t j = i + 1; j < labels; ++j) {
                const YearChart::Label& b = chart.getLabels()[j];
                const bool apart = a.at.x + a.size.x <= b.at.x || b.at.x + b.size.x <= a.at.x ||
                                   a.at.y + a.size.y <= b.at.y || b.at.y + b.size.y <= a.at.y;
                EXPECT_TRUE(apart) << a.text->getText() << " over " << b.text->getText();
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
        const uint32_t background = *static_cast<const uint32_t*>(frame->pixels) & 0xFFFFFFu;
        int drawnInside = 0;
        int drawnOutside = 0;
        for (int y = 0; y < frame->h; ++y) {
            const auto* row = reinterpret_cast<const uint32_t*>(
                static_cast<const uint8_t*>(frame->pixels) + y * frame->pitch);
            for (int x = 0; x < frame->w; ++x) {
                if ((row[x] & 0xFFFFFFu) != background) {
                    (inside(box, static_cast<float>(x), static_cast<float>(y), x + 1.0f, y + 1.0f)
                         ? drawnInside
                         : drawnOutside)++;
                }
            }
        }
        SDL_FreeSurface(frame);
        EXPECT_EQ(drawnOutside, 0);
        EXPECT_GT(drawnInside, 1000);
    }
}
