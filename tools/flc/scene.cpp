#include "scene.h"

#include <algorithm>
#include <cmath>

namespace clipgen {

int Scene::Add(Role role, int look, ActorKey first) {
    Actor a;
    a.role = role;
    a.look = look;
    a.keys.push_back(first);
    actors.push_back(a);
    return static_cast<int>(actors.size()) - 1;
}

void Scene::Move(int a, int f0, int f1, double x, double y, art::Pose pose, int facing) {
    Actor& actor = actors[static_cast<size_t>(a)];
    ActorKey from = actor.keys.back();
    if (f0 > from.frame) {
        from.frame = f0;
        from.phase = -1;
        actor.keys.push_back(from);
    }
    ActorKey& start = actor.keys.back();
    start.pose = pose;
    start.facing = facing;
    ActorKey to = start;
    to.frame = std::max(f1, start.frame + 1);
    to.x = x;
    to.y = y;
    to.pose = pose == art::Pose::Carry ? pose : art::Pose::Stand;
    to.facing = facing;
    actor.keys.push_back(to);
}

void Scene::Hold(int a, int frame, art::Pose pose, int facing, double poseFrames) {
    Actor& actor = actors[static_cast<size_t>(a)];
    ActorKey k = actor.keys.back();
    k.frame = std::max(frame, k.frame);
    k.pose = pose;
    if (facing) k.facing = facing;
    k.phase = -1;
    k.poseFrames = poseFrames;
    if (actor.keys.back().frame == k.frame)
        actor.keys.back() = k;
    else
        actor.keys.push_back(k);
}

void Scene::Place(int frame, double x, double y, double z) {
    BallFlight f;
    f.f0 = f.f1 = frame;
    f.a = f.b = {x, y, z};
    ball.push_back(f);
}

art::Vec3 Scene::BallAt(int frame) const {
    if (ball.empty()) return {};
    const BallFlight* cur = &ball.front();
    if (frame < cur->f0) return cur->a;
    for (const BallFlight& f : ball) {
        if (frame >= f.f0 && frame <= f.f1) {
            if (f.f1 == f.f0) return f.b;
            const double s = static_cast<double>(frame - f.f0) / (f.f1 - f.f0);
            return {f.a.x + (f.b.x - f.a.x) * s, f.a.y + (f.b.y - f.a.y) * s,
                    f.a.z + (f.b.z - f.a.z) * s + 4 * f.loft * s * (1 - s)};
        }
        if (frame > f.f1) cur = &f;
    }
    return cur->b;
}

void Scene::Kick(int f0, int f1, double x, double y, double z, double loft, int slot) {
    BallFlight f;
    f.f0 = f0;
    f.f1 = std::max(f1, f0 + 1);
    f.a = BallAt(f0);
    f.b = {x, y, z};
    f.loft = loft;
    // A later flight replaces what the ball would have done after f0.
    ball.erase(std::remove_if(ball.begin(), ball.end(), [&](const BallFlight& b) { return b.f0 >= f0 && b.f1 > b.f0; }),
               ball.end());
    for (BallFlight& b : ball)
        if (b.f1 > f0) b.f1 = f0;
    ball.push_back(f);
    if (slot > 0) AddCue(f0, slot);
}

void Scene::AddCue(int frame, int slot) { cues.push_back({frame, slot}); }

ActorState StateAt(const Scene& s, const Actor& a, int frame) {
    ActorState st;
    const std::vector<ActorKey>& k = a.keys;
    size_t i = 0;
    while (i + 1 < k.size() && k[i + 1].frame <= frame) ++i;
    const ActorKey& cur = k[i];
    st.x = cur.x;
    st.y = cur.y;
    st.pose.pose = cur.pose;
    int facing = cur.facing;
    double dist = 0;
    if (i + 1 < k.size() && frame >= cur.frame) {
        const ActorKey& next = k[i + 1];
        const double t = next.frame > cur.frame ? static_cast<double>(frame - cur.frame) / (next.frame - cur.frame) : 1;
        st.x = cur.x + (next.x - cur.x) * t;
        st.y = cur.y + (next.y - cur.y) * t;
        if (facing == 0 && std::fabs(next.x - cur.x) > 0.05) facing = next.x > cur.x ? 1 : -1;
    }
    // Strides: the distance covered over the whole track so far.
    for (size_t j = 1; j < k.size(); ++j) {
        if (k[j - 1].frame >= frame) break;
        const double t = k[j].frame > frame ? static_cast<double>(frame - k[j - 1].frame) / std::max(1, k[j].frame - k[j - 1].frame) : 1;
        dist += std::hypot(k[j].x - k[j - 1].x, k[j].y - k[j - 1].y) * std::clamp(t, 0.0, 1.0);
    }
    if (facing == 0) {
        const art::Vec3 b = s.BallAt(frame);
        facing = s.ball.empty() ? 1 : (b.x >= st.x ? 1 : -1);
    }
    st.pose.facing = facing;
    const art::Pose p = cur.pose;
    if (p == art::Pose::Run || p == art::Pose::Walk || p == art::Pose::Limp || p == art::Pose::Carry) {
        const double stride = p == art::Pose::Run ? 2.4 : 1.5;
        // Eight phases a stride.
        const bool moving = i + 1 < k.size() && (k[i + 1].x != cur.x || k[i + 1].y != cur.y);
        if (!moving && p != art::Pose::Carry) st.pose.pose = art::Pose::Stand;
        st.pose.phase = std::floor(dist / stride * 8) / 8;
    } else if (cur.phase >= 0) {
        st.pose.phase = cur.phase;
    } else {
        const double t = (frame - cur.frame) / std::max(1.0, cur.poseFrames);
        const bool cyclic = p == art::Pose::ArmsUp || p == art::Pose::Clap || p == art::Pose::Wave || p == art::Pose::Stretch ||
                            p == art::Pose::Shout || p == art::Pose::Jump;
        // Timed poses step in quarter phases so that still bodies stay still.
        st.pose.phase = cyclic ? std::floor(t * 4) / 4 : std::min(1.0, std::floor(t * 6) / 6);
    }
    return st;
}

}  // namespace clipgen
