#include "home/YearChart.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "core/Log.h"
#include "core/Money.h"
#include "engine/hge.h"
#include "resource/Text.h"
#include "sim/YearRecord.h"

namespace {

const unsigned int TITLE_COLOR = 0xFFFFFFFFu;
const unsigned int LABEL_COLOR = 0xFFD8E2EAu;
const unsigned int GRID_COLOR = 0x40FFFFFFu;
const unsigned int AXIS_COLOR = 0xC0FFFFFFu;
const unsigned int ZERO_COLOR = 0xFFE8E8E8u;
const unsigned int LINE_COLOR = 0xFFF2A541u;  // the accent of the end screen's total
const unsigned int DOT_COLOR = 0xFFFFF4E0u;

const float LINE_THICKNESS = 3.0f;
const float DOT_HALF = 4.0f;
const float GAP = 6.0f;              // between a label and what it names
const float TITLE_GAP = 8.0f;        // under the title
const float LABEL_HEIGHT = 18.0f;    // when the label font is missing
const float MIN_STEP_HEIGHT = 1.6f;  // in label heights
const int MAX_STEPS = 8;
const float MIN_PLOT = 40.0f;
const float SLACK = 0.01f;  // rounding, not pixels
const double MILLION = 1e6;

double held(double value) {
    return std::isfinite(value) ? std::clamp(value, -ChartScale::LIMIT, ChartScale::LIMIT) : 0.0;
}

// An untextured quad of one colour, corners clockwise from the top left.
void fill(HGE* hge, const std::array<hgeVector, 4>& corners, unsigned int color) {
    hgeQuad quad{};
    for (std::size_t i = 0; i < corners.size(); ++i) {
        quad.v[i] = hgeVertex{corners[i].x, corners[i].y, 0.5f, color, 0, 0};
    }
    quad.tex = 0;
    quad.blend = BLEND_DEFAULT;
    hge->Gfx_RenderQuad(&quad);
}

}  // namespace

ChartScale ChartScale::fit(const std::vector<double>& values, int maxSteps) {
    maxSteps = std::max(maxSteps, 1);
    double low = 0;
    double high = 0;
    for (double value : values) {
        low = std::min(low, held(value));
        high = std::max(high, held(value));
    }
    if (high - low <= 0) {
        // Nothing but zeros: an axis of a thousand kronor.
        high = 1000;
    }
    if (low < 0 && high > 0) {
        // Zero is a gridline: one step cannot reach both sides of it.
        maxSteps = std::max(maxSteps, 2);
    }
    ChartScale scale;
    // Whole kronor at the least.
    double magnitude =
        std::max(1.0, std::pow(10.0, std::floor(std::log10((high - low) / maxSteps))));
    for (;; magnitude *= 10) {
        for (double mantissa : {1.0, 2.0, 5.0}) {
            const double step = mantissa * magnitude;
            const double bottom = std::floor(low / step);
            const double top = std::ceil(high / step);
            if (top - bottom <= maxSteps) {
                scale.step = step;
                scale.bottom = bottom * step;
                scale.top = top * step;
                return scale;
            }
        }
    }
}

std::vector<double> ChartScale::ticks() const {
    std::vector<double> values;
    if (step <= 0) {
        return values;
    }
    const long count = std::lround((top - bottom) / step);
    for (long i = 0; i <= count; ++i) {
        values.push_back(bottom + static_cast<double>(i) * step);
    }
    return values;
}

double ChartScale::share(double value) const {
    if (top <= bottom) {
        return 0;
    }
    return std::clamp((held(value) - bottom) / (top - bottom), 0.0, 1.0);
}

std::string ChartScale::label(double value) const {
    const bool millions = step >= MILLION;
    const long long shown = std::llround(held(value) / (millions ? MILLION : 1.0));
    return shown != 0 && millions ? money::format(shown) + " milj. kr" : money::kr(shown);
}

YearChart::YearChart(const hgeRect& box, const std::vector<MonthFigures>& months,
                     const Texts& texts)
    : m_hge(hgeCreate(HGE_VERSION)), m_box(box) {
    m_movesWithCam = true;  // fixed to the screen
    const float width = m_box.x2 - m_box.x1;

    float top = m_box.y1;
    if (!texts.title.empty()) {
        // A title too wide for its font takes the labels' smaller one, and
        // one too wide for that is left out.
        for (const std::string& font : {texts.titleFont, texts.labelFont}) {
            Label& title = addLabel(font, texts.title, TITLE_COLOR);
            if (title.size.x <= width) {
                title.at = hgeVector(m_box.x1 + (width - title.size.x) / 2, top);
                top += title.size.y + TITLE_GAP;
                break;
            }
            m_labels.pop_back();
        }
    }
    const float measured = Text(texts.labelFont, "0").getHeight();
    const float labelHeight = measured > 0 ? measured : LABEL_HEIGHT;
    const float plotTop = top + labelHeight / 2;
    const float plotBottom = m_box.y2 - labelHeight - GAP;

    std::vector<double> values;
    for (const MonthFigures& month : months) {
        values.push_back(month.netWorth());
    }
    const int steps = std::clamp(
        static_cast<int>((plotBottom - plotTop) / (labelHeight * MIN_STEP_HEIGHT)), 1, MAX_STEPS);
    m_scale = ChartScale::fit(values, steps);
    m_ticks = m_scale.ticks();

    // The value labels go left of the plot, right-aligned, each centred on
    // its gridline; the plot keeps at least half the box.
    const std::size_t firstValueLabel = m_labels.size();
    float gutter = 0;
    for (double tick : m_ticks) {
        gutter =
            std::max(gutter, addLabel(texts.labelFont, m_scale.label(tick), LABEL_COLOR).size.x);
    }
    gutter = std::min(gutter + GAP, width / 2);
    m_plot = hgeRect(m_box.x1 + gutter, plotTop, m_box.x2 - DOT_HALF - 1, plotBottom);
    const float plotHeight = m_plot.y2 - m_plot.y1;
    if (m_plot.x2 - m_plot.x1 < MIN_PLOT || plotHeight < MIN_PLOT) {
        // A box too small for a chart (a broken record) shows nothing.
        Log::warning("YearChart::YearChart") << "the box is too small for a chart";
        m_labels.clear();
        m_ticks.clear();
        m_visible = false;
        return;
    }
    for (std::size_t i = 0; i < m_ticks.size(); ++i) {
        Label& label = m_labels[firstValueLabel + i];
        const float y = m_plot.y2 - static_cast<float>(m_scale.share(m_ticks[i])) * plotHeight;
        label.at = hgeVector(m_plot.x1 - GAP - label.size.x, y - label.size.y / 2);
    }

    const float slot =
        (m_plot.x2 - m_plot.x1) / static_cast<float>(std::max<std::size_t>(months.size(), 1));
    for (std::size_t i = 0; i < months.size(); ++i) {
        const float x = m_plot.x1 + (static_cast<float>(i) + 0.5f) * slot;
        m_points.emplace_back(
            x, m_plot.y2 - static_cast<float>(m_scale.share(values[i])) * plotHeight);
    }
    addMonthLabels(months, texts.labelFont);
    if (months.empty() && !texts.empty.empty()) {
        Label& empty = addLabel(texts.labelFont, texts.empty, LABEL_COLOR);
        empty.at = hgeVector((m_plot.x1 + m_plot.x2 - empty.size.x) / 2,
                             (m_plot.y1 + m_plot.y2 - empty.size.y) / 2);
    }
    // Whatever still does not fit is left out rather than drawn over the edge.
    m_labels.erase(std::remove_if(m_labels.begin(), m_labels.end(),
                                  [this](const Label& label) {
                                      return label.at.x < m_box.x1 - SLACK ||
                                             label.at.y < m_box.y1 - SLACK ||
                                             label.at.x + label.size.x > m_box.x2 + SLACK ||
                                             label.at.y + label.size.y > m_box.y2 + SLACK;
                                  }),
                   m_labels.end());
    Log::debug("YearChart::YearChart") << months.size() << " months, from " << m_scale.bottom
                                       << " to " << m_scale.top << " in steps of " << m_scale.step;
}

YearChart::~YearChart() {
    m_hge->Release();
}

void YearChart::addMonthLabels(const std::vector<MonthFigures>& months, const std::string& font) {
    if (months.empty()) {
        return;
    }
    // Every month's name, or every second, third... so that no two touch.
    float widest = 0;
    for (const MonthFigures& month : months) {
        widest = std::max(widest, Text(font, month.shortName).getWidth());
    }
    const float slot = (m_plot.x2 - m_plot.x1) / static_cast<float>(months.size());
    // The first and the last name may be pushed in by up to half a width to
    // stay within the plot and the box.
    const auto every =
        std::max<std::size_t>(1, static_cast<std::size_t>(std::ceil((widest * 1.5f + GAP) / slot)));
    for (std::size_t i = 0; i < months.size(); i += every) {
        Label& label = addLabel(font, months[i].shortName, LABEL_COLOR);
        const float x = std::clamp(m_points[i].x - label.size.x / 2, m_plot.x1,
                                   std::max(m_plot.x1, m_box.x2 - label.size.x));
        label.at = hgeVector(x, m_plot.y2 + GAP);
    }
}

YearChart::Label& YearChart::addLabel(const std::string& font, const std::string& words,
                                      unsigned int color) {
    Label label;
    label.text = std::make_unique<Text>(font, words);
    // Drawn by the chart, in its own order, not by the scene pass.
    label.text->setVisible(false);
    label.text->setColor(color);
    label.size = hgeVector(label.text->getWidth(), label.text->getHeight());
    m_labels.push_back(std::move(label));
    return m_labels.back();
}

void YearChart::render() {
    renderGrid();
    renderLine();
    for (const Label& label : m_labels) {
        label.text->drawAt(label.at);
    }
}

void YearChart::renderGrid() const {
    for (double tick : m_ticks) {
        const float y =
            m_plot.y2 - static_cast<float>(m_scale.share(tick)) * (m_plot.y2 - m_plot.y1);
        if (tick == 0 && m_scale.bottom < 0) {
            // Below it the player owed more than they owned.
            renderBar(hgeVector(m_plot.x1, y), hgeVector(m_plot.x2, y), 2.0f, ZERO_COLOR);
        } else {
            m_hge->Gfx_RenderLine(m_plot.x1, y, m_plot.x2, y, GRID_COLOR);
        }
    }
    m_hge->Gfx_RenderLine(m_plot.x1, m_plot.y1, m_plot.x1, m_plot.y2, AXIS_COLOR);
    m_hge->Gfx_RenderLine(m_plot.x1, m_plot.y2, m_plot.x2, m_plot.y2, AXIS_COLOR);
}

void YearChart::renderLine() const {
    for (std::size_t i = 1; i < m_points.size(); ++i) {
        renderBar(m_points[i - 1], m_points[i], LINE_THICKNESS, LINE_COLOR);
    }
    for (const hgeVector& point : m_points) {
        renderSquare(point, DOT_HALF, LINE_COLOR);
        renderSquare(point, DOT_HALF - 1.5f, DOT_COLOR);
    }
}

void YearChart::renderBar(const hgeVector& from, const hgeVector& to, float thickness,
                          unsigned int color) const {
    const float dx = to.x - from.x;
    const float dy = to.y - from.y;
    const float length = std::sqrt(dx * dx + dy * dy);
    if (length <= 0) {
        return;
    }
    // Half the thickness across the bar's direction.
    const float nx = -dy / length * thickness / 2;
    const float ny = dx / length * thickness / 2;
    fill(m_hge,
         {{hgeVector(from.x + nx, from.y + ny), hgeVector(to.x + nx, to.y + ny),
           hgeVector(to.x - nx, to.y - ny), hgeVector(from.x - nx, from.y - ny)}},
         color);
}

void YearChart::renderSquare(const hgeVector& centre, float half, unsigned int color) const {
    fill(m_hge,
         {{hgeVector(centre.x - half, centre.y - half), hgeVector(centre.x + half, centre.y - half),
           hgeVector(centre.x + half, centre.y + half),
           hgeVector(centre.x - half, centre.y + half)}},
         color);
}
