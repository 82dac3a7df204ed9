// A 2-D vector of floats in screen pixels (y downwards).
#pragma once

#include <cmath>
#include <cstdint>
#include <cstring>

// Fast inverse square root: the magic constant and one Newton step. Close to
// 1/sqrt(x) (about 0.2 % off), which is all that normalising needs.
inline float InvSqrt(float x) {
    float half = 0.5f * x;
    uint32_t bits;
    std::memcpy(&bits, &x, sizeof bits);
    bits = 0x5f3759df - (bits >> 1);
    std::memcpy(&x, &bits, sizeof bits);
    return x * (1.5f - half * x * x);
}

class hgeVector {
public:
    float x, y;

    hgeVector(float vx, float vy) : x(vx), y(vy) {}
    hgeVector() : x(0), y(0) {}

    hgeVector operator-() const { return hgeVector(-x, -y); }
    hgeVector operator-(const hgeVector& v) const { return hgeVector(x - v.x, y - v.y); }
    hgeVector operator+(const hgeVector& v) const { return hgeVector(x + v.x, y + v.y); }
    hgeVector& operator-=(const hgeVector& v) {
        x -= v.x;
        y -= v.y;
        return *this;
    }
    hgeVector& operator+=(const hgeVector& v) {
        x += v.x;
        y += v.y;
        return *this;
    }
    bool operator==(const hgeVector& v) const { return x == v.x && y == v.y; }
    bool operator!=(const hgeVector& v) const { return !(*this == v); }

    hgeVector operator/(float s) const { return hgeVector(x / s, y / s); }
    hgeVector operator*(float s) const { return hgeVector(x * s, y * s); }
    hgeVector& operator*=(float s) {
        x *= s;
        y *= s;
        return *this;
    }
    hgeVector& operator/=(float s) {
        x /= s;
        y /= s;
        return *this;
    }

    float Dot(const hgeVector& v) const { return x * v.x + y * v.y; }
    float Dot(const hgeVector* v) const { return Dot(*v); }
    float Length() const { return std::sqrt(Dot(*this)); }

    // The zero vector stays zero (the approximation stays finite at 0).
    hgeVector* Normalize() {
        float rc = InvSqrt(Dot(*this));
        x *= rc;
        y *= rc;
        return this;
    }

    // Without an argument: the direction of this vector (atan2). With one:
    // the unsigned angle between the two, in radians.
    float Angle(const hgeVector* v = nullptr) const {
        if (!v) {
            return std::atan2(y, x);
        }
        hgeVector s = *this;
        hgeVector t = *v;
        s.Normalize();
        t.Normalize();
        // The approximate normalisation can push the cosine just past 1.
        float c = s.Dot(t);
        c = c > 1.f ? 1.f : (c < -1.f ? -1.f : c);
        return std::acos(c);
    }

    hgeVector* Rotate(float a) {
        float c = std::cos(a);
        float s = std::sin(a);
        float vx = x * c - y * s;
        float vy = x * s + y * c;
        x = vx;
        y = vy;
        return this;
    }
};

inline hgeVector operator*(float s, const hgeVector& v) {
    return v * s;
}
inline float operator^(const hgeVector& v, const hgeVector& u) {
    return v.Angle(&u);
}
inline float operator%(const hgeVector& v, const hgeVector& u) {
    return v.Dot(u);
}
