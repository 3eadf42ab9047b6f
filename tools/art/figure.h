#pragma once
// Posed people drawn as procedural sprites: head, hair, torso, arms,
// shorts, legs, socks and boots, shaded in three bands with a one-pixel
// dark outline. Footballers, keepers, officials, managers, physios and fans
// all come from here; callers choose the colours and the pose.
#include <cstdint>

#include "canvas.h"

namespace art {

enum class Pose {
    Stand,      // facing the viewer, arms down
    Run,        // phase: the stride, 0..1 a cycle
    Walk,       // phase: the step, 0..1 a cycle
    Kick,       // phase: 0 the back-swing, 0.5 the strike, 1 the follow-through
    Header,     // phase: 0..1 the jump
    Dive,       // phase: 0..1 the flight; the keeper dives towards `facing`
    Fall,       // phase: 0..1 from stumbling to lying
    Lie,        // on the ground
    Kneel,      // down on both knees, head bowed
    ArmsUp,     // facing the viewer, both arms raised; phase bobs
    KneeSlide,  // on the knees, leaning back, arms out
    Jump,       // facing the viewer, leaping with fists up; phase 0..1
    Point,      // one arm straight out ahead
    Whistle,    // hand at the mouth
    RaiseArm,   // one arm straight up (a card, a flag, an appeal)
    Protest,    // facing the viewer, both arms out, palms up
    Hug,        // both arms forward at chest height
    Clap,       // facing the viewer; phase claps
    Wave,       // facing the viewer; phase waves one arm overhead
    Crouch,     // on one knee, arms forward and low
    Carry,      // walking, both hands low and forward
    HoldUp,     // facing the viewer, both arms straight up
    Tackle,     // a sliding tackle, the leading leg out
    Handshake,  // the near arm forward at waist height
    Stretch,    // facing the viewer; phase bends side to side
    Throw,      // phase: both arms from behind the head to forward
    Catch,      // facing the viewer, the ball held at the chest
    Limp,       // phase: a slow, uneven step
    Shout,      // leaning forward, one arm up and ahead
    Watch,      // phase: the far wrist raised to the eyes, head bowed to it
};

// What a figure carries in its raised hand.
enum class Prop { None, Card, Flag, Board };

struct FigureStyle {
    Shade skin{2, 3, 4};
    uint8_t hair = 1;
    Shade shirt{5, 6, 7};
    Shade shorts{5, 6, 7};
    Shade socks{5, 6, 7};
    uint8_t boots = 1;
    uint8_t outline = 1;
    bool longSleeves = false;
    Shade gloves{0, 0, 0};  // a keeper's; {0,0,0}: bare hands
    bool trousers = false;  // managers and physios
    Prop prop = Prop::None;
    Shade propColour{0, 0, 0};
    uint8_t propDetail = 0;  // the flag's second colour, the board's digits
    bool bald = false;
};

struct PoseState {
    Pose pose = Pose::Stand;
    double phase = 0;
    int facing = 1;     // 1 right, -1 left (side views); front poses ignore it
    double lift = 0;    // feet above the ground, in figure heights
};

// Draws a figure whose feet stand at (footX, footY), `height` pixels tall
// when upright.
void DrawFigure(Canvas8& canvas, double footX, double footY, double height, const FigureStyle& style,
                const PoseState& pose);

// The figure's shadow: a short flat ellipse to the lower right of its feet.
void DrawFigureShadow(Canvas8& canvas, double footX, double footY, double height, uint8_t colour,
                      const PoseState& pose);

}  // namespace art
