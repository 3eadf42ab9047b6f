#include "figure.h"

#include <algorithm>
#include <cmath>

namespace art {

namespace {

constexpr double kPi = 3.14159265358979323846;
double Deg(double d) { return d * kPi / 180.0; }

struct P {
    double u = 0, v = 0;  // forward (or sideways when front-on) and up, in heights
};

struct Limb {
    P root, mid, end;
};

// Joints of one figure in heights, feet at the origin.
struct Skeleton {
    bool front = false;
    P hip{0, 0.50}, chest{0.0, 0.70}, shoulderN{0, 0.79}, shoulderF{0, 0.79}, neck{0, 0.84}, head{0, 0.91};
    Limb legN, legF, armN, armF;
    bool propInN = false;  // the near hand holds the prop
    double headDrop = 0;   // bows the head forward
};

constexpr double kThigh = 0.25, kShin = 0.25, kUpperArm = 0.155, kForeArm = 0.145;

P At(P o, double angleFromDown, double len) { return {o.u + std::sin(angleFromDown) * len, o.v - std::cos(angleFromDown) * len}; }

Limb Leg(P hip, double thigh, double shin) {
    Limb l{hip, At(hip, Deg(thigh), kThigh), {}};
    l.end = At(l.mid, Deg(shin), kShin);
    return l;
}
Limb Arm(P shoulder, double upper, double fore) {
    Limb l{shoulder, At(shoulder, Deg(upper), kUpperArm), {}};
    l.end = At(l.mid, Deg(fore), kForeArm);
    return l;
}

void SideTorso(Skeleton& s, double lean) {
    // Leans the upper body forward by `lean` degrees about the hip.
    const double a = Deg(lean);
    auto up = [&](double len) { return P{s.hip.u + std::sin(a) * len, s.hip.v + std::cos(a) * len}; };
    s.chest = up(0.20);
    s.shoulderN = s.shoulderF = up(0.29);
    s.neck = up(0.34);
    s.head = up(0.41);
}

void FrontTorso(Skeleton& s) {
    s.front = true;
    s.chest = {0, s.hip.v + 0.2};
    s.shoulderN = {0.105, s.hip.v + 0.28};
    s.shoulderF = {-0.105, s.hip.v + 0.28};
    s.neck = {0, s.hip.v + 0.34};
    s.head = {0, s.hip.v + 0.41};
}

Skeleton Build(const PoseState& ps) {
    Skeleton s;
    const double ph = ps.phase - std::floor(ps.phase);
    const double a = 2 * kPi * ph;
    switch (ps.pose) {
    case Pose::Run:
    case Pose::Walk:
    case Pose::Limp:
    case Pose::Carry: {
        const bool run = ps.pose == Pose::Run;
        const double amp = run ? 38 : ps.pose == Pose::Limp ? 14 : 22;
        const double t1 = amp * std::sin(a), t2 = -t1;
        const double b1 = (run ? 20 : 6) + (run ? 70 : 25) * std::max(0.0, std::sin(a + 2.2));
        const double b2 = (run ? 20 : 6) + (run ? 70 : 25) * std::max(0.0, std::sin(a + 2.2 + kPi));
        s.hip.v = 0.5 - (run ? 0.03 : 0.01) + (run ? 0.025 : 0.008) * std::fabs(std::cos(a));
        SideTorso(s, run ? 12 : ps.pose == Pose::Limp ? 10 : 4);
        s.legN = Leg(s.hip, t1, t1 - b1);
        s.legF = Leg(s.hip, t2, t2 - b2);
        if (ps.pose == Pose::Carry) {
            s.armN = Arm(s.shoulderN, 25, 60);
            s.armF = Arm(s.shoulderF, 25, 60);
        } else {
            s.armN = Arm(s.shoulderN, -t1 * 1.1, -t1 * 1.1 + (run ? 85 : 20));
            s.armF = Arm(s.shoulderF, t1 * 1.1, t1 * 1.1 + (run ? 85 : 20));
        }
        break;
    }
    case Pose::Kick: {
        SideTorso(s, -6);
        double thigh, shin;
        if (ph < 0.4) {
            const double k = ph / 0.4;
            thigh = -10 - 25 * k;
            shin = thigh - 40 - 50 * k;
        } else if (ph < 0.6) {
            const double k = (ph - 0.4) / 0.2;
            thigh = -35 + 85 * k;
            shin = -125 + 185 * k;
        } else {
            const double k = (ph - 0.6) / 0.4;
            thigh = 50 + 25 * k;
            shin = 60 + 20 * k;
        }
        s.legN = Leg(s.hip, thigh, shin);
        s.legF = Leg(s.hip, -8, -10);
        s.armN = Arm(s.shoulderN, -55, -30);
        s.armF = Arm(s.shoulderF, 70, 90);
        break;
    }
    case Pose::Header: {
        SideTorso(s, 15 - 30 * ph);
        s.legN = Leg(s.hip, 20, -40);
        s.legF = Leg(s.hip, -10, -50);
        s.armN = Arm(s.shoulderN, 110, 130);
        s.armF = Arm(s.shoulderF, 120, 140);
        break;
    }
    case Pose::Dive:
    case Pose::Catch: {
        FrontTorso(s);
        s.legN = Leg(s.hip, 12, 8);
        s.legF = Leg(s.hip, -12, -8);
        if (ps.pose == Pose::Catch) {
            s.legN = Leg(s.hip, 6, 2);
            s.legF = Leg(s.hip, -6, -2);
            s.armN = Arm(s.shoulderN, -30, -120);
            s.armF = Arm(s.shoulderF, 30, 120);
        } else {
            s.armN = Arm(s.shoulderN, 165, 170);
            s.armF = Arm(s.shoulderF, 150, 165);
        }
        break;
    }
    case Pose::Fall:
    case Pose::Lie: {
        SideTorso(s, 8);
        s.legN = Leg(s.hip, 10, -20);
        s.legF = Leg(s.hip, -15, -25);
        s.armN = Arm(s.shoulderN, 120, 160);
        s.armF = Arm(s.shoulderF, 80, 120);
        break;
    }
    case Pose::Kneel: {
        s.hip.v = 0.33;
        SideTorso(s, 25);
        s.legN = Leg(s.hip, 5, -95);
        s.legF = Leg(s.hip, -5, -95);
        s.armN = Arm(s.shoulderN, 20, 40);
        s.armF = Arm(s.shoulderF, 15, 35);
        s.headDrop = 0.03;
        break;
    }
    case Pose::KneeSlide: {
        s.hip.v = 0.33;
        SideTorso(s, -25);
        s.legN = Leg(s.hip, 5, -95);
        s.legF = Leg(s.hip, -5, -95);
        s.armN = Arm(s.shoulderN, 150, 160);
        s.armF = Arm(s.shoulderF, -150, -160);
        break;
    }
    case Pose::Crouch: {
        s.hip.v = 0.32;
        SideTorso(s, 30);
        s.legN = Leg(s.hip, 80, -10);
        s.legF = Leg(s.hip, -5, -100);
        s.armN = Arm(s.shoulderN, 60, 80);
        s.armF = Arm(s.shoulderF, 50, 70);
        break;
    }
    case Pose::Tackle: {
        s.hip.v = 0.14;
        SideTorso(s, -55);
        s.legN = Leg(s.hip, 88, 90);
        s.legF = Leg(s.hip, 40, -30);
        s.armN = Arm(s.shoulderN, -100, -100);
        s.armF = Arm(s.shoulderF, 40, 60);
        break;
    }
    case Pose::Point:
    case Pose::Whistle:
    case Pose::RaiseArm:
    case Pose::Hug:
    case Pose::Handshake:
    case Pose::Shout:
    case Pose::Throw:
    case Pose::Watch: {
        SideTorso(s, ps.pose == Pose::Shout ? 12 : 0);
        s.legN = Leg(s.hip, 6, 4);
        s.legF = Leg(s.hip, -6, -4);
        s.armF = Arm(s.shoulderF, -6, -4);
        s.armN = Arm(s.shoulderN, 6, 4);
        if (ps.pose == Pose::Point) s.armN = Arm(s.shoulderN, 95, 95);
        if (ps.pose == Pose::Whistle) s.armN = Arm(s.shoulderN, 40, 170);
        if (ps.pose == Pose::RaiseArm) s.armN = Arm(s.shoulderN, 172, 176);
        if (ps.pose == Pose::Hug) {
            s.armN = Arm(s.shoulderN, 80, 100);
            s.armF = Arm(s.shoulderF, 75, 95);
        }
        if (ps.pose == Pose::Handshake) s.armN = Arm(s.shoulderN, 45, 80);
        if (ps.pose == Pose::Shout) s.armN = Arm(s.shoulderN, 120 + 15 * std::sin(a), 130 + 15 * std::sin(a));
        if (ps.pose == Pose::Throw) {
            const double ang = 200 - 80 * ph;
            s.armN = Arm(s.shoulderN, ang, ang + 30);
            s.armF = Arm(s.shoulderF, ang - 5, ang + 25);
            s.legN = Leg(s.hip, 15, 5);
        }
        if (ps.pose == Pose::Watch) {
            // The wrist comes up over the first half of the phase.
            const double k = std::min(1.0, ps.phase * 2.0);
            s.armF = Arm(s.shoulderF, 10 + 45 * k, 10 + 135 * k);
            s.headDrop = 0.025 * k;
        }
        s.propInN = true;
        break;
    }
    case Pose::Stand:
    case Pose::ArmsUp:
    case Pose::Jump:
    case Pose::Protest:
    case Pose::Clap:
    case Pose::Wave:
    case Pose::HoldUp:
    case Pose::Stretch: {
        FrontTorso(s);
        s.legN = Leg({0.05, s.hip.v}, 5, 3);
        s.legF = Leg({-0.05, s.hip.v}, -5, -3);
        s.armN = Arm(s.shoulderN, 12, 8);
        s.armF = Arm(s.shoulderF, -12, -8);
        if (ps.pose == Pose::ArmsUp) {
            const double w = 8 * std::sin(a);
            s.armN = Arm(s.shoulderN, 150 + w, 165 + w);
            s.armF = Arm(s.shoulderF, -150 - w, -165 - w);
        }
        if (ps.pose == Pose::Jump) {
            s.legN = Leg({0.05, s.hip.v}, 20, -20);
            s.legF = Leg({-0.05, s.hip.v}, -20, 20);
            s.armN = Arm(s.shoulderN, 140, 175);
            s.armF = Arm(s.shoulderF, -140, -175);
        }
        if (ps.pose == Pose::Protest) {
            s.armN = Arm(s.shoulderN, 70, 100);
            s.armF = Arm(s.shoulderF, -70, -100);
        }
        if (ps.pose == Pose::Clap) {
            const double c = 12 * std::sin(a);
            s.armN = Arm(s.shoulderN, 25, -60 - c);
            s.armF = Arm(s.shoulderF, -25, 60 + c);
        }
        if (ps.pose == Pose::Wave) {
            const double c = 18 * std::sin(a);
            s.armN = Arm(s.shoulderN, 150, 150 + c);
            s.propInN = true;
        }
        if (ps.pose == Pose::HoldUp) {
            s.armN = Arm(s.shoulderN, 168, 178);
            s.armF = Arm(s.shoulderF, -168, -178);
        }
        if (ps.pose == Pose::Stretch) {
            const double c = 20 * std::sin(a);
            s.armN = Arm(s.shoulderN, 160 + c, 175 + c);
            s.armF = Arm(s.shoulderF, -160 + c, -175 + c);
        }
        break;
    }
    }
    return s;
}

P Rotate(P p, P pivot, double angle) {
    const double c = std::cos(angle), si = std::sin(angle);
    const double du = p.u - pivot.u, dv = p.v - pivot.v;
    return {pivot.u + du * c - dv * si, pivot.v + du * si + dv * c};
}

void RotateAll(Skeleton& s, P pivot, double angle) {
    for (P* p : {&s.hip, &s.chest, &s.shoulderN, &s.shoulderF, &s.neck, &s.head}) *p = Rotate(*p, pivot, angle);
    for (Limb* l : {&s.legN, &s.legF, &s.armN, &s.armF})
        for (P* p : {&l->root, &l->mid, &l->end}) *p = Rotate(*p, pivot, angle);
}

void Lift(Skeleton& s, double dv) {
    for (P* p : {&s.hip, &s.chest, &s.shoulderN, &s.shoulderF, &s.neck, &s.head}) p->v += dv;
    for (Limb* l : {&s.legN, &s.legF, &s.armN, &s.armF})
        for (P* p : {&l->root, &l->mid, &l->end}) p->v += dv;
}

double LowestV(const Skeleton& s) {
    double low = s.head.v - 0.07;
    for (const Limb* l : {&s.legN, &s.legF, &s.armN, &s.armF}) low = std::min({low, l->mid.v, l->end.v});
    return std::min(low, s.hip.v - 0.06);
}

struct Painter {
    Canvas8& c;
    double ox, oy, h;
    int dir;
    double X(P p) const { return ox + p.u * h * dir; }
    double Y(P p) const { return oy - p.v * h; }
    void Cap(P a, P b, double ra, double rb, Shade s) const {
        c.Capsule(X(a), Y(a), X(b), Y(b), std::max(0.6, ra * h), std::max(0.6, rb * h), s);
    }
};

Shade Darker(Shade s) { return {s.mid, s.shade, s.shade}; }

P Lerp(P a, P b, double t) { return {a.u + (b.u - a.u) * t, a.v + (b.v - a.v) * t}; }

void DrawLeg(const Painter& pt, const Limb& l, const FigureStyle& st, bool far) {
    auto d = [&](Shade s) { return far ? Darker(s) : s; };
    if (st.trousers) {
        pt.Cap(l.root, l.mid, 0.047, 0.038, d(st.shorts));
        pt.Cap(l.mid, l.end, 0.038, 0.032, d(st.shorts));
    } else {
        pt.Cap(l.root, l.mid, 0.043, 0.035, d(st.skin));
        pt.Cap(Lerp(l.mid, l.end, 0.25), l.end, 0.034, 0.028, d(st.socks));
        pt.Cap(l.mid, Lerp(l.mid, l.end, 0.25), 0.033, 0.033, d(st.skin));
        pt.Cap(l.root, Lerp(l.root, l.mid, 0.45), 0.056, 0.05, d(st.shorts));
    }
    // The boot points forward, or towards the viewer's side when front-on.
    const P toe{l.end.u + 0.06, l.end.v - 0.005};
    pt.Cap(l.end, toe, 0.027, 0.022, Flat(st.boots));
}

void DrawArm(const Painter& pt, const Limb& l, const FigureStyle& st, bool far) {
    auto d = [&](Shade s) { return far ? Darker(s) : s; };
    pt.Cap(l.root, l.mid, 0.036, 0.03, d(st.shirt));
    pt.Cap(l.mid, l.end, 0.03, 0.026, d(st.longSleeves ? st.shirt : st.skin));
    const bool gloves = st.gloves.lit != 0;
    pt.Cap(l.end, l.end, 0.032, 0.032, d(gloves ? st.gloves : st.skin));
}

void DrawProp(const Painter& pt, const Skeleton& s, const FigureStyle& st) {
    if (st.prop == Prop::None) return;
    const P hand = s.propInN ? s.armN.end : s.armN.end;
    const double h = pt.h;
    const double x = pt.X(hand), y = pt.Y(hand);
    if (st.prop == Prop::Card) {
        pt.c.FillRect(static_cast<int>(x - 0.03 * h), static_cast<int>(y - 0.1 * h), static_cast<int>(x + 0.03 * h),
                      static_cast<int>(y - 0.005 * h), st.propColour.mid);
        pt.c.FillRect(static_cast<int>(x - 0.03 * h), static_cast<int>(y - 0.1 * h), static_cast<int>(x - 0.01 * h),
                      static_cast<int>(y - 0.005 * h), st.propColour.lit);
    } else if (st.prop == Prop::Flag) {
        pt.c.Line(x, y + 0.05 * h, x, y - 0.2 * h, st.outline);
        const double fx = x + 0.005 * h * pt.dir;
        for (int i = 0; i < static_cast<int>(0.12 * h); ++i) {
            const double yy = y - 0.2 * h + i;
            const double len = 0.14 * h;
            for (int k = 0; k < static_cast<int>(len); ++k) {
                const bool check = ((k * 4 / std::max(1, static_cast<int>(len))) + (i * 3 / std::max(1, static_cast<int>(0.12 * h)))) % 2;
                pt.c.Set(static_cast<int>(fx + k * pt.dir), static_cast<int>(yy), check ? st.propColour.lit : st.propDetail);
            }
        }
    } else if (st.prop == Prop::Board) {
        const double top = pt.Y(s.armN.end) - 0.16 * h;
        const double cx = pt.X(P{0, 0});
        pt.c.FillRect(static_cast<int>(cx - 0.13 * h), static_cast<int>(top), static_cast<int>(cx + 0.13 * h),
                      static_cast<int>(top + 0.16 * h), st.outline);
        pt.c.FillRect(static_cast<int>(cx - 0.12 * h), static_cast<int>(top + 0.01 * h), static_cast<int>(cx + 0.12 * h),
                      static_cast<int>(top + 0.15 * h), st.propColour.shade);
        // Two numbers in lit segments.
        for (int d = 0; d < 2; ++d) {
            const double dx = cx - 0.1 * h + d * 0.11 * h;
            pt.c.FillRect(static_cast<int>(dx), static_cast<int>(top + 0.03 * h), static_cast<int>(dx + 0.07 * h),
                          static_cast<int>(top + 0.045 * h), st.propDetail);
            pt.c.FillRect(static_cast<int>(dx + 0.055 * h), static_cast<int>(top + 0.03 * h), static_cast<int>(dx + 0.07 * h),
                          static_cast<int>(top + 0.13 * h), st.propDetail);
            pt.c.FillRect(static_cast<int>(dx), static_cast<int>(top + 0.075 * h), static_cast<int>(dx + 0.07 * h),
                          static_cast<int>(top + 0.09 * h), st.propDetail);
        }
    }
}

void DrawHead(const Painter& pt, const Skeleton& s, const FigureStyle& st) {
    const double r = 0.066 * pt.h;
    P head = s.head;
    head.u += s.headDrop;
    head.v -= s.headDrop;
    const double x = pt.X(head), y = pt.Y(head);
    pt.Cap(s.neck, head, 0.028, 0.028, st.skin);
    pt.c.ShadedDisc(x, y, std::max(1.0, r), st.skin);
    if (!st.bald) {
        // Hair over the crown and, seen from the side, the back of the head.
        const double back = s.front ? 0 : -0.25 * r * pt.dir;
        pt.c.FillEllipse(x + back, y - 0.45 * r, r * 1.02, r * 0.62, st.hair);
    }
    if (pt.h >= 50) {
        // Eyes: two when front-on, one towards the facing side.
        const int ey = static_cast<int>(y + 0.05 * r);
        if (s.front) {
            pt.c.Set(static_cast<int>(x - 0.35 * r), ey, st.outline);
            pt.c.Set(static_cast<int>(x + 0.35 * r), ey, st.outline);
        } else {
            pt.c.Set(static_cast<int>(x + 0.55 * r * pt.dir), ey, st.outline);
        }
    }
}

}  // namespace

void DrawFigure(Canvas8& canvas, double footX, double footY, double height, const FigureStyle& st, const PoseState& ps) {
    Skeleton s = Build(ps);
    const int dir = ps.facing < 0 ? -1 : 1;
    const double ph = std::clamp(ps.phase, 0.0, 1.0);
    double lift = ps.lift;
    if (ps.pose == Pose::Dive) {
        // Towards the facing side: tip over and fly.
        RotateAll(s, {0, 0.3}, -Deg(85) * std::min(1.0, ph * 1.6));
        lift += 0.28 * std::sin(kPi * std::min(1.0, ph));
    } else if (ps.pose == Pose::Fall) {
        RotateAll(s, {0, 0.0}, -Deg(90) * ph);
        lift += 0.12 * std::sin(kPi * ph);
    } else if (ps.pose == Pose::Lie) {
        RotateAll(s, {0, 0.0}, -Deg(90));
    } else if (ps.pose == Pose::Jump || ps.pose == Pose::Header) {
        lift += 0.22 * std::sin(kPi * ph);
    }
    if (ps.pose == Pose::Dive || ps.pose == Pose::Fall || ps.pose == Pose::Lie) {
        // Rotated bodies rest on the ground rather than sink below it.
        const double low = LowestV(s);
        Lift(s, -low + 0.02);
    }
    if (lift != 0) Lift(s, lift);

    // Paint on a scratch sprite so the outline wraps the whole body.
    const int pad = static_cast<int>(height * 0.9) + 4;
    Canvas8 sprite(2 * pad, 2 * pad, 0);
    const double ox = pad, oy = pad * 1.5;
    const Painter pt{sprite, ox, oy, height, dir};
    const Shade shirtFar = Darker(st.shirt);
    DrawArm(pt, s.armF, st, true);
    if (ps.pose == Pose::Watch) {
        // The strap and the face just short of the hand.
        const P w = Lerp(s.armF.mid, s.armF.end, 0.8);
        pt.Cap(w, w, 0.024, 0.024, Flat(st.outline));
        pt.Cap(w, w, 0.012, 0.012, Flat(st.propDetail ? st.propDetail : st.skin.lit));
    }
    DrawLeg(pt, s.legF, st, true);
    // Torso: a tapering trunk from the waist to the shoulders.
    const double waistR = s.front ? 0.075 : 0.06, chestR = s.front ? 0.1 : 0.075;
    pt.Cap(s.hip, s.chest, waistR, chestR, st.shirt);
    pt.Cap(s.chest, s.neck, chestR, 0.05, st.shirt);
    if (s.front) {
        pt.Cap(s.shoulderF, s.shoulderN, 0.05, 0.05, st.shirt);
        (void)shirtFar;
    }
    // Shorts over the hips.
    pt.Cap({s.hip.u - (s.front ? 0.06 : 0.0), s.hip.v + 0.01}, {s.hip.u + (s.front ? 0.06 : 0.0), s.hip.v + 0.01},
           0.065, 0.065, st.shorts);
    DrawLeg(pt, s.legN, st, false);
    DrawHead(pt, s, st);
    DrawArm(pt, s.armN, st, false);
    DrawProp(pt, s, st);
    sprite.Outline(st.outline);
    canvas.Blit(sprite, static_cast<int>(std::lround(footX - ox)), static_cast<int>(std::lround(footY - oy)));
}

void DrawFigureShadow(Canvas8& canvas, double footX, double footY, double height, uint8_t colour, const PoseState& pose) {
    const bool down = pose.pose == Pose::Lie || pose.pose == Pose::Fall || pose.pose == Pose::Dive || pose.pose == Pose::Tackle;
    const double len = down ? 0.5 : 0.28;
    const double shift = down ? 0.0 : 0.1;
    const double dir = down ? (pose.facing < 0 ? 1 : -1) * 0.25 : 0;
    canvas.FillEllipse(footX + (shift + dir) * height, footY + 0.02 * height, len * height, 0.07 * height, colour);
}

}  // namespace art
