#pragma once
// Complex field vectors (phasors) and the fields of a segment's three
// current terms.

#include <array>
#include <complex>

#include "mom/vec3.h"

namespace kvarn::mom {

using Complex = std::complex<double>;

struct CVec3 {
    Complex x, y, z;
};

inline CVec3 operator+(const CVec3& a, const CVec3& b) {
    return {a.x + b.x, a.y + b.y, a.z + b.z};
}
inline CVec3& operator+=(CVec3& a, const CVec3& b) {
    return a = a + b;
}
inline CVec3 operator*(Complex s, const CVec3& a) {
    return {s * a.x, s * a.y, s * a.z};
}
inline CVec3 operator*(Complex s, Vec3 a) {
    return {s * a.x, s * a.y, s * a.z};
}
inline Complex dot(const CVec3& a, Vec3 b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}
// Sum of the squared magnitudes of the components.
inline double normSquared(const CVec3& a) {
    return std::norm(a.x) + std::norm(a.y) + std::norm(a.z);
}

// The field of a segment's constant, sine and cosine current terms, each
// for an amplitude of 1 A.
struct TermFields {
    CVec3 constant, sine, cosine;
};

inline TermFields operator+(const TermFields& a, const TermFields& b) {
    return {a.constant + b.constant, a.sine + b.sine, a.cosine + b.cosine};
}
inline TermFields operator*(Complex s, const TermFields& a) {
    return {s * a.constant, s * a.sine, s * a.cosine};
}

} // namespace kvarn::mom
