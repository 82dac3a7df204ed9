#pragma once

// Anything updated once per frame. Registers itself while it lives; an
// inactive object keeps its place in the update order.
class Logic {
public:
    Logic();
    virtual ~Logic();
    Logic(const Logic&) = delete;
    Logic& operator=(const Logic&) = delete;

    virtual void setActive(bool active) { m_active = active; }
    virtual void update(float dt) = 0;

    bool isActive() const { return m_active; }

protected:
    bool m_active = true;
};
