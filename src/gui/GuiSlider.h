#pragma once

#include "core/Logic.h"
#include "gui/GuiBase.h"

class Slider;

// A slider track ("sprite_line.png") with its draggable handle; the value is
// an integer from 0 to the step count. The track itself is not interactive.
class GuiSlider : public GuiBase, public Logic {
public:
    // `position` is relative to the parent.
    GuiSlider(const hgeVector& position, const hgeVector& size, int steps, GuiBase* parent);
    ~GuiSlider() override;

    // Keeps the track out of the pointer's way, lets the handle drag and
    // colours the track by value when asked to.
    void update(float dt) override;

    // The handle follows 0.1 above the track.
    void setDepth(float depth) override;
    using GuiBase::setDepth;

    int getValue() const;
    int getSteps() const;
    // Moves the handle to `value` (clamped to 0 .. the step count).
    void setValue(int value);

    // Red at 0 through green at the step count.
    void setColorByValue(bool on) { m_colorByValue = on; }
    bool colorsByValue() const { return m_colorByValue; }

    Slider* getHandle() const { return m_handle; }

private:
    bool m_colorByValue = false;
    Slider* m_handle = nullptr;  // a child in the controller
    float m_stepsPerChannel = 0.0f;
    int m_max = 255;
    int m_blue = 0;
};
