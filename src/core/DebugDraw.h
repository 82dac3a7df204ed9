#pragma once

#include <memory>
#include <string>
#include <vector>

#include "core/Singleton.h"
#include "engine/hgevector.h"

class HGE;
class Text;

// Developer overlays: outlines, dots and texts drawn above everything while a
// chosen key is held. Active only when the constant "debugDraw" is set.
namespace DebugDraw {

class Base;

class Renderer : public Singleton<Renderer> {
public:
    Renderer();
    ~Renderer() override;

    void reg(Base* shape);
    void unreg(Base* shape);
    // Draws each shape whose key is held.
    void render();

    bool isEnabled() const { return m_enabled; }
    void setEnabled(bool enabled) { m_enabled = enabled; }
    std::size_t count() const { return m_shapes.size(); }
    HGE* hge() const { return m_hge; }

private:
    std::vector<Base*> m_shapes;
    bool m_enabled;
    HGE* m_hge;
};

class Base {
public:
    Base();
    virtual ~Base();
    Base(const Base&) = delete;
    Base& operator=(const Base&) = delete;

    virtual void draw() = 0;
    virtual int key() = 0;
    virtual unsigned int color() { return 0xFFFFFFFF; }
    virtual bool isEnabled() { return Renderer::instance()->isEnabled(); }
};

// An outlined rectangle; widgets show their pointer boxes with it.
class Rect : public Base {
public:
    void draw() override;
    virtual hgeVector topLeft() = 0;
    virtual hgeVector bottomRight() = 0;
};

// An X around a point.
class Dot : public Base {
public:
    void draw() override;
    virtual float size() { return 5.0f; }
    virtual hgeVector dotPosition() = 0;
};

// A line of text in the small font, at a screen position.
class DebugText : public Base {
public:
    explicit DebugText(const hgeVector& position = hgeVector(0, 0));
    ~DebugText() override;
    void draw() override;
    void setText(const std::string& text);
    void setPosition(const hgeVector& position) { m_position = position; }

private:
    hgeVector m_position;
    std::unique_ptr<Text> m_text;
};

// Several shapes shown together under one key.
class Group : public Base {
public:
    void draw() override;
    void add(Base* member) { m_members.push_back(member); }

private:
    std::vector<Base*> m_members;
};

}  // namespace DebugDraw
