#pragma once

#include <string>

#include "core/Logic.h"
#include "core/Sprite.h"

class HGE;

// The mouse pointer: a 28 x 38 sprite whose top-left pixel is the tip, moved
// to the mouse every frame and drawn above everything else.
class Cursor : public Sprite, public Logic {
public:
    explicit Cursor(const std::string& image);
    ~Cursor() override;

    void create(const std::string& image);
    void update(float dt) override;

private:
    HGE* m_hge = nullptr;
};
