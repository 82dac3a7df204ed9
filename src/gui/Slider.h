#pragma once

#include <vector>

#include "engine/hgerect.h"
#include "gui/GuiButton.h"

class GuiSlider;

// The handle of a slider: a button that is dragged along its track while the
// left button stays down. Its value is the number of whole steps between the
// track's left end and the handle.
class Slider : public GuiButton {
public:
    Slider(GuiSlider* track, int steps);
    ~Slider() override;

    void press() override;
    void release() override;
    void enter() override;

    // Follows the pointer while dragging.
    void updateGui() override;

    int getValue() const { return m_value; }
    int getSteps() const { return m_steps; }
    void setValue(int value);
    bool isDragging() const { return m_dragging; }
    float getPixelsPerStep() const { return m_pixelsPerStep; }
    // The leftmost and rightmost x the handle can take.
    float getLeftStop() const;
    float getRightStop() const;

    // The file of the handle's image.
    static const char* const IMAGE;

private:
    struct Step {
        int value;
        float x;
    };

    // Places the handle at `x` (within the stops) and takes the value there.
    void moveTo(float x);
    void valueFromPosition();

    int m_steps = 0;
    int m_value = 0;
    int m_stepIndex = 0;
    float m_pixelsPerStep = 0.0f;
    hgeVector m_handleSize{0, 0};
    hgeVector m_restPosition{0, 0};
    hgeRect m_handleRect;
    GuiSlider* m_track = nullptr;
    std::vector<Step> m_stepList;
    int m_restoreColor = -1;
    bool m_dragging = false;
};
