#pragma once

#include <memory>
#include <string>
#include <vector>

#include "core/Renderable.h"
#include "engine/hgerect.h"
#include "engine/hgevector.h"

class HGE;
class Text;
struct MonthFigures;

// The value axis of a chart: round steps from `bottom` to `top` that take in
// zero and every value.
struct ChartScale {
    double bottom = 0;
    double top = 0;
    double step = 0;

    // At most `maxSteps` (at least one, two when the values lie on both
    // sides of zero) steps of 1, 2 or 5 times a power of ten. Values that are not finite count as
    // zero, and the amounts are held within the range a label can still show.
    static ChartScale fit(const std::vector<double>& values, int maxSteps);
    // The gridlines' values, bottom to top.
    std::vector<double> ticks() const;
    // Where `value` stands from bottom (0) to top (1), clamped to the axis.
    double share(double value) const;
    // "0 kr", "20 000 kr", "-5 000 kr"; with steps of a million or more,
    // whole millions: "3 milj. kr" (but still "0 kr").
    std::string label(double value) const;

    // The largest amount the axis shows: beyond it the line stays at the edge.
    static constexpr double LIMIT = 1e12;
};

// The player's net worth month by month as a line chart inside a box on the
// screen: a title, kronor at the gridlines on the left, the months' short
// names along the bottom, a thick line with a dot at each month and a
// brighter zero line when the money goes below zero. Nothing is drawn
// outside the box.
class YearChart : public Renderable {
public:
    // The texts the chart shows, in the game's encoding.
    struct Texts {
        std::string title;
        std::string empty;  // shown when no month has been played
        std::string titleFont = "font_tessaline_19.fnt";
        std::string labelFont = "font.fnt";
    };

    YearChart(const hgeRect& box, const std::vector<MonthFigures>& months, const Texts& texts);
    ~YearChart() override;

    void render() override;

    // The layout, in screen pixels.
    const hgeRect& getBox() const { return m_box; }
    const hgeRect& getPlot() const { return m_plot; }
    const ChartScale& getScale() const { return m_scale; }
    const std::vector<hgeVector>& getPoints() const { return m_points; }
    // Every text with where it is drawn (its top left corner) and its size.
    struct Label {
        std::unique_ptr<Text> text;
        hgeVector at;
        hgeVector size;
    };
    const std::vector<Label>& getLabels() const { return m_labels; }

private:
    void addMonthLabels(const std::vector<MonthFigures>& months, const std::string& font);
    Label& addLabel(const std::string& font, const std::string& words, unsigned int color);
    void renderGrid() const;
    void renderLine() const;
    void renderBar(const hgeVector& from, const hgeVector& to, float thickness,
                   unsigned int color) const;
    void renderSquare(const hgeVector& centre, float half, unsigned int color) const;

    HGE* m_hge;
    hgeRect m_box;
    hgeRect m_plot;
    ChartScale m_scale;
    std::vector<double> m_ticks;
    std::vector<hgeVector> m_points;
    std::vector<Label> m_labels;
};
