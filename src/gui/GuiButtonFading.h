#pragma once

#include <string>

#include "core/DebugDraw.h"
#include "core/Lerp.h"
#include "gui/GuiButton.h"

// A button that fades out a while after the pointer has left it and ends
// hidden and inactive until restarted (the rotate and sell buttons beside a
// piece of furniture).
class GuiButtonFading : public GuiButton, public DebugDraw::DebugText {
public:
    GuiButtonFading(const std::string& name, const std::string& image, const hgeVector& position,
                    const hgeVector& size, GuiBase* parent);
    ~GuiButtonFading() override;

    void press() override;
    void enter() override;
    void leave() override;
    void update(float dt) override;

    // Visible, interactive and fully opaque again; the fade waits for the
    // next leave.
    void restart();

    // Seconds between the pointer leaving and the fade starting.
    void setFadeDelay(float seconds) { m_delay = seconds; }
    float getFadeDelay() const { return m_delay; }
    // Alpha units per second.
    void setFadeSpeed(float speed) { m_alpha.setSpeed(speed); }
    float getAlpha() const { return m_alpha.getCurrent(); }
    bool isWaiting() const { return m_waiting; }

    // Both debug shapes (the pointer box and the alpha text) share one key.
    int key() override { return GuiButton::key(); }

private:
    Lerp<float> m_alpha;
    float m_delay = 1.0f;
    float m_timer = 0.0f;
    bool m_waiting = false;
    int m_shownAlpha = -1;  // the number in the debug text
};
