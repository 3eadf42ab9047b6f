#include "camera.h"

#include <cmath>

namespace art {

namespace {

Vec3 Sub(Vec3 a, Vec3 b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
double Dot(Vec3 a, Vec3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
Vec3 Cross(Vec3 a, Vec3 b) { return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x}; }
Vec3 Norm(Vec3 a) {
    const double l = std::sqrt(Dot(a, a));
    return l > 0 ? Vec3{a.x / l, a.y / l, a.z / l} : a;
}

}  // namespace

Camera::Camera(Vec3 eye, Vec3 target, double span, int width, int height) : eye_(eye) {
    fwd_ = Norm(Sub(target, eye));
    // With y growing towards the viewer, up x forward points to the right
    // of the picture.
    right_ = Norm(Cross(Vec3{0, 0, 1}, fwd_));
    up_ = Cross(fwd_, right_);
    if (up_.z < 0) up_ = {-up_.x, -up_.y, -up_.z};
    const double dist = std::sqrt(Dot(Sub(target, eye), Sub(target, eye)));
    focal_ = width * dist / span;
    cx_ = width / 2.0;
    cy_ = height / 2.0;
}

ScreenPoint Camera::Project(Vec3 p) const {
    const Vec3 d = Sub(p, eye_);
    const double z = Dot(d, fwd_);
    ScreenPoint s;
    if (z <= 0.05) return s;
    s.visible = true;
    s.x = cx_ + focal_ * Dot(d, right_) / z;
    s.y = cy_ - focal_ * Dot(d, up_) / z;
    s.scale = focal_ / z;
    return s;
}

Vec3 Camera::Ray(double sx, double sy) const {
    const double a = (sx - cx_) / focal_, b = -(sy - cy_) / focal_;
    return Norm({fwd_.x + a * right_.x + b * up_.x, fwd_.y + a * right_.y + b * up_.y, fwd_.z + a * right_.z + b * up_.z});
}

bool Camera::Ground(double sx, double sy, double h, Vec3& out) const {
    const Vec3 r = Ray(sx, sy);
    if (std::fabs(r.z) < 1e-9) return false;
    const double t = (h - eye_.z) / r.z;
    if (t <= 0) return false;
    out = {eye_.x + r.x * t, eye_.y + r.y * t, h};
    return true;
}

bool Camera::WallY(double sx, double sy, double planeY, Vec3& out) const {
    const Vec3 r = Ray(sx, sy);
    if (std::fabs(r.y) < 1e-9) return false;
    const double t = (planeY - eye_.y) / r.y;
    if (t <= 0) return false;
    out = {eye_.x + r.x * t, planeY, eye_.z + r.z * t};
    return true;
}

bool Camera::WallX(double sx, double sy, double planeX, Vec3& out) const {
    const Vec3 r = Ray(sx, sy);
    if (std::fabs(r.x) < 1e-9) return false;
    const double t = (planeX - eye_.x) / r.x;
    if (t <= 0) return false;
    out = {planeX, eye_.y + r.y * t, eye_.z + r.z * t};
    return true;
}

}  // namespace art
