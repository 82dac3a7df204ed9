#pragma once

#include <memory>
#include <string>
#include <vector>

#include "gui/GuiBase.h"

// The container widget: an optional frame, pictures and child widgets.
class GuiWindow : public GuiBase {
public:
    // From a "gui.xml" record; `buildChildren` also builds its child records.
    GuiWindow(TiXmlElement* element, bool buildChildren, GuiBase* parent);
    GuiWindow(const std::string& name, const std::string& image, const hgeVector& position,
              const hgeVector& size, GuiBase* parent, bool frame);
    ~GuiWindow() override;

    // Children d + 0.001, pictures d + 0.002, frame pieces d - 0.001.
    void setDepth(float depth) override;
    using GuiBase::setDepth;
    // Grown by the frame, which is part of the clickable area.
    void getBoundingBox(hgeRect& rect) override;
    void setVisible(bool visible) override;

    // An "image" element: "gfx", "size" and "position" (relative to the window).
    void addImage(TiXmlElement* element);
    void addImage(const std::string& image, const hgeVector& position,
                  const hgeVector& size = hgeVector(0, 0));

    const std::vector<std::unique_ptr<Sprite>>& getPictures() const { return m_pictures; }
    std::size_t getPictureCount() const { return m_pictures.size(); }

private:
    std::vector<std::unique_ptr<Sprite>> m_pictures;
};
