#pragma once
// A clip as a little scene on the pitch: actors who walk, run and strike
// poses between key frames, a ball that rolls and flies between key places,
// the sounds the scene makes, and the camera that films it. Templates build
// scenes; the renderer draws them frame by frame.
#include <string>
#include <vector>

#include "camera.h"
#include "figure.h"

namespace clipgen {

// Who an actor is decides his colours.
enum class Role {
    Side,         // an outfield player of the clip's side
    Other,        // an outfield player of the other side
    Keeper,       // either side's keeper: one kit that stands out
    Referee,
    Assistant,
    Physio,
    Bearer,       // a stretcher-bearer
    Manager,
    Official,     // the fourth official
};

struct ActorKey {
    int frame = 0;
    double x = 0, y = 0;
    art::Pose pose = art::Pose::Stand;
    int facing = 0;      // 1 right, -1 left, 0 from the movement (or towards the ball)
    double phase = -1;   // -1: from the distance covered (runs) or the time in the pose
    double poseFrames = 8;  // frames a timed pose (kick, dive, fall...) takes
};

struct Actor {
    Role role = Role::Side;
    int look = 0;  // picks skin and hair
    std::vector<ActorKey> keys;
    art::Prop prop = art::Prop::None;
    int propColour = 0;  // first entry of a ramp (or a flat colour)
    int propDetail = 0;
};

// The ball from frame f0 (at a) to f1 (at b), `loft` metres above the
// straight line at the middle.
struct BallFlight {
    int f0 = 0, f1 = 0;
    art::Vec3 a, b;
    double loft = 0;
};

enum Slot { kPass = 22, kShot = 23, kWhistle = 24, kLongBall = 25, kNearMiss = 26, kGoalRoar = 27 };

struct Cue {
    int frame = 0;
    int slot = 0;
};

struct Scene {
    std::string camera;
    int frames = 30;
    std::vector<Actor> actors;
    std::vector<BallFlight> ball;  // empty: no ball in the clip
    std::vector<Cue> cues;
    int goalFrame = -1;     // the ball crossed the line; the net bulges after it
    int fansFrom = -1;      // the clip side's fans celebrate from this frame
    bool cornerFlag = false;  // the corner flag of the filmed corner, in frames
    bool ballMoves = true;  // false: the end cell stays as it was

    int Add(Role role, int look, ActorKey first);
    // Moves actor a from where he is at frame f0 to (x, y) at f1, in a
    // moving pose (run, walk, limp, carry) whose stride follows the
    // distance; he stands when he arrives.
    void Move(int a, int f0, int f1, double x, double y, art::Pose pose = art::Pose::Run, int facing = 0);
    // Actor a holds a pose from frame f where he stands.
    void Hold(int a, int frame, art::Pose pose, int facing = 0, double poseFrames = 8);
    // The ball flies from where it is at frame f0 to (x, y, z) at f1.
    void Kick(int f0, int f1, double x, double y, double z = 0, double loft = 0, int slot = -1);
    void Place(int frame, double x, double y, double z = 0);
    art::Vec3 BallAt(int frame) const;
    void AddCue(int frame, int slot);
    const ActorKey& Last(int a) const { return actors[static_cast<size_t>(a)].keys.back(); }
};

// Where actor `a` is, and how he stands, at frame f.
struct ActorState {
    double x = 0, y = 0;
    art::PoseState pose;
};
ActorState StateAt(const Scene& s, const Actor& a, int frame);

}  // namespace clipgen
