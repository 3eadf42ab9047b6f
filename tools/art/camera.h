#pragma once
// A fixed pinhole camera over a football ground. World metres: x along the
// pitch from the left goal line (0) to the right one (105), y across it from
// the far touchline (0) to the near one (68), z up.
namespace art {

struct Vec3 {
    double x = 0, y = 0, z = 0;
};

struct ScreenPoint {
    double x = 0, y = 0;
    double scale = 0;   // pixels per metre at that depth
    bool visible = false;  // in front of the camera
};

class Camera {
public:
    Camera() = default;
    // Looks from `eye` at `target`; `span` metres across the picture at the
    // target's distance fill `width` pixels.
    Camera(Vec3 eye, Vec3 target, double span, int width, int height);

    ScreenPoint Project(Vec3 p) const;
    // The ray through pixel (sx, sy) meets the plane z = h at `out`; false
    // when it points away from the plane.
    bool Ground(double sx, double sy, double h, Vec3& out) const;
    // The ray through the pixel meets the vertical plane y = `planeY`.
    bool WallY(double sx, double sy, double planeY, Vec3& out) const;
    // The ray through the pixel meets the vertical plane x = `planeX`.
    bool WallX(double sx, double sy, double planeX, Vec3& out) const;
    Vec3 Eye() const { return eye_; }
    Vec3 Ray(double sx, double sy) const;

private:
    Vec3 eye_, fwd_, right_, up_;
    double focal_ = 1;
    double cx_ = 0, cy_ = 0;
};

}  // namespace art
