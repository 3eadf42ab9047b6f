#include "templates.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>
#include <map>

#include "stadium.h"

namespace clipgen {

namespace {

using art::Pose;

constexpr double kGoalX = kPitchLength, kMidY = kPitchWidth / 2;

// A small deterministic generator per clip, for the variety of looks and
// places.
struct Dice {
    uint32_t s;
    explicit Dice(uint32_t seed) : s(seed * 2654435761u + 12345u) {}
    uint32_t Next() {
        s ^= s << 13;
        s ^= s >> 17;
        s ^= s << 5;
        return s;
    }
    double Real(double lo, double hi) { return lo + (hi - lo) * (Next() % 10000) / 10000.0; }
    int Int(int n) { return static_cast<int>(Next() % static_cast<uint32_t>(n)); }
};

struct Params {
    const ClipSpec& spec;
    std::string Str(const std::string& k, const std::string& def) const {
        auto it = spec.params.find(k);
        return it == spec.params.end() ? def : it->second;
    }
    double Num(const std::string& k, double def) const {
        auto it = spec.params.find(k);
        return it == spec.params.end() ? def : std::stod(it->second);
    }
    int Int(const std::string& k, int def) const { return static_cast<int>(Num(k, def)); }
    // "x,y"
    std::pair<double, double> Pt(const std::string& k, double dx, double dy) const {
        auto it = spec.params.find(k);
        if (it == spec.params.end()) return {dx, dy};
        const size_t c = it->second.find(',');
        return {std::stod(it->second.substr(0, c)), std::stod(it->second.substr(c + 1))};
    }
};

ActorKey At(double x, double y, Pose p = Pose::Stand, int facing = 0) {
    ActorKey k;
    k.x = x;
    k.y = y;
    k.pose = p;
    k.facing = facing;
    return k;
}

// The keeper of the right-hand goal, on his line opposite the ball.
int AddKeeper(Scene& s, Dice& d, double y = kMidY) { return s.Add(Role::Keeper, d.Int(16), At(kGoalX - 1.2, y, Pose::Catch, -1)); }

// Where a finish sends the ball: in the net, wide of a post, or at the
// keeper. `high` lifts it.
struct Finish {
    std::string result;  // goal, wide, saved, blocked, over, none
    std::string how;     // shot, low, high, chip, volley, header
};

// The shot of the shooter `a` from the ball's place at frame f; returns the
// frame the play ends.
int Shoot(Scene& s, Dice& d, int a, int keeper, int f, const Finish& fin, int frames) {
    const art::Vec3 from = s.BallAt(f);
    const bool header = fin.how == "header";
    const double dist = std::hypot(kGoalX - from.x, kMidY - from.y);
    const int flight = std::clamp(static_cast<int>(dist / (header ? 0.9 : 1.6)), 4, 14);
    const int arrive = std::min(f + flight, frames - 6);
    s.Hold(a, f - (header ? 2 : 3), header ? Pose::Header : Pose::Kick, 1, header ? 6 : 6);
    double ty = kMidY + d.Real(-2.8, 2.8), tz = fin.how == "high" || fin.how == "chip" ? d.Real(1.4, 2.1) : d.Real(0.2, 1.0);
    if (header) tz = d.Real(0.3, 1.6);
    const int slot = header ? kLongBall : kShot;
    const double loft = fin.how == "chip" ? 2.5 : header ? 0.4 : fin.how == "high" ? 0.8 : 0.2;
    const art::Vec3 keeperAt{kGoalX - 1.2, kMidY, 0};
    if (fin.result == "goal") {
        s.Kick(f, arrive, kGoalX + 0.1, ty, tz, loft, slot);
        s.Kick(arrive, arrive + 3, kGoalX + 1.7, ty + (ty - kMidY) * 0.1, std::max(0.2, tz * 0.5));
        s.Kick(arrive + 3, arrive + 8, kGoalX + 1.5, ty, 0.0);
        s.goalFrame = arrive;
        s.AddCue(arrive, kGoalRoar);
        if (keeper >= 0) {
            // Beaten: he dives too late.
            s.Hold(keeper, arrive - 3, Pose::Dive, ty > kMidY ? -1 : 1, 7);
            (void)keeperAt;
        }
        s.fansFrom = arrive + 1;
    } else if (fin.result == "wide" || fin.result == "over") {
        if (fin.result == "wide") ty = d.Int(2) ? kMidY + d.Real(4.2, 6.5) : kMidY - d.Real(4.2, 6.5);
        else tz = d.Real(2.8, 4.0);
        s.Kick(f, arrive, kGoalX + 0.1, ty, tz, loft, slot);
        s.Kick(arrive, std::min(arrive + 6, frames - 1), kGoalX + 4.5, ty + (ty - kMidY) * 0.3, 0.0, 0.6);
        s.AddCue(arrive, kNearMiss);
        if (keeper >= 0) s.Hold(keeper, arrive - 2, Pose::Dive, ty > kMidY ? -1 : 1, 8);
    } else if (fin.result == "saved") {
        const double ky = kMidY + (ty - kMidY) * 0.8;
        const bool parry = d.Int(2) == 0;
        s.Kick(f, arrive, kGoalX - 1.0, ky, std::min(tz, 1.3), loft, slot);
        s.AddCue(arrive, kNearMiss);
        if (keeper >= 0) {
            s.Move(keeper, f, arrive - 2, kGoalX - 1.2, kMidY + (ky - kMidY) * 0.3, Pose::Walk, -1);
            s.Hold(keeper, arrive - 2, Pose::Dive, ky > kMidY ? -1 : 1, 5);
        }
        if (parry) {
            s.Kick(arrive, std::min(arrive + 8, frames - 1), kGoalX - d.Real(4, 9), ky + (ky > kMidY ? 6 : -6), 0.0, 1.0);
        } else {
            // Held: the ball stays with him on the ground.
            s.Kick(arrive, arrive + 3, kGoalX - 1.4, ky + (ky > kMidY ? 0.6 : -0.6), 0.2);
        }
    } else if (fin.result == "none") {
        // Struck: the clip ends with the ball on its way.
        s.Kick(f, frames - 1, kGoalX - 5, ty, tz + 1.0, loft + 0.8, slot);
        return frames - 1;
    } else if (fin.result == "blocked") {
        const double bx = from.x + (kGoalX - from.x) * 0.35, by = from.y + (kMidY - from.y) * 0.35;
        const int hit = f + std::max(3, flight / 3);
        s.Kick(f, hit, bx, by, 0.6, 0.1, slot);
        s.Kick(hit, std::min(hit + 10, frames - 1), bx - d.Real(6, 12), by + d.Real(-8, 8), 0.0, 2.0, kLongBall);
        return hit;
    }
    return arrive;
}

// Open play that ends in a finish: the ball starts at `from`, is passed
// along the `via` places and finished from `at`.
bool Attack(const Params& p, Scene& s, Dice& d, std::string* error) {
    const int F = s.frames;
    auto [fx, fy] = p.Pt("from", 80, 20);
    auto [ax, ay] = p.Pt("at", 92, 30);
    const std::string finish = p.Str("finish", "shot");
    const Finish fin{p.Str("result", "none"), p.Str("how", "shot")};
    const int passes = p.Int("passes", 1);
    const bool cross = finish == "cross" || fin.how == "header" || p.Str("cross", "") == "yes";
    s.camera = p.Str("cam", "half");
    s.Place(0, fx, fy, 0);
    int carrier = s.Add(Role::Side, d.Int(16), At(fx - 0.6, fy + 0.2, Pose::Run, 1));
    const bool keeperShown = p.Str("keeper", "yes") == "yes";
    const int keeper = keeperShown ? AddKeeper(s, d, kMidY + (fy - kMidY) * 0.2) : -1;
    // The defenders mark the finisher and chase the ball.
    const int defenders = p.Int("defenders", 3);
    std::vector<int> def;
    for (int i = 0; i < defenders; ++i) {
        const double x = std::min(ax + d.Real(-3, 4), kGoalX - 3), y = ay + d.Real(-6, 6);
        def.push_back(s.Add(Role::Other, d.Int(16), At(x, std::clamp(y, 2.0, kPitchWidth - 2.0))));
    }
    int f = 0;
    // Passes: each hop to a team-mate who runs onto it.
    std::vector<std::pair<double, double>> hops;
    for (int i = 0; i < passes; ++i) {
        const double t = (i + 1.0) / (passes + 1.0);
        hops.push_back({fx + (ax - fx) * t + d.Real(-4, 4), std::clamp(fy + (ay - fy) * t + d.Real(-8, 8), 3.0, 65.0)});
    }
    const int budget = std::max(8, F - 16);
    const int per = std::max(6, budget / (passes + (finish == "shot" || finish == "header" ? 2 : 1)));
    // The carrier runs with the ball first.
    const double runX = fx + 3.5, runY = fy + (hops.empty() ? (ay - fy) * 0.15 : (hops[0].second - fy) * 0.15);
    s.Move(carrier, 0, per / 2, runX - 0.6, runY, Pose::Run, 1);
    s.Kick(0, per / 2, runX, runY, 0, 0);
    f = per / 2;
    for (size_t i = 0; i < hops.size() + 1; ++i) {
        const bool last = i == hops.size();
        const double tx = last ? ax : hops[i].first, ty = last ? ay : hops[i].second;
        if (last && (finish == "shot" || finish == "header") && !cross && hops.empty()) {
            // The carrier himself goes on to the shooting place.
            s.Move(carrier, f, f + per, tx - 0.7, ty, Pose::Run, 1);
            s.Kick(f, f + per, tx, ty, 0, 0);
            f += per;
            break;
        }
        const int recv = s.Add(Role::Side, d.Int(16), At(tx - d.Real(5, 9), ty + d.Real(-4, 4), Pose::Run, 1));
        s.Move(recv, 0, f + per, tx - 0.7, ty, Pose::Run, 1);
        const bool lofted = last && cross;
        s.Hold(carrier, f - 2, Pose::Kick, tx >= s.BallAt(f).x ? 1 : -1, 5);
        s.Kick(f, f + per, tx, ty, lofted ? 2.1 : 0, lofted ? 3.5 : 0, lofted ? kLongBall : kPass);
        // The passer follows the play at a trot.
        s.Move(carrier, f + 4, F - 2, s.BallAt(f).x + 6, s.BallAt(f).y + d.Real(-5, 5), Pose::Run);
        f += per;
        carrier = recv;
    }
    // Defenders close in on the ball.
    for (int a : def) {
        // The interceptor keeps his own line to the ball.
        if (finish == "intercept" && a == def.front()) continue;
        const ActorKey& k = s.Last(a);
        const art::Vec3 b = s.BallAt(f);
        s.Move(a, 2 + d.Int(4), std::max(f - 1, 8), k.x + (b.x - k.x) * 0.55, k.y + (b.y - k.y) * 0.55, Pose::Run);
    }
    if (finish == "shot" || finish == "header") {
        const int end = Shoot(s, d, carrier, keeper, f, fin, F);
        if (fin.result == "goal") {
            s.Move(carrier, end + 2, F - 1, ax + 3, ay + (ay > kMidY ? 6 : -6), Pose::Run, 1);
            s.Hold(carrier, std::min(F - 6, end + 10), Pose::ArmsUp);
        }
    } else if (finish == "foul" || finish == "dribble" || finish == "tackle") {
        // A defender comes in on the man with the ball.
        if (def.empty()) def.push_back(s.Add(Role::Other, d.Int(16), At(ax + 4, ay + 3)));
        const int tackler = def.front();
        const int meet = std::min(f + 6, F - 12);
        s.Move(tackler, f - 4, meet, ax + 1.0, ay + 0.6, Pose::Run, -1);
        if (finish == "dribble") {
            s.Move(carrier, f, F - 3, ax + 12, ay - 3, Pose::Run, 1);
            s.Kick(f, F - 3, ax + 12.6, ay - 3, 0, 0);
            s.Hold(tackler, meet, Pose::Tackle, -1, 6);
        } else {
            const std::string how = p.Str("foul", d.Int(2) ? "tackle" : "trip");
            s.Hold(tackler, meet, how == "push" ? Pose::Protest : Pose::Tackle, -1, 6);
            s.Hold(carrier, meet + 1, Pose::Fall, 1, 7);
            s.Kick(meet, std::min(meet + 6, F - 2), ax + 2.5, ay + d.Real(-1.5, 1.5), 0, 0);
            const int ref = s.Add(Role::Referee, 3, At(ax - 14, ay + 12, Pose::Stand, 1));
            s.Move(ref, meet, F - 4, ax - 6, ay + 6, Pose::Run, 1);
            s.Hold(ref, F - 6, Pose::Whistle, 1, 4);
            s.AddCue(F - 6, kWhistle);
            if (finish == "foul") s.Hold(tackler, meet + 12, Pose::Stand);
        }
    } else if (finish == "intercept") {
        // The last pass is read: a defender steps across the receiver, takes
        // it and plays it back the other way.
        if (def.empty()) def.push_back(s.Add(Role::Other, d.Int(16), At(ax + 4, ay + 3)));
        const int cutter = def.front();
        const art::Vec3 to = s.BallAt(f);
        const int passAt = f - per;
        const art::Vec3 from = s.BallAt(passAt);
        const double ix = from.x + (to.x - from.x) * 0.72, iy = from.y + (to.y - from.y) * 0.72;
        const int meet = passAt + std::max(3, per * 7 / 10);
        s.Move(cutter, passAt - 2, meet, ix + 0.5, iy + 0.3, Pose::Run, -1);
        s.Kick(passAt, meet, ix, iy, 0, 0);
        s.Hold(cutter, meet, Pose::Kick, -1, 4);
        const double ox = ix - d.Real(12, 16), oy = std::clamp(iy + d.Real(-7, 7), 3.0, 65.0);
        s.Kick(meet + 2, F - 1, ox, oy, 0, 0, kPass);
        s.Move(cutter, meet + 4, F - 1, ix - 4, iy, Pose::Run, -1);
        s.Hold(carrier, F - 8, Pose::Protest);
        const int mate = s.Add(Role::Other, d.Int(16), At(ox - 6, oy + 4, Pose::Run, 1));
        s.Move(mate, meet, F - 1, ox - 0.6, oy, Pose::Run, 1);
    } else if (finish == "cross" || finish == "pass") {
        // Play goes on: the last pass is the end of the clip.
    } else if (finish == "clear") {
        if (!def.empty()) {
            s.Move(def.front(), f - 6, f, ax + 0.5, ay, Pose::Run, -1);
            s.Hold(def.front(), f, Pose::Header, -1, 6);
        }
        s.Kick(f, std::min(f + 12, F - 1), ax - d.Real(20, 30), ay + d.Real(-10, 10), 0, 6, kLongBall);
    } else {
        if (error) *error = "unknown finish " + finish;
        return false;
    }
    return true;
}

// Play restarted in midfield and before the right-hand goal: a throw-in by
// the clip side, and the goal kick and the keeper's throw of the side
// defending that goal, each played on by a team-mate and contested.
bool Restart(const Params& p, Scene& s, Dice& d, std::string* error) {
    const std::string act = p.Str("act", "");
    const int F = s.frames;
    if (act == "throwin") {
        s.camera = p.Str("cam", "centre");
        const bool nearLine = p.Str("line", "near") == "near";
        const double x = p.Num("x", 60), lineY = nearLine ? kPitchWidth + 0.5 : -0.5, in = nearLine ? -1 : 1;
        // Over his head until he throws, then to a team-mate down the line.
        const int thrower = s.Add(Role::Side, d.Int(16), At(x, lineY, Pose::Throw, 1));
        s.Hold(thrower, 0, Pose::Throw, 1, 1000);
        s.Place(0, x + 0.15, lineY, 2.15);
        const double rx = x + d.Real(7, 10), ry = lineY + in * d.Real(5, 8);
        const int mate = s.Add(Role::Side, d.Int(16), At(rx - 6, ry + in * 5, Pose::Run, 1));
        const int marker = s.Add(Role::Other, d.Int(16), At(rx - 3, ry + in * 6, Pose::Run, 1));
        const int spare = s.Add(Role::Side, d.Int(16), At(x - 4, lineY + in * 12, Pose::Stand, 1));
        s.Add(Role::Other, d.Int(16), At(x + 14, lineY + in * 14, Pose::Stand, -1));
        s.Move(mate, 0, 9, rx - 0.6, ry, Pose::Run, 1);
        s.Move(marker, 0, 11, rx - 1.6, ry + in * 1.2, Pose::Run, 1);
        s.Hold(thrower, 8, Pose::Throw, 1, 5);
        s.Kick(11, 18, rx, ry, 0.3, 1.2);
        // The touch back into his stride, a pass inside.
        s.Hold(mate, 18, Pose::Kick, 1, 4);
        const double px = rx + d.Real(6, 9), py = ry + in * d.Real(9, 13);
        s.Kick(20, F - 3, px, py, 0, 0, kPass);
        s.Move(spare, 8, F - 1, px - 0.8, py + in * 0.3, Pose::Run, 1);
        s.Move(thrower, 14, F - 1, x + 4, lineY + in * 3, Pose::Run, 1);
        s.Move(marker, 19, F - 1, px - 4, py - in * 1, Pose::Run, 1);
        s.Move(mate, 22, F - 1, rx + 5, ry + in * 2, Pose::Run, 1);
        return true;
    }
    if (act == "goalkick") {
        s.camera = p.Str("cam", "half");
        const double by = kMidY + (d.Int(2) ? 1 : -1) * 5.2;
        s.Place(0, kGoalX - 5.5, by, 0);
        // The keeper's long run-up, the ball lofted to a knot of players.
        const int keeper = s.Add(Role::Keeper, d.Int(16), At(kGoalX - 2.2, by + 1.8, Pose::Walk, -1));
        s.Move(keeper, 0, 7, kGoalX - 1.4, by + 0.6, Pose::Walk, -1);
        s.Hold(keeper, 7, Pose::Stand, -1);
        s.Move(keeper, 10, 17, kGoalX - 5.0, by + 0.2, Pose::Run, -1);
        s.Hold(keeper, 17, Pose::Kick, -1, 5);
        const double lx = kGoalX - d.Real(28, 31), ly = by + (by > kMidY ? 1 : -1) * d.Real(4, 9);
        s.Kick(19, 35, lx, ly, 1.9, 8.0, kLongBall);
        const int up = s.Add(Role::Other, d.Int(16), At(lx - 4, ly + 3, Pose::Run, 1));
        const int against = s.Add(Role::Side, d.Int(16), At(lx + 4, ly - 2, Pose::Run, -1));
        s.Move(up, 14, 33, lx - 0.4, ly + 0.2, Pose::Run, 1);
        s.Move(against, 16, 33, lx + 0.5, ly - 0.2, Pose::Run, -1);
        s.Hold(up, 33, Pose::Header, 1, 6);
        s.Hold(against, 33, Pose::Header, -1, 6);
        // Flicked on across the field, towards the middle.
        const double fy = ly + (ly > kMidY ? -1 : 1) * d.Real(6, 9);
        s.Kick(35, F - 1, lx - d.Real(3, 5), fy, 0, 1.5, kLongBall);
        const int mate = s.Add(Role::Other, d.Int(16), At(lx - 8, fy + 3, Pose::Stand, 1));
        s.Move(mate, 30, F - 1, lx - 4.5, fy + 0.8, Pose::Run, 1);
        for (int i = 0; i < 2; ++i) {
            const int a = s.Add(i ? Role::Side : Role::Other, d.Int(16), At(lx + 8 + i * 3, ly + 8 - i * 14, Pose::Stand, -1));
            s.Move(a, 18 + i * 3, F - 1, lx + 3 + i, ly + 4 - i * 8, Pose::Run, -1);
        }
        return true;
    }
    if (act == "keeperthrow") {
        s.camera = p.Str("cam", "half");
        // He has the ball in his hands at the edge of his area, bowls it out
        // to a full-back who sets off upfield.
        const double ky = kMidY + d.Real(-3, 3);
        const int keeper = s.Add(Role::Keeper, d.Int(16), At(kGoalX - 6, ky, Pose::Catch, -1));
        s.Place(0, kGoalX - 6.2, ky, 1.2);
        s.Move(keeper, 2, 10, kGoalX - 13, ky + 1, Pose::Walk, -1);
        s.Hold(keeper, 10, Pose::Catch, -1, 1000);
        s.Kick(2, 10, kGoalX - 13.2, ky + 1, 1.2);
        s.Hold(keeper, 12, Pose::Throw, -1, 5);
        const bool top = d.Int(2) == 0;
        const double bx = kGoalX - d.Real(22, 25), byy = top ? d.Real(10, 15) : kPitchWidth - d.Real(14, 18);
        s.Kick(15, 25, bx, byy, 0.2, 1.4);
        const int back = s.Add(Role::Other, d.Int(16), At(bx + 4, byy + (top ? 4 : -4), Pose::Run, -1));
        s.Move(back, 4, 24, bx + 0.4, byy, Pose::Run, -1);
        s.Move(back, 26, F - 1, bx - 5, byy + (top ? 2 : -2), Pose::Run, -1);
        s.Kick(26, F - 1, bx - 5.6, byy + (top ? 2 : -2), 0, 0, kPass);
        const int chaser = s.Add(Role::Side, d.Int(16), At(bx - 5, byy + (top ? 9 : -9), Pose::Run, 1));
        s.Move(chaser, 6, F - 1, bx - 5, byy + (top ? 3.5 : -3.5), Pose::Run, 1);
        const int mate = s.Add(Role::Other, d.Int(16), At(kGoalX - 16, kMidY, Pose::Stand, -1));
        s.Move(mate, 10, F - 1, kGoalX - 27, kMidY + (top ? -2 : 2), Pose::Run, -1);
        const int forward = s.Add(Role::Side, d.Int(16), At(kGoalX - 20, kMidY + (top ? 6 : -6), Pose::Walk, -1));
        s.Move(forward, 8, F - 1, kGoalX - 28, kMidY + (top ? 4 : -4), Pose::Run, -1);
        return true;
    }
    if (error) *error = "unknown restart " + act;
    return false;
}

// A corner taken from the flag by the clip side's taker alone.
bool Corner(const Params& p, Scene& s, Dice& d, std::string*) {
    const bool top = p.Str("flag", "top") == "top";
    s.camera = top ? "corner-top" : "corner-bottom";
    s.cornerFlag = true;
    const double cy = top ? 0.4 : kPitchWidth - 0.4;
    s.Place(0, kGoalX - 0.6, cy, 0);
    const int taker = s.Add(Role::Side, d.Int(16), At(kGoalX - 5, top ? cy + 3.0 : cy - 3.0, Pose::Stand, 1));
    s.Move(taker, 4, 14, kGoalX - 2.0, top ? cy + 1.2 : cy - 1.2, Pose::Walk, 1);
    s.Hold(taker, 16, Pose::Stand, 1);
    s.Move(taker, 18, 23, kGoalX - 1.2, top ? cy + 0.6 : cy - 0.6, Pose::Run, 1);
    s.Hold(taker, 23, Pose::Kick, 1, 5);
    s.Kick(25, s.frames - 1, kGoalX - 7 - d.Real(0, 3), kMidY + d.Real(-3, 3), 2.0, 4.0, kLongBall);
    return true;
}

// The free kick's set-up: the wall, the taker over the ball, the referee
// pacing out the distance. `strike` then takes it.
bool FreeKick(const Params& p, Scene& s, Dice& d, std::string* error) {
    auto [bx, by] = p.Pt("at", 82, 30);
    const std::string stage = p.Str("stage", "setup");
    s.camera = p.Str("cam", "box");
    s.Place(0, bx, by, 0);
    const double gx = kGoalX - bx, gy = kMidY - by, len = std::hypot(gx, gy);
    const double wx = bx + gx / len * 9.15, wy = by + gy / len * 9.15;
    for (int i = 0; i < 4; ++i) {
        const double off = (i - 1.5) * 0.75;
        s.Add(Role::Other, d.Int(16), At(wx - gy / len * off, wy + gx / len * off, Pose::Stand));
    }
    const int keeper = AddKeeper(s, d, kMidY + (by - kMidY) * 0.15);
    const int taker = s.Add(Role::Side, d.Int(16), At(bx - 3.5, by - 1.2, Pose::Stand, 1));
    s.Add(Role::Side, d.Int(16), At(bx + 12, by + 8 + d.Real(0, 4), Pose::Stand, 1));
    s.Add(Role::Other, d.Int(16), At(bx + 13, by + 9 + d.Real(0, 4), Pose::Stand, -1));
    if (stage == "setup") {
        const int ref = s.Add(Role::Referee, 3, At(bx + 1, by + 2, Pose::Stand, 1));
        s.Move(ref, 2, 14, wx - 0.5, wy + 1.8, Pose::Walk, 1);
        s.Hold(ref, 15, Pose::Point, -1, 4);
        s.Move(ref, 22, s.frames - 1, wx - 6, wy + 10, Pose::Walk);
        s.Move(taker, 4, 12, bx - 0.8, by - 0.3, Pose::Walk, 1);
        s.Hold(taker, 13, Pose::Crouch, 1, 4);
        s.Move(taker, 20, s.frames - 2, bx - 4, by - 1.5, Pose::Walk, -1);
        s.Hold(taker, s.frames - 1, Pose::Stand, 1);
        s.ballMoves = true;
        return true;
    }
    if (stage != "strike") {
        if (error) *error = "unknown free-kick stage " + stage;
        return false;
    }
    s.Move(taker, 2, 9, bx - 0.7, by - 0.2, Pose::Run, 1);
    s.AddCue(1, kWhistle);
    const Finish fin{p.Str("result", "goal"), "high"};
    const int end = Shoot(s, d, taker, keeper, 10, fin, s.frames);
    if (fin.result == "goal") s.Hold(taker, std::min(s.frames - 6, end + 6), Pose::ArmsUp);
    return true;
}

// The penalty: the taker at the spot, the keeper on his line.
bool Penalty(const Params& p, Scene& s, Dice& d, std::string*) {
    const std::string stage = p.Str("stage", "kick");
    s.camera = p.Str("cam", "goal");
    const double spotX = kGoalX - 11;
    s.Place(0, spotX, kMidY, 0);
    const int keeper = AddKeeper(s, d);
    s.actors[static_cast<size_t>(keeper)].keys[0].x = kGoalX - 0.3;
    const int taker = s.Add(Role::Side, d.Int(16), At(spotX - (stage == "runup" ? 3.5 : 2.2), kMidY - 1.2, Pose::Stand, 1));
    s.Add(Role::Referee, 3, At(spotX - 2, kMidY + 9, Pose::Stand, 1));
    for (int i = 0; i < 3; ++i) s.Add(Role::Other, d.Int(16), At(spotX - 8 - i * 1.2, kMidY + 15 + i * 0.8, Pose::Stand, 1));
    for (int i = 0; i < 2; ++i) s.Add(Role::Side, d.Int(16), At(spotX - 7 - i * 1.4, kMidY - 16 - i, Pose::Stand, 1));
    if (stage == "runup") {
        s.Hold(taker, 0, Pose::Stand, 1);
        s.AddCue(4, kWhistle);
        s.Move(taker, 6, 15, spotX - 2.0, kMidY - 0.8, Pose::Walk, 1);
        return true;
    }
    s.Move(taker, 0, 5, spotX - 0.7, kMidY - 0.2, Pose::Run, 1);
    const Finish fin{p.Str("result", "goal"), d.Int(2) ? "low" : "high"};
    const int end = Shoot(s, d, taker, keeper, 6, fin, s.frames);
    if (fin.result == "goal") s.Hold(taker, std::min(s.frames - 4, end + 4), Pose::ArmsUp);
    if (fin.result != "goal") s.Hold(taker, std::min(s.frames - 4, end + 5), Pose::Kneel);
    return true;
}

// An own goal: the other side crosses, the clip side's defender turns it
// into his own net.
bool OwnGoal(const Params& p, Scene& s, Dice& d, std::string*) {
    s.camera = p.Str("cam", "box");
    const int F = s.frames;
    const double fy = d.Int(2) ? 8.0 : 60.0;
    s.Place(0, kGoalX - 14, fy, 0);
    const int crosser = s.Add(Role::Other, d.Int(16), At(kGoalX - 15, fy, Pose::Run, 1));
    s.Hold(crosser, 2, Pose::Kick, 1, 5);
    const int keeper = AddKeeper(s, d, kMidY + (fy - kMidY) * 0.1);
    const double mx = kGoalX - 5, my = kMidY + d.Real(-2, 2);
    const int defender = s.Add(Role::Side, d.Int(16), At(mx - 3, my + 1, Pose::Run, 1));
    s.Move(defender, 0, 12, mx - 0.4, my, Pose::Run, 1);
    const int striker = s.Add(Role::Other, d.Int(16), At(mx - 6, my - 2, Pose::Run, 1));
    s.Move(striker, 0, 13, mx - 1.6, my - 0.8, Pose::Run, 1);
    s.Add(Role::Side, d.Int(16), At(mx - 3, my - 6, Pose::Stand, 1));
    s.Kick(4, 13, mx, my, 0.6, 2.5, kLongBall);
    s.Hold(defender, 12, p.Str("how", "slide") == "head" ? Pose::Header : Pose::Tackle, 1, 5);
    s.Kick(13, 19, kGoalX + 0.1, my + d.Real(-2, 2), 0.5, 0.2, kPass);
    s.Kick(19, 22, kGoalX + 1.6, my, 0.3);
    s.goalFrame = 19;
    s.AddCue(19, kGoalRoar);
    s.Hold(keeper, 15, Pose::Dive, 1, 6);
    s.Hold(defender, 22, Pose::Kneel);
    s.Move(striker, 20, F - 1, mx - 6, my - 6, Pose::Run, -1);
    return true;
}

// Close views and small groups on the turf: celebrations, protests, cards,
// the officials' signals, injuries, the managers, the phases of a match.
bool Close(const Params& p, Scene& s, Dice& d, std::string* error) {
    const std::string act = p.Str("act", "");
    const int F = s.frames;
    s.camera = p.Str("cam", "close");
    const double cx = p.Num("x", kPitchLength / 2), cy = p.Num("y", kMidY);
    auto side = [&](double x, double y, Pose pose = Pose::Stand, int facing = 0) { return s.Add(Role::Side, d.Int(16), At(x, y, pose, facing)); };
    auto other = [&](double x, double y, Pose pose = Pose::Stand, int facing = 0) { return s.Add(Role::Other, d.Int(16), At(x, y, pose, facing)); };
    auto ref = [&](double x, double y, Pose pose = Pose::Stand, int facing = 1) { return s.Add(Role::Referee, 3, At(x, y, pose, facing)); };
    if (act == "celebrate") {
        const std::string way = p.Str("way", "run");
        s.fansFrom = 0;
        s.AddCue(0, kGoalRoar);
        const int scorer = side(cx + 5, cy - 1.5, Pose::Run, -1);
        if (way == "slide") {
            s.Move(scorer, 0, 10, cx + 1.5, cy + 0.5, Pose::Run, -1);
            s.Move(scorer, 10, 20, cx - 1.5, cy + 1.0, Pose::KneeSlide, -1);
            s.Hold(scorer, 20, Pose::KneeSlide, -1);
        } else if (way == "jump") {
            s.Move(scorer, 0, 12, cx, cy, Pose::Run, -1);
            s.Hold(scorer, 12, Pose::Jump, -1, 10);
            s.Hold(scorer, 30, Pose::ArmsUp, -1, 8);
        } else if (way == "wave") {
            s.Move(scorer, 0, 12, cx, cy - 0.5, Pose::Run, -1);
            s.Hold(scorer, 12, Pose::Wave, -1, 8);
        } else if (way == "point") {
            s.Move(scorer, 0, 10, cx + 0.5, cy, Pose::Run, -1);
            s.Hold(scorer, 10, Pose::Point, -1);
            s.Hold(scorer, 24, Pose::ArmsUp, -1, 8);
        } else {
            s.Move(scorer, 0, 14, cx - 1, cy + 0.5, Pose::Run, -1);
            s.Hold(scorer, 14, Pose::ArmsUp, -1, 8);
        }
        // Team-mates arrive and hug him.
        const int mates = way == "hug" ? 4 : 2;
        for (int i = 0; i < mates; ++i) {
            const int m = side(cx + 8 + i * 2, cy - 3 + i * 1.5, Pose::Run, -1);
            const int arrive = 14 + i * 5;
            if (arrive >= F - 2) break;
            s.Move(m, 4 + i * 3, arrive, cx + 0.8 + 0.7 * i, cy - 0.6 + 0.5 * i, Pose::Run, -1);
            s.Hold(m, arrive, i % 2 ? Pose::ArmsUp : Pose::Hug, -1, 8);
        }
        return true;
    }
    if (act == "protest") {
        // At the assistant (his flag in his own red and yellow).
        const int as = s.Add(Role::Assistant, 3, At(cx - 2.5, cy - 2.5, Pose::RaiseArm, 1));
        s.actors[static_cast<size_t>(as)].prop = art::Prop::Flag;
        s.actors[static_cast<size_t>(as)].propColour = pal::kFlagRed;
        s.actors[static_cast<size_t>(as)].propDetail = pal::kFlagYellow;
        for (int i = 0; i < 3; ++i) {
            const int m = side(cx + 4 + i * 1.5, cy + 1 + i, Pose::Run, -1);
            s.Move(m, i * 3, 10 + i * 3, cx - 0.5 + i * 0.9, cy + i * 0.6, Pose::Run, -1);
            s.Hold(m, 10 + i * 3, Pose::Protest, -1, 6);
        }
        return true;
    }
    if (act == "card") {
        // The referee shows the card to the clip side's player alone.
        const int r = ref(cx - 1.2, cy - 0.3, Pose::Stand, 1);
        const int pl = side(cx + 1.2, cy + 0.2, Pose::Stand, -1);
        s.Hold(r, 4, Pose::Whistle, 1, 4);
        s.AddCue(4, kWhistle);
        s.Hold(r, 10, Pose::RaiseArm, 1, 4);
        s.actors[static_cast<size_t>(r)].prop = art::Prop::Card;
        s.actors[static_cast<size_t>(r)].propColour = pal::kOtherShirt;
        s.Hold(pl, 12, p.Str("card", "yellow") == "red" ? Pose::Kneel : Pose::Protest, -1, 6);
        if (p.Str("card", "yellow") == "red") s.Move(pl, 20, F - 1, cx + 6, cy + 3, Pose::Walk, 1);
        return true;
    }
    if (act == "assistant") {
        const int as = s.Add(Role::Assistant, 3, At(cx, cy, Pose::Stand, p.Num("face", 1) > 0 ? 1 : -1));
        s.actors[static_cast<size_t>(as)].prop = art::Prop::Flag;
        s.actors[static_cast<size_t>(as)].propColour = pal::kOtherShirt;
        s.actors[static_cast<size_t>(as)].propDetail = pal::kOtherShorts + 2;
        s.Move(as, 0, 5, cx + 1.0, cy, Pose::Run, 1);
        s.Hold(as, 6, p.Str("signal", "offside") == "offside" ? Pose::RaiseArm : Pose::Point, 1, 6);
        return true;
    }
    if (act == "referee") {
        const std::string sig = p.Str("signal", "point");
        const int r = ref(cx, cy, Pose::Stand, 1);
        if (sig == "final") {
            for (int k = 0; k < 3; ++k) {
                s.Hold(r, 2 + k * 7, Pose::Whistle, 1, 4);
                s.AddCue(2 + k * 7, kWhistle);
                s.Hold(r, 6 + k * 7, Pose::Stand, 1);
            }
            s.Hold(r, 22, Pose::HoldUp, 1, 4);
        } else if (sig == "kickoff") {
            s.Hold(r, 2, Pose::Whistle, 1, 4);
            s.AddCue(3, kWhistle);
            s.Hold(r, 9, Pose::Point, 1);
        } else if (sig == "advantage") {
            s.Move(r, 0, 8, cx + 2, cy, Pose::Run, 1);
            s.Hold(r, 8, Pose::Protest, 1, 6);
        } else if (sig == "watch") {
            // Side-on, he lifts his wrist, reads the time and looks up again.
            s.actors[static_cast<size_t>(r)].propDetail = pal::kGrey;
            s.Hold(r, 2, Pose::Watch, 1, 10);
            s.Hold(r, F - 5, Pose::Stand, 1);
        } else {
            s.Move(r, 0, 5, cx + 1, cy, Pose::Run, 1);
            s.Hold(r, 5, Pose::Whistle, 1, 4);
            s.AddCue(5, kWhistle);
            s.Hold(r, 10, Pose::Point, 1, 4);
        }
        return true;
    }
    if (act == "injury") {
        const std::string stage = p.Str("stage", "down");
        const bool keeper = p.Str("who", "player") == "keeper";
        const Role hurtRole = keeper ? Role::Keeper : Role::Side;
        if (stage == "collision") {
            s.camera = p.Str("cam", "goal");
            const int k = s.Add(hurtRole, d.Int(16), At(kGoalX - 4, kMidY + 1, Pose::Run, -1));
            const int o = other(kGoalX - 12, kMidY - 1, Pose::Run, 1);
            s.Place(0, kGoalX - 10, kMidY, 0);
            s.Kick(0, 8, kGoalX - 6, kMidY + 0.5, 0, 0);
            s.Move(k, 0, 8, kGoalX - 6.2, kMidY + 0.5, Pose::Run, -1);
            s.Move(o, 0, 8, kGoalX - 6.8, kMidY, Pose::Run, 1);
            s.Hold(k, 8, keeper ? Pose::Dive : Pose::Tackle, -1, 5);
            s.Hold(o, 9, Pose::Fall, 1, 6);
            s.Hold(k, 16, Pose::Lie, -1);
            s.Kick(8, 18, kGoalX - 12, kMidY + 6, 0, 0.5);
            const int r = ref(kGoalX - 18, kMidY + 10, Pose::Run, 1);
            s.Move(r, 10, F - 5, kGoalX - 10, kMidY + 4, Pose::Run, 1);
            s.Hold(r, F - 5, Pose::Whistle, 1, 4);
            s.AddCue(F - 5, kWhistle);
            return true;
        }
        if (stage == "foul") {
            const int v = s.Add(hurtRole, d.Int(16), At(cx - 5, cy, Pose::Run, 1));
            const int o = other(cx + 4, cy + 2, Pose::Run, -1);
            s.Place(0, cx - 4.4, cy, 0);
            s.Kick(0, 10, cx, cy, 0, 0, kPass);
            s.Move(v, 0, 10, cx - 0.6, cy, Pose::Run, 1);
            s.Move(o, 2, 10, cx + 0.6, cy + 0.4, Pose::Run, -1);
            s.Hold(o, 10, Pose::Tackle, -1, 5);
            s.Hold(v, 11, Pose::Fall, 1, 6);
            s.Hold(v, 18, Pose::Lie, 1);
            s.Kick(10, 16, cx + 3, cy + 2, 0, 0);
            const int r = ref(cx - 10, cy + 7, Pose::Run, 1);
            s.Move(r, 10, F - 6, cx - 3, cy + 3, Pose::Run, 1);
            s.Hold(r, F - 6, Pose::Whistle, 1, 4);
            s.AddCue(F - 6, kWhistle);
            return true;
        }
        if (stage == "down") {
            s.ballMoves = false;
            const int h = s.Add(hurtRole, d.Int(16), At(cx + 0.5, cy, Pose::Lie, 1));
            (void)h;
            const int ph = s.Add(Role::Physio, 2, At(cx - 6, cy + 3, Pose::Run, 1));
            s.Move(ph, 0, 14, cx - 0.4, cy + 0.6, Pose::Run, 1);
            s.Hold(ph, 14, Pose::Crouch, 1);
            const int r = ref(cx + 2.5, cy - 1.2, Pose::Stand, -1);
            s.Hold(r, 6, Pose::Point, -1);
            return true;
        }
        if (stage == "helped") {
            s.ballMoves = false;
            const int h = s.Add(hurtRole, d.Int(16), At(cx, cy, Pose::Limp, 1));
            const int ph = s.Add(Role::Physio, 2, At(cx - 0.7, cy + 0.5, Pose::Walk, 1));
            s.Move(h, 0, F - 1, cx + 7, cy + 5, Pose::Limp, 1);
            s.Move(ph, 0, F - 1, cx + 6.3, cy + 5.5, Pose::Walk, 1);
            return true;
        }
        if (stage == "getup") {
            s.ballMoves = false;
            const int h = s.Add(hurtRole, d.Int(16), At(cx, cy, Pose::Lie, 1));
            s.Hold(h, 8, Pose::Kneel, 1);
            s.Hold(h, 16, Pose::Stand, 1);
            s.Move(h, 22, F - 1, cx + 4, cy - 1, Pose::Run, 1);
            const int mate = keeper ? side(cx - 2, cy + 1) : other(cx - 2, cy + 1);
            s.Hold(mate, 14, Pose::Clap);
            return true;
        }
    }
    if (act == "manager") {
        // In his technical area before his dugout; the fourth official
        // stands between the two dugouts.
        const bool home = cx < kPitchLength / 2;
        s.camera = home ? "dugout-home" : "dugout-away";
        s.ballMoves = false;
        const double toCentre = home ? 1 : -1;
        const int m = s.Add(Role::Manager, d.Int(16), At(cx - 1.2 * toCentre, 70.2, Pose::Stand, 1));
        const std::string how = p.Str("how", "encourage");
        const Pose pose = how == "applaud" ? Pose::Clap : how == "shout" ? Pose::Shout : how == "point" ? Pose::Point : Pose::Wave;
        s.Move(m, 0, 9, cx + 0.6 * toCentre, 69.3, Pose::Walk, toCentre > 0 ? 1 : -1);
        s.Hold(m, 10, pose, how == "point" || how == "shout" ? -1 : 1, 8);
        if (how == "shout") s.Hold(m, 24, Pose::Point, -1, 6);
        const int o = s.Add(Role::Official, 5, At(cx + 3.4 * toCentre, 70.6, Pose::Stand, 1));
        s.Hold(o, 14, Pose::Protest, 1, 6);
        s.Hold(o, 22, Pose::Stand, 1);
        // A substitute warms up along the touchline behind them.
        const int w = side(cx - 3.0 * toCentre, 71.6, Pose::Run, 1);
        s.Move(w, 0, F - 1, cx + 1.5 * toCentre, 71.6, Pose::Run);
        return true;
    }
    if (act == "shootout") {
        s.ballMoves = false;
        const std::string after = p.Str("after", "scored");
        const int kicker = side(cx, cy, Pose::Stand, -1);
        if (after == "scored") {
            s.Move(kicker, 0, 10, cx - 3, cy + 1.5, Pose::Run, -1);
            s.Hold(kicker, 10, Pose::ArmsUp, -1, 8);
            s.fansFrom = 4;
        } else {
            s.Hold(kicker, 4, Pose::Kneel, -1);
            if (after == "save") {
                const int k = s.Add(Role::Keeper, d.Int(16), At(cx + 3, cy - 1.5, Pose::Stand, -1));
                s.Hold(k, 3, Pose::Jump, -1, 10);
                s.Hold(k, 16, Pose::ArmsUp, -1, 8);
            }
        }
        return true;
    }
    if (error) *error = "unknown act " + act;
    return false;
}

// Match phases with both teams: out of the tunnel, the kick-off, half
// time, full time, the physio.
bool Phase(const Params& p, Scene& s, Dice& d, std::string* error) {
    const std::string act = p.Str("act", "");
    const int F = s.frames;
    s.camera = p.Str("cam", "centre");
    const double cx = kPitchLength / 2;
    if (act == "walkout") {
        s.camera = "tunnel";
        s.ballMoves = false;
        s.Add(Role::Referee, 3, At(cx - 0.6, 72, Pose::Walk, -1));
        s.Move(0, 0, F - 1, cx - 1.5, 60, Pose::Walk);
        for (int i = 0; i < 7; ++i) {
            const int a = s.Add(Role::Side, d.Int(16), At(cx - 1.2, 74 + i * 1.4, Pose::Walk));
            s.Move(a, 0, F - 1, cx - 2.2 - i * 0.3, 61 + i * 1.4, Pose::Walk);
            const int b = s.Add(Role::Other, d.Int(16), At(cx + 1.2, 74 + i * 1.4, Pose::Walk));
            s.Move(b, 0, F - 1, cx + 0.6 + i * 0.3, 61 + i * 1.4, Pose::Walk);
        }
        s.fansFrom = 0;
        return true;
    }
    if (act == "kickoff" || act == "restart") {
        s.Place(0, cx, kMidY, 0);
        const int a = s.Add(Role::Side, d.Int(16), At(cx - 0.5, kMidY - 0.6, Pose::Stand, 1));
        const int b = s.Add(Role::Side, d.Int(16), At(cx + 0.2, kMidY + 1.8, Pose::Stand, -1));
        const int back = s.Add(Role::Side, d.Int(16), At(cx - 9, kMidY + 4, Pose::Stand, 1));
        for (int i = 0; i < 4; ++i) s.Add(Role::Other, d.Int(16), At(cx + 10 + i * 3, kMidY - 12 + i * 7, Pose::Stand, -1));
        for (int i = 0; i < 3; ++i) s.Add(Role::Side, d.Int(16), At(cx - 12 - i * 2, kMidY - 14 + i * 12, Pose::Stand, 1));
        const int r = s.Add(Role::Referee, 3, At(cx - 5, kMidY - 7, Pose::Stand, 1));
        s.Hold(r, 3, Pose::Whistle, 1, 4);
        s.AddCue(4, kWhistle);
        s.Hold(a, 8, Pose::Kick, 1, 4);
        s.Kick(10, 16, cx - 2.8, kMidY + 0.8, 0, 0, kPass);
        s.Hold(b, 12, Pose::Stand, -1);
        s.Move(back, 10, 18, cx - 3.4, kMidY + 1.0, Pose::Run, 1);
        s.Kick(19, F - 2, cx - 3.0, kMidY + 1.6, 0, 0);
        s.Hold(back, 18, Pose::Kick, 1, 4);
        s.Move(a, 12, F - 1, cx + 4, kMidY - 2, Pose::Run, 1);
        if (act == "restart") s.Hold(r, F - 8, Pose::Point, 1);
        return true;
    }
    if (act == "walkoff" || act == "gather" || act == "handshake" || act == "result" || act == "extratime") {
        s.ballMoves = false;
        for (int i = 0; i < 6; ++i) {
            const double x = cx - 14 + i * 5.5 + d.Real(-1, 1), y = kMidY - 6 + d.Real(-6, 10);
            const int a = s.Add(Role::Side, d.Int(16), At(x, y, Pose::Stand));
            const int b = s.Add(Role::Other, d.Int(16), At(x + 1.4 + d.Real(0, 1.5), y + d.Real(-2, 2), Pose::Stand));
            if (act == "walkoff") {
                s.Move(a, d.Int(5), F - 1, cx - 2 + i * 0.6, kMidY + 24, Pose::Walk);
                s.Move(b, d.Int(5), F - 1, cx + 1 + i * 0.6, kMidY + 25, Pose::Walk);
            } else if (act == "gather") {
                const double ang = i * 0.55;
                s.Move(a, d.Int(5), F - 8, cx - 3 + std::cos(ang) * 4, kMidY - 3 + std::sin(ang) * 3, Pose::Walk);
                s.Move(b, d.Int(5), F - 8, cx + 5 + std::cos(ang) * 4, kMidY + 2 + std::sin(ang) * 3, Pose::Walk);
                s.Hold(a, F - 6, Pose::Hug);
            } else if (act == "handshake") {
                s.Move(a, d.Int(4), 14 + i, cx - 1.0 + (i - 3) * 4.5, kMidY + (i % 2) * 3, Pose::Walk, 1);
                s.Move(b, d.Int(4), 14 + i, cx + 0.1 + (i - 3) * 4.5, kMidY + (i % 2) * 3, Pose::Walk, -1);
                s.Hold(a, 16 + i, Pose::Handshake, 1);
                s.Hold(b, 16 + i, Pose::Handshake, -1);
                s.Move(a, 30 + i, F - 1, cx - 2 + (i - 3) * 4.5, kMidY + 14, Pose::Walk);
                s.Move(b, 30 + i, F - 1, cx + 1 + (i - 3) * 4.5, kMidY + 14, Pose::Walk);
            } else if (act == "result") {
                s.Hold(a, d.Int(6), i % 2 ? Pose::Jump : Pose::ArmsUp, 0, 10);
                s.Hold(b, d.Int(8), i % 3 ? Pose::Kneel : Pose::Lie, 1);
            } else {
                s.Hold(a, d.Int(6), Pose::Stretch, 0, 12);
                s.Hold(b, d.Int(6), i % 2 ? Pose::Stretch : Pose::Stand, 0, 12);
            }
        }
        if (act == "handshake") {
            const int r = s.Add(Role::Referee, 3, At(cx, kMidY - 4, Pose::Stand, 1));
            s.Move(r, 20, F - 1, cx, kMidY + 14, Pose::Walk);
        }
        if (act == "extratime") {
            const int m = s.Add(Role::Manager, 5, At(cx - 3, kMidY + 3, Pose::Shout, 1));
            (void)m;
            s.Add(Role::Manager, 9, At(cx + 6, kMidY + 4, Pose::Point, -1));
        }
        if (act == "result") s.fansFrom = 0;
        return true;
    }
    if (act == "physio") {
        s.ballMoves = false;
        const int ph = s.Add(Role::Physio, 2, At(cx - 6, 69, Pose::Run, 1));
        s.Move(ph, 0, F - 4, cx + 2, 40, Pose::Run);
        const int b1 = s.Add(Role::Bearer, 4, At(cx - 9, 70, Pose::Carry, 1));
        const int b2 = s.Add(Role::Bearer, 7, At(cx - 11.2, 70.4, Pose::Carry, 1));
        s.Move(b1, 4, F - 1, cx - 1, 46, Pose::Carry);
        s.Move(b2, 4, F - 1, cx - 3.2, 46.4, Pose::Carry);
        s.Add(Role::Side, d.Int(16), At(cx + 3, 38, Pose::Lie, 1));
        return true;
    }
    if (act == "still") {
        s.ballMoves = false;
        if (p.Str("players", "no") == "yes") {
            for (int i = 0; i < 4; ++i) s.Add(Role::Side, d.Int(16), At(cx - 18 + i * 9, kMidY - 8 + i * 5, Pose::Stand, 1));
            for (int i = 0; i < 4; ++i) s.Add(Role::Other, d.Int(16), At(cx - 12 + i * 9, kMidY - 4 + i * 4, Pose::Stand, -1));
        }
        return true;
    }
    if (act == "sub") {
        s.camera = "touchline";
        s.ballMoves = false;
        const double at = cx + p.Num("at", 0);
        const bool keeper = p.Str("who", "player") == "keeper";
        const bool injured = p.Str("injured", "no") == "yes";
        const int off = s.Add(keeper ? Role::Keeper : Role::Side, d.Int(16), At(at + 3.5, 64.5, injured ? Pose::Limp : Pose::Walk, -1));
        s.Move(off, 0, F - 6, at + 1.5, 68.4, injured ? Pose::Limp : Pose::Walk);
        if (injured) {
            const int ph = s.Add(Role::Physio, 2, At(at + 4.2, 64.9, Pose::Walk, -1));
            s.Move(ph, 0, F - 6, at + 2.2, 68.8, Pose::Walk);
        }
        const int on = s.Add(keeper ? Role::Keeper : Role::Side, d.Int(16), At(at - 1.5, 68.6, Pose::Stand, 1));
        s.Hold(on, 6, Pose::Stretch, 0, 10);
        s.Move(on, F - 14, F - 1, at + 2.5, 64, Pose::Run);
        const int o = s.Add(Role::Official, 5, At(at - 2.0, 69.2, Pose::HoldUp, 1));
        s.actors[static_cast<size_t>(o)].prop = art::Prop::Board;
        s.actors[static_cast<size_t>(o)].propColour = pal::kBoardBlack;
        s.actors[static_cast<size_t>(o)].propDetail = pal::kBoardDigits;
        s.Hold(o, 1, Pose::HoldUp, 1);
        return true;
    }
    if (error) *error = "unknown act " + act;
    return false;
}

}  // namespace

bool BuildScene(const ClipSpec& spec, Scene& scene, std::string* error) {
    scene = Scene();
    const Params p{spec};
    scene.frames = p.Int("frames", 30);
    Dice dice(static_cast<uint32_t>(spec.number) * 7919u + 17u);
    bool ok = false;
    if (spec.tmpl == "attack") ok = Attack(p, scene, dice, error);
    else if (spec.tmpl == "corner") ok = Corner(p, scene, dice, error);
    else if (spec.tmpl == "restart") ok = Restart(p, scene, dice, error);
    else if (spec.tmpl == "freekick") ok = FreeKick(p, scene, dice, error);
    else if (spec.tmpl == "penalty") ok = Penalty(p, scene, dice, error);
    else if (spec.tmpl == "owngoal") ok = OwnGoal(p, scene, dice, error);
    else if (spec.tmpl == "close") ok = Close(p, scene, dice, error);
    else if (spec.tmpl == "phase") ok = Phase(p, scene, dice, error);
    else if (error) *error = "unknown template " + spec.tmpl;
    if (ok && !FindCamera(scene.camera)) {
        if (error) *error = "unknown camera " + scene.camera;
        return false;
    }
    return ok;
}

}  // namespace clipgen
