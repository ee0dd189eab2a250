// The stationary points of the line search: real roots of a cubic, and the
// choice among them by the value of the quartic loss model.
#include <algorithm>
#include <cmath>

#include "engine/korva/fit.h"

namespace engine::korva {

namespace {

constexpr float kTiny = 1.0E-12f;

// The real cube root of x with its sign, the power taken in single precision.
float cubeRoot(float x) {
  const float r = std::pow(std::fabs(x), 1.0f / 3.0f);
  return x < 0.0f ? -r : r;
}

// Roots of y^3 - P y - Q = 0 shifted back by h (t = y - h).
CubicRoots depressedCubic(float h, float P, float Q) {
  CubicRoots r;
  const float delta = (Q / 2.0f) * (Q / 2.0f) - (P / 3.0f) * (P / 3.0f) * (P / 3.0f);
  if (std::fabs(P) < kTiny) {
    r.count = 1;
    r.t[0] = std::fabs(Q) < kTiny ? -h : cubeRoot(Q) - h;
  } else if (std::fabs(delta) < kTiny) {
    r.count = 2;
    r.t[0] = -(Q / 2.0f) / (P / 3.0f) - h;
    r.t[1] = Q / (P / 3.0f) - h;
  } else if (delta < 0.0f) {
    const float rho = std::sqrt(P / 3.0f);
    // Rounding can push the cosine a hair outside [-1, 1]; the angle is then 0 or pi.
    const float cosine = std::clamp((Q / 2.0f) / (rho * (P / 3.0f)), -1.0f, 1.0f);
    const float phi = std::acos(cosine);
    const float third = (2.0f / 3.0f) * std::asin(1.0f);
    r.count = 3;
    r.t[0] = 2.0f * rho * std::cos(phi / 3.0f) - h;
    r.t[1] = -2.0f * rho * std::cos(third - phi / 3.0f) - h;
    r.t[2] = -2.0f * rho * std::cos(third + phi / 3.0f) - h;
  } else {
    const float root = std::sqrt(delta);
    r.count = 1;
    r.t[0] = cubeRoot(Q / 2.0f + root) + cubeRoot(Q / 2.0f - root) - h;
  }
  return r;
}

// t^3 + b t^2 + c t + d = 0. The branch tests are made on the cubic in
// u = t / tau, tau the size of the roots, so that they do not depend on the
// scale of the step (which shrinks with the number of points).
CubicRoots monicCubic(float b, float c, float d) {
  float tau = std::max({std::fabs(b), std::sqrt(std::fabs(c)), std::cbrt(std::fabs(d))});
  if (tau == 0.0f) tau = 1.0f;
  b = b / tau;
  c = c / (tau * tau);
  d = d / (tau * tau * tau);
  const float h = b / 3.0f;
  const float P = b * b / 3.0f - c;
  const float Q = c * h - 2.0f * h * h * h - d;
  CubicRoots r = depressedCubic(h, P, Q);
  for (int i = 0; i < r.count; ++i) r.t[i] = tau * r.t[i];
  return r;
}

CubicRoots quadratic(float b, float c, float d) {
  CubicRoots r;
  const float disc = c * c - 4.0f * b * d;
  if (disc < 0.0f) return r;
  if (std::fabs(b) >= kTiny) {
    r.count = 2;
    r.t[0] = -(c + std::sqrt(disc)) / (2.0f * b);
    r.t[1] = (std::sqrt(disc) - c) / (2.0f * b);
  } else if (std::fabs(c) >= kTiny) {
    r.count = 1;
    r.t[0] = -d / c;
  } else if (std::fabs(d) < kTiny) {
    r.count = 999;
  }
  return r;
}

}  // namespace

CubicRoots CUBSOL(float a, float b, float c, float d) {
  if (std::fabs(a) >= kTiny) return monicCubic(b / a, c / a, d / a);
  return quadratic(b, c, d);
}

int QRTMIN(float q4, float q3, float q2, float q1, const CubicRoots& roots) {
  int chosen = 0;
  float least = 1.0E20f;
  for (int i = 0; i < roots.count && i < 3; ++i) {
    const float t = roots.t[i];
    const float value = (((q4 * t + q3) * t + q2) * t + q1) * t;
    if (value <= least) {
      least = value;
      chosen = i;
    }
  }
  return chosen;
}

}  // namespace engine::korva
