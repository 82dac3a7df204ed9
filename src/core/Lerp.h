#pragma once

#include "engine/hgevector.h"

// Moves a current value toward a target at a constant speed (units per
// second). Used for fades, slides and the camera.
template <class T>
class UnboundLerp;

template <>
class UnboundLerp<float> {
public:
    explicit UnboundLerp(float speed = 1.0f, float value = 0.0f)
        : m_current(value), m_speed(speed), m_target(value) {}
    virtual ~UnboundLerp() = default;

    virtual float getCurrent() const { return m_current; }
    virtual float getTarget() const { return m_target; }
    virtual void set(float value) { m_current = m_target = value; }
    virtual void setTarget(float target) { m_target = target; }
    virtual bool isDone() const { return m_current == m_target; }
    virtual void update(float dt) {
        if (m_target > m_current) {
            m_current += m_speed * dt;
            if (m_current > m_target) {
                m_current = m_target;
            }
        } else if (m_target < m_current) {
            m_current -= m_speed * dt;
            if (m_current < m_target) {
                m_current = m_target;
            }
        }
    }

    float getSpeed() const { return m_speed; }
    void setSpeed(float speed) { m_speed = speed; }

protected:
    float m_current;
    float m_speed;
    float m_target;
};

template <>
class UnboundLerp<hgeVector> {
public:
    // The speed is a vector whose length is the speed.
    explicit UnboundLerp(float speed = 1.0f, hgeVector value = hgeVector(0, 0))
        : m_current(value), m_speed(speed, 0), m_target(value) {}
    virtual ~UnboundLerp() = default;

    virtual hgeVector getCurrent() const { return m_current; }
    virtual hgeVector getTarget() const { return m_target; }
    virtual void set(const hgeVector& value) { m_current = m_target = value; }
    virtual void setTarget(const hgeVector& target) { m_target = target; }
    virtual bool isDone() const { return m_current.x == m_target.x && m_current.y == m_target.y; }
    virtual void update(float dt) {
        hgeVector delta = m_target - m_current;
        const float distance = delta.Length();
        hgeVector step = *delta.Normalize() * (m_speed.Length() * dt);
        if (step.Length() <= distance) {
            m_current = m_current + step;
        } else {
            m_current = m_target;
        }
    }

protected:
    hgeVector m_current;
    hgeVector m_speed;
    hgeVector m_target;
};

// A float interpolator clamped to [min, max] after every step.
template <class T>
class Lerp;

template <>
class Lerp<float> : public UnboundLerp<float> {
public:
    Lerp(float speed, float value, float min, float max)
        : UnboundLerp<float>(speed, value), m_min(min), m_max(max) {}
    explicit Lerp(float speed = 1.0f, float value = 0.0f) : Lerp(speed, value, 0.0f, 1.0f) {}

    void update(float dt) override {
        UnboundLerp<float>::update(dt);
        if (m_current > m_max) {
            m_current = m_max;
        } else if (m_current < m_min) {
            m_current = m_min;
        }
    }
    virtual void targetMax() { m_target = m_max; }
    virtual void targetMin() { m_target = m_min; }
    virtual void setMax(float max) { m_max = max; }
    virtual void setMin(float min) { m_min = min; }

    float getMin() const { return m_min; }
    float getMax() const { return m_max; }

private:
    float m_min;
    float m_max;
};

template <>
class Lerp<hgeVector> : public UnboundLerp<hgeVector> {
public:
    using UnboundLerp<hgeVector>::UnboundLerp;
};
