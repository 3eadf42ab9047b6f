// The eleven ambient sets: a seamless loop and three spot effects for each
// kind of page, from the stadium's crowd to the manager's office.
#include <cmath>
#include <tuple>

#include "recipes.h"

namespace synth {

namespace {

size_t LoopN() {
    return Samples(kLoopSeconds);
}
size_t BedN() {
    return Samples(kLoopSeconds + kLoopFade);
}

// Loops peak well below the interface sounds, spots in between, so a click
// over a loop over a spot still fits.
constexpr float kLoopPeak = -16.0f;
constexpr float kSpotPeak = -10.0f;

const RoomSettings kOffice{0.45f, 0.55f, 0.12f, 1.0f, 0.8f, 0.005f};
const RoomSettings kTiled{0.75f, 0.15f, 0.28f, 1.0f, 1.0f, 0.01f};
const RoomSettings kHall{0.82f, 0.4f, 0.22f, 1.0f, 1.0f, 0.02f};
const RoomSettings kOutdoors{0.55f, 0.6f, 0.1f, 1.0f, 1.0f, 0.04f};
const RoomSettings kStadium{0.93f, 0.45f, 0.32f, 1.0f, 1.0f, 0.03f};

// Adds a bed rendered over BedN() samples to a loop, crossfading its end into
// its start.
void AddBed(Stereo& loop, const Stereo& bed, float gain) {
    Place(loop, LoopCrossfade(bed, LoopN()), 0, gain);
}

// The still air of a room: a low rumble of the building and a soft hiss of
// ventilation, different on each side.
Stereo RoomTone(Rng& rng, float rumbleHz, float hissHz, float hiss) {
    size_t n = BedN();
    Stereo s(n);
    for (Mono* ch : {&s.l, &s.r}) {
        Mono rumble = BrownNoise(n, rng);
        Filter(rumble, Biquad::LowPass(rumbleHz));
        // Felt more than heard: kept low, and nothing below the speakers' reach.
        Filter(rumble, Biquad::HighPass(40));
        Mono air = PinkNoise(n, rng);
        Filter(air, Biquad::LowPass(hissHz));
        Filter(air, Biquad::HighPass(120));
        for (size_t i = 0; i < n; ++i) (*ch)[i] = rumble[i] * 0.3f + air[i] * hiss;
    }
    return s;
}

// Wind: noise through a band that wanders, with gusts.
Stereo Wind(Rng& rng, float lowHz, float highHz, float q, float gustRate) {
    size_t n = BedN();
    Stereo s(n);
    for (Mono* ch : {&s.l, &s.r}) {
        Mono centre = Wander(n, rng, gustRate * 0.7f);
        Mono gust = Wander(n, rng, gustRate);
        Mono pink = PinkNoise(n, rng);
        Svf f;
        for (size_t i = 0; i < n; ++i) {
            float hz = lowHz * std::pow(highHz / lowHz, centre[i]);
            (*ch)[i] = f.Run(pink[i], hz, q).band * (0.25f + 0.75f * gust[i] * gust[i]);
        }
    }
    return s;
}

// Mains hum at 50 Hz and its harmonics: whole cycles in a loop, so it joins.
void Hum(Stereo& loop, float gain) {
    for (size_t i = 0; i < loop.size(); ++i) {
        float t = static_cast<float>(i) / kRate;
        float v = 0.6f * std::sin(2 * kPi * 100 * t) + 0.3f * std::sin(2 * kPi * 150 * t) +
                  0.15f * std::sin(2 * kPi * 200 * t);
        loop.l[i] += v * gain;
        loop.r[i] += v * gain;
    }
}

// A wall clock: tick and tock once a second.
void Clock(Rng& rng, Stereo& loop, float hz, float gain, float pan) {
    for (int s = 0; s < static_cast<int>(kLoopSeconds); ++s) {
        Mono tick = WoodKnock(rng, s % 2 ? hz : hz * 1.12f, 0.04f);
        Mono esc = Click(rng, hz * 3.1f, hz * 6.0f, 0.012f, 0.5f);
        Place(loop, tick, Samples(static_cast<float>(s)), gain, pan, true);
        Place(loop, esc, Samples(static_cast<float>(s) + 0.006f), gain * 0.4f, pan, true);
    }
}

// Someone typing: words of a few keys, spaces, and pauses to think.
void Typing(Rng& rng, Stereo& loop, float gain, float pan, float busy) {
    float t = rng.Range(0.0f, 1.0f);
    while (t < kLoopSeconds) {
        int keys = 2 + rng.Int(6);
        for (int k = 0; k < keys; ++k) {
            Mono key = KeyClick(rng, false);
            Place(loop, key, Samples(t), gain * rng.Range(0.6f, 1.0f),
                  pan + rng.Range(-0.05f, 0.05f), true);
            t += rng.Range(0.09f, 0.17f);
        }
        Mono space = KeyClick(rng, true);
        Place(loop, space, Samples(t), gain * 0.9f, pan, true);
        t += rng.Range(0.12f, 0.2f);
        if (rng.Uniform() > busy) t += rng.Range(0.6f, 2.0f);
    }
}

// A football struck: the dull thump of the ball and the slap of the boot.
Mono Kick(Rng& rng, float slap) {
    Mono body = Thump(rng, 210, 85, 0.09f, 0.0f);
    Mono leather = NoiseBurst(rng, 0.08f, 500, 3000, 0.0005f, 0.025f);
    Mono boot = Click(rng, 900, 2500, 0.02f, 0.6f);
    for (size_t i = 0; i < body.size(); ++i) {
        if (i < leather.size()) body[i] += leather[i] * 3.0f * slap;
        if (i < boot.size()) body[i] += boot[i] * 0.5f * slap;
    }
    return body;
}

// A crowd's swell of intensity over a spot: up in `rise`, down over `fall`.
Mono Swell(size_t n, float rise, float hold, float fall, float peak) {
    Mono level(n);
    for (size_t i = 0; i < n; ++i) {
        float t = static_cast<float>(i) / kRate;
        float v = t < rise          ? 0.5f - 0.5f * std::cos(kPi * t / rise)
                  : t < rise + hold ? 1.0f
                                    : std::exp(-(t - rise - hold) * 3.0f / fall);
        level[i] = v * peak;
    }
    return level;
}

Built Loop(const std::string& folder, const char* name, Stereo s) {
    return {"SND\\AMB\\" + folder + "\\" + name, FinishLoop(std::move(s), kLoopPeak), true};
}
Built Spot(const std::string& folder, const char* name, Stereo s, float peak = kSpotPeak) {
    return {"SND\\AMB\\" + folder + "\\" + name, FinishShot(std::move(s), peak), false};
}

// Crowd singing "o-le, o-le": notes of vowels o and e.
Mono Chant(Rng& rng, int voices, float tempo) {
    struct Note {
        float hz;
        int vowel;
        float beats;
    };
    const Note tune[] = {{294, 3, 1},    {247, 1, 1},    {294, 3, 1}, {247, 1, 1},
                         {294, 3, 0.5f}, {330, 3, 0.5f}, {294, 1, 1}, {247, 1, 2}};
    float beat = 60.0f / tempo;
    Mono out;
    size_t at = 0;
    for (const Note& n : tune) {
        float len = n.beats * beat;
        Mono v = CrowdVowel(rng, len * 1.05f, voices, n.hz, n.hz * 0.99f, n.vowel, 0.06f, 0.12f);
        out.resize(std::max(out.size(), at + v.size()), 0.0f);
        for (size_t i = 0; i < v.size(); ++i) out[at + i] += v[i];
        at += Samples(len);
    }
    return out;
}

std::vector<Built> Intro(Rng& rng) {
    const std::string f = "INTRO";
    // Outside the ground before kick-off: the crowd inside, the wind outside.
    Stereo loop(LoopN());
    {
        size_t n = BedN();
        Mono level = Wander(n, rng, 0.35f);
        for (float& v : level) v = 0.25f + 0.2f * v;
        Stereo crowd = CrowdRoar(rng, level, 380);
        Stereo talk = Babble(rng, n, 30, 110, 260, 4.0f, 0.75f);
        Place(crowd, talk, 0, 0.12f);
        Filter(crowd, Biquad::LowPass(1300));
        AddBed(loop, crowd, 1.0f);
        AddBed(loop, Wind(rng, 250, 800, 0.9f, 0.4f), 0.35f);
    }
    Reverb(loop, kStadium, true);
    Filter(loop, Biquad::HighPass(60), true);
    std::vector<Built> out;
    out.push_back(Loop(f, "loop.wav", std::move(loop)));

    Mono chant = Chant(rng, 36, 132);
    Filter(chant, Biquad::LowPass(2200));
    out.push_back(Spot(f, "spot1.wav", InRoom(ToStereo(chant, -0.2f), kStadium, 2.0f)));

    {  // an air horn across the car park: two reeds a third apart
        size_t n = Samples(1.4f);
        Mono horn(n, 0.0f);
        for (float base : {415.0f, 523.0f}) {
            double phase = 0;
            for (size_t i = 0; i < n; ++i) {
                float t = static_cast<float>(i) / kRate;
                float hz = base * (1.0f - 0.06f * std::exp(-t * 18.0f));
                phase += hz / kRate;
                phase -= std::floor(phase);
                horn[i] += BlepSaw(static_cast<float>(phase), hz / kRate) * 0.5f;
            }
        }
        Filter(horn, Biquad::LowPass(2600));
        Filter(horn, Biquad::Peak(1200, 1.5f, 6));
        ApplyAr(horn, 0.03f, 0.15f);
        out.push_back(Spot(f, "spot2.wav", InRoom(ToStereo(horn, 0.4f), kStadium, 2.5f)));
    }
    {  // the supporters' drum: boom, boom, boom-boom
        Stereo s(Samples(2.0f));
        const float hits[] = {0.0f, 0.5f, 1.0f, 1.25f};
        for (float t : hits) {
            Mono b = Thump(rng, 120, 55, 0.35f, 0.6f);
            Place(s, b, Samples(t), 1.0f, -0.3f);
        }
        out.push_back(Spot(f, "spot3.wav", InRoom(std::move(s), kStadium, 2.0f)));
    }
    return out;
}

std::vector<Built> Manager(Rng& rng) {
    const std::string f = "MANAGER";
    // The manager's office: the building's hush, a wall clock, the heating.
    Stereo loop(LoopN());
    AddBed(loop, RoomTone(rng, 180, 900, 0.35f), 1.0f);
    Hum(loop, 0.004f);
    Clock(rng, loop, 1900, 0.08f, 0.45f);
    Reverb(loop, kOffice, true);
    std::vector<Built> out;
    out.push_back(Loop(f, "loop.wav", std::move(loop)));
    {  // a knock at the door
        Stereo s(Samples(0.8f));
        for (int k = 0; k < 3; ++k)
            Place(s, WoodKnock(rng, 165, 0.14f), Samples(0.19f * static_cast<float>(k)),
                  k == 1 ? 0.85f : 1.0f, -0.5f);
        out.push_back(Spot(f, "spot1.wav", InRoom(std::move(s), kOffice, 0.5f)));
    }
    {  // a pen signing across paper
        size_t n = Samples(1.6f);
        Mono pen(n);
        Svf band;
        Mono strokes = Wander(n, rng, 11.0f);
        Mono lift = Wander(n, rng, 2.5f);
        for (size_t i = 0; i < n; ++i) {
            float centre = 2600 + 2400 * strokes[i];
            float on = lift[i] > 0.25f ? 1.0f : lift[i] * 4.0f;
            pen[i] = band.Run(rng.Noise(), centre, 2.0f).band * strokes[i] * on;
        }
        ApplyAr(pen, 0.05f, 0.1f);
        Mono tap = WoodKnock(rng, 1400, 0.03f);
        Stereo s = ToStereo(pen, 0.1f);
        Place(s, tap, n - tap.size(), 0.4f, 0.1f);
        out.push_back(Spot(f, "spot2.wav", InRoom(std::move(s), kOffice, 0.3f)));
    }
    {  // a coffee cup set down on its saucer
        Mono cup = Ceramic(rng, 2900, 0.35f);
        Mono rattle = Ceramic(rng, 3450, 0.2f);
        Mono thud = Thump(rng, 200, 160, 0.06f, 0.1f);
        Stereo s(cup.size() + Samples(0.1f));
        Place(s, cup, 0, 1.0f, 0.3f);
        Place(s, rattle, Samples(0.045f), 0.45f, 0.3f);
        Place(s, thud, 0, 0.5f, 0.3f);
        out.push_back(Spot(f, "spot3.wav", InRoom(std::move(s), kOffice, 0.4f)));
    }
    return out;
}

std::vector<Built> Squad(Rng& rng) {
    const std::string f = "SQUAD";
    // The dressing room: tiles, the players talking among themselves, studs.
    Stereo loop(LoopN());
    AddBed(loop, RoomTone(rng, 150, 1400, 0.2f), 0.8f);
    {
        Stereo talk = Babble(rng, BedN(), 9, 95, 150, 3.8f, 0.55f);
        Filter(talk, Biquad::LowPass(2400));
        AddBed(loop, talk, 0.55f);
    }
    for (float t : {1.3f, 1.45f, 4.8f, 7.2f, 7.31f, 7.5f}) {
        Mono stud = Click(rng, rng.Range(1100, 1500), 4500, 0.02f, 0.6f);
        Place(loop, stud, Samples(t), 0.12f, rng.Range(-0.7f, 0.7f), true);
    }
    Reverb(loop, kTiled, true);
    std::vector<Built> out;
    out.push_back(Loop(f, "loop.wav", std::move(loop)));
    {  // a locker door slammed shut
        Mono door = MetalClang(rng, 205, 0.8f);
        Mono latch = Click(rng, 1300, 4000, 0.03f, 0.6f);
        Stereo s(door.size() + Samples(0.05f));
        Place(s, door, 0, 1.0f, 0.35f);
        Place(s, latch, Samples(0.03f), 0.7f, 0.35f);
        out.push_back(Spot(f, "spot1.wav", InRoom(std::move(s), kTiled, 1.2f)));
    }
    {  // a ball bounced on the floor, settling
        Stereo s(Samples(1.8f));
        float t = 0, gap = 0.45f, g = 1.0f;
        for (int k = 0; k < 5; ++k) {
            Place(s, Kick(rng, 0.6f), Samples(t), g, -0.2f);
            t += gap;
            gap *= 0.78f;
            g *= 0.7f;
        }
        out.push_back(Spot(f, "spot2.wav", InRoom(std::move(s), kTiled, 1.0f)));
    }
    {  // the coach's whistle: time to go out
        Mono w = Whistle(rng, 2900, {0.16f, 0.5f}, 0.09f);
        out.push_back(Spot(f, "spot3.wav", InRoom(ToStereo(w, 0.0f), kTiled, 1.3f), -11));
    }
    return out;
}

std::vector<Built> Club(Rng& rng) {
    const std::string f = "CLUB";
    // The empty ground on a weekday: wind through the stands, the town beyond.
    Stereo loop(LoopN());
    AddBed(loop, Wind(rng, 200, 700, 0.8f, 0.3f), 0.8f);
    AddBed(loop, Wind(rng, 850, 1300, 9.0f, 0.2f), 0.12f);  // whistling through a gap
    {
        Stereo town = RoomTone(rng, 140, 500, 0.3f);
        AddBed(loop, town, 0.7f);
    }
    Reverb(loop, kOutdoors, true);
    std::vector<Built> out;
    out.push_back(Loop(f, "loop.wav", std::move(loop)));
    {  // the club flag snapping in the wind
        size_t n = Samples(2.2f);
        Mono flag(n);
        Mono flap = Wander(n, rng, 14.0f);
        Mono gust = Wander(n, rng, 1.5f);
        Svf band;
        for (size_t i = 0; i < n; ++i) {
            float g = gust[i];
            float snap = std::pow(flap[i], 3.0f);
            flag[i] = band.Run(rng.Noise(), 400 + 1400 * flap[i], 1.2f).band *
                      (0.2f + snap * 1.5f) * (0.3f + 0.7f * g);
        }
        ApplyAr(flag, 0.3f, 0.4f);
        out.push_back(Spot(f, "spot1.wav", InRoom(ToStereo(flag, 0.5f), kOutdoors, 0.5f)));
    }
    {  // a gate clanging at the far end
        Mono gate = MetalClang(rng, 135, 1.3f);
        Filter(gate, Biquad::LowPass(3000));
        out.push_back(Spot(f, "spot2.wav", InRoom(ToStereo(gate, -0.6f), kStadium, 2.0f), -13));
    }
    {  // gulls and sparrows on the roof of the stand
        Stereo s(Samples(2.2f));
        Place(s, Birdsong(rng, 3200, 5200, 6), 0, 0.9f, 0.5f);
        Place(s, Birdsong(rng, 2800, 4500, 4), Samples(1.1f), 0.6f, -0.4f);
        out.push_back(Spot(f, "spot3.wav", InRoom(std::move(s), kOutdoors, 0.6f), -13));
    }
    return out;
}

std::vector<Built> Player(Rng& rng) {
    const std::string f = "PLAYER";
    // The training ground: open air, balls struck in the distance, a shout.
    Stereo loop(LoopN());
    AddBed(loop, Wind(rng, 300, 900, 0.7f, 0.35f), 0.9f);
    AddBed(loop, RoomTone(rng, 120, 400, 0.3f), 0.8f);
    for (float t : {0.7f, 2.9f, 3.6f, 6.1f, 8.4f, 9.6f}) {
        Mono kick = Kick(rng, 0.8f);
        Filter(kick, Biquad::LowPass(1800));
        Place(loop, kick, Samples(t), 0.18f, rng.Range(-0.8f, 0.8f), true);
    }
    for (float t : {1.8f, 7.0f}) {
        Mono shout = CrowdVowel(rng, 0.35f, 1, rng.Range(180, 230), 160, 0, 0.04f, 0.15f);
        Filter(shout, Biquad::LowPass(1500));
        Place(loop, shout, Samples(t), 0.35f, rng.Range(-0.8f, 0.8f), true);
    }
    Reverb(loop, kOutdoors, true);
    std::vector<Built> out;
    out.push_back(Loop(f, "loop.wav", std::move(loop)));
    {  // a ball struck hard nearby
        Mono kick = Kick(rng, 1.0f);
        out.push_back(Spot(f, "spot1.wav", InRoom(ToStereo(kick, 0.3f), kOutdoors, 0.8f)));
    }
    {  // the coach's whistle on the field
        Mono w = Whistle(rng, 3150, {0.22f, 0.22f, 0.6f}, 0.1f);
        out.push_back(Spot(f, "spot2.wav", InRoom(ToStereo(w, -0.4f), kOutdoors, 0.8f), -12));
    }
    {  // a blackbird at the edge of the pitch
        Stereo s(Samples(2.6f));
        Place(s, Birdsong(rng, 1800, 3600, 7), 0, 1.0f, 0.6f);
        Place(s, Birdsong(rng, 2000, 3900, 5), Samples(1.4f), 0.8f, 0.6f);
        out.push_back(Spot(f, "spot3.wav", InRoom(std::move(s), kOutdoors, 0.6f), -13));
    }
    return out;
}

std::vector<Built> Financial(Rng& rng) {
    const std::string f = "FINANCIAL";
    // The accounts office: air conditioning, a clerk at the keyboard.
    Stereo loop(LoopN());
    AddBed(loop, RoomTone(rng, 170, 1800, 0.5f), 1.0f);
    Hum(loop, 0.003f);
    Typing(rng, loop, 0.06f, -0.4f, 0.7f);
    Reverb(loop, kOffice, true);
    std::vector<Built> out;
    out.push_back(Loop(f, "loop.wav", std::move(loop)));
    {  // the till: two keys, the drawer rolling out, the bell
        Stereo s(Samples(1.5f));
        Place(s, Click(rng, 700, 3000, 0.04f, 0.6f), 0, 0.8f, 0.2f);
        Place(s, Click(rng, 760, 3200, 0.04f, 0.6f), Samples(0.14f), 0.8f, 0.2f);
        Mono drawer = Swoosh(rng, 0.25f, 180, 700, 1.0f);
        Place(s, drawer, Samples(0.28f), 0.8f, 0.2f);
        Place(s, SmallBell(rng, 2090, 0.9f), Samples(0.3f), 0.9f, 0.1f);
        Place(s, Thump(rng, 150, 110, 0.08f, 0.4f), Samples(0.52f), 0.8f, 0.2f);
        out.push_back(Spot(f, "spot1.wav", InRoom(std::move(s), kOffice, 0.6f)));
    }
    {  // coins counted onto the desk
        Stereo s(Samples(1.5f));
        float t = 0;
        for (int k = 0; k < 9; ++k) {
            Mono coin = Ceramic(rng, rng.Range(3300, 4600), rng.Range(0.12f, 0.3f));
            Place(s, coin, Samples(t), rng.Range(0.5f, 1.0f), rng.Range(-0.3f, 0.3f));
            t += rng.Range(0.06f, 0.16f);
        }
        out.push_back(Spot(f, "spot2.wav", InRoom(std::move(s), kOffice, 0.4f)));
    }
    {  // the adding machine: crank, whirr and ratchet
        Stereo s(Samples(1.2f));
        Place(s, Click(rng, 500, 2400, 0.05f, 0.7f), 0, 1.0f, -0.3f);
        size_t n = Samples(0.55f);
        Mono whirr(n);
        double phase = 0;
        for (size_t i = 0; i < n; ++i) {
            phase += 95.0 / kRate;
            phase -= std::floor(phase);
            whirr[i] =
                BlepSaw(static_cast<float>(phase), 95.0f / kRate) * 0.3f + rng.Noise() * 0.1f;
        }
        Filter(whirr, Biquad::BandPass(700, 1.2f));
        ApplyAr(whirr, 0.04f, 0.06f);
        Place(s, whirr, Samples(0.06f), 0.9f, -0.3f);
        for (int k = 0; k < 8; ++k)
            Place(s, Click(rng, 1700, 4500, 0.012f, 0.5f),
                  Samples(0.1f + 0.055f * static_cast<float>(k)), 0.45f, -0.3f);
        Place(s, Click(rng, 420, 2000, 0.06f, 0.7f), Samples(0.66f), 1.0f, -0.3f);
        out.push_back(Spot(f, "spot3.wav", InRoom(std::move(s), kOffice, 0.4f)));
    }
    return out;
}

std::vector<Built> Match(Rng& rng) {
    const std::string f = "MATCH";
    // The ground on match day: a full crowd, swelling and settling.
    Stereo loop(LoopN());
    {
        size_t n = BedN();
        Mono level = Wander(n, rng, 0.4f);
        for (float& v : level) v = 0.35f + 0.3f * v;
        Stereo crowd = CrowdRoar(rng, level, 540);
        Stereo talk = Babble(rng, n, 44, 130, 280, 4.5f, 0.85f);
        Place(crowd, talk, 0, 0.1f);
        Mono dens(n);
        Mono clap = Wander(n, rng, 0.25f);
        for (size_t i = 0; i < n; ++i) dens[i] = std::max(0.0f, clap[i] - 0.6f);
        Stereo claps = Applause(rng, n, 90, dens, false);
        Place(crowd, claps, 0, 0.25f);
        AddBed(loop, crowd, 1.0f);
    }
    Reverb(loop, kStadium, true);
    Filter(loop, Biquad::HighPass(70), true);
    std::vector<Built> out;
    out.push_back(Loop(f, "loop.wav", std::move(loop)));
    {  // "oooh": a chance goes wide
        size_t n = Samples(2.6f);
        Mono ooh = CrowdVowel(rng, 2.4f, 40, 240, 165, 4, 0.25f, 1.0f);
        Stereo s = CrowdRoar(rng, Swell(n, 0.35f, 0.4f, 1.2f, 0.6f), 420);
        Scale(s, 0.5f);
        Place(s, ooh, 0, 0.6f, 0.0f);
        out.push_back(Spot(f, "spot1.wav", InRoom(std::move(s), kStadium, 2.0f)));
    }
    {  // a goal: the roar, the shouts and the applause
        size_t n = Samples(4.0f);
        Mono level = Swell(n, 0.25f, 1.0f, 2.2f, 1.0f);
        Stereo s = CrowdRoar(rng, level, 520);
        Mono yell = CrowdVowel(rng, 2.0f, 40, 270, 300, 0, 0.12f, 1.0f);
        Place(s, yell, 0, 0.35f, 0.0f);
        Stereo claps = Applause(rng, n, 160, level, false);
        Place(s, claps, Samples(0.4f), 0.5f);
        out.push_back(Spot(f, "spot2.wav", InRoom(std::move(s), kStadium, 2.0f), -8));
    }
    {  // the home end's clapping chant: clap clap clap, clap clap clap clap, "hey!"
        Stereo s(Samples(3.4f));
        const float beats[] = {0, 0.3f, 0.6f, 1.2f, 1.35f, 1.5f, 1.65f, 2.1f, 2.4f, 2.7f};
        for (float b : beats) {
            Mono dens(Samples(0.09f), 1.0f);
            Stereo clap = Applause(rng, dens.size(), 1100, dens, false);
            Place(s, clap, Samples(b), 1.0f);
        }
        Mono hey = CrowdVowel(rng, 0.45f, 36, 260, 230, 1, 0.03f, 0.3f);
        Place(s, hey, Samples(2.95f), 0.9f, 0.0f);
        Mono bed = CrowdVowel(rng, 3.4f, 10, 200, 200, 3, 0.3f, 0.5f);
        Place(s, bed, 0, 0.15f, 0.0f);
        out.push_back(Spot(f, "spot3.wav", InRoom(std::move(s), kStadium, 2.0f)));
    }
    return out;
}

// The vidiprinter: selector and type hammer for each character, the motor.
std::vector<Built> Fixtures(Rng& rng) {
    const std::string f = "FIXTURES";
    Stereo loop(LoopN());
    AddBed(loop, RoomTone(rng, 160, 1000, 0.25f), 0.8f);
    // The motor: 30 Hz and its harmonics (whole cycles in the loop) and a whirr.
    {
        Mono motor(LoopN(), 0.0f);
        for (size_t i = 0; i < motor.size(); ++i) {
            float t = static_cast<float>(i) / kRate;
            float v = 0;
            for (int h = 1; h <= 12; ++h)
                v += std::sin(2 * kPi * 30.0f * static_cast<float>(h) * t + static_cast<float>(h)) /
                     static_cast<float>(h);
            motor[i] = v;
        }
        Filter(motor, Biquad::LowPass(500), true);
        Place(loop, motor, 0, 0.01f, 0.3f, true);
    }
    auto line = [&](float start, int chars) {
        float t = start;
        for (int c = 0; c < chars; ++c) {
            Place(loop, Click(rng, 1900, 4800, 0.01f, 0.5f), Samples(t), 0.09f, 0.3f, true);
            if (rng.Uniform() > 0.15f)
                Place(loop, Click(rng, rng.Range(850, 1000), 3400, 0.03f, 0.6f),
                      Samples(t + 0.016f), 0.16f, 0.3f, true);
            t += 0.1f;
        }
        // carriage return and line feed
        Place(loop, Swoosh(rng, 0.3f, 900, 300, 1.5f), Samples(t), 0.2f, 0.3f, true);
        Place(loop, Thump(rng, 220, 150, 0.06f, 0.5f), Samples(t + 0.3f), 0.2f, 0.3f, true);
        Place(loop, Click(rng, 1300, 3800, 0.02f, 0.5f), Samples(t + 0.35f), 0.15f, 0.3f, true);
        return t + 0.45f;
    };
    float next = line(0.2f, 38);
    line(next + 0.1f, 33);
    Reverb(loop, kOffice, true);
    std::vector<Built> out;
    out.push_back(Loop(f, "loop.wav", std::move(loop)));
    {  // the bell at the end of a line: ding ding
        Stereo s(Samples(1.6f));
        Place(s, SmallBell(rng, 1760, 1.0f), 0, 1.0f, 0.3f);
        Place(s, SmallBell(rng, 1760, 1.0f), Samples(0.32f), 0.9f, 0.3f);
        out.push_back(Spot(f, "spot1.wav", InRoom(std::move(s), kOffice, 0.6f), -11));
    }
    {  // the printout torn off
        size_t n = Samples(0.65f);
        Mono tear(n, 0.0f);
        Svf band;
        for (size_t i = 0; i < n; ++i) {
            float t = static_cast<float>(i) / static_cast<float>(n);
            float dens = std::sin(kPi * std::pow(t, 0.6f));
            float crackle = rng.Uniform() < 0.08f * dens ? rng.Noise() * 3.0f : 0.0f;
            tear[i] = band.Run(rng.Noise() * 0.4f + crackle, 1800 + 2500 * t, 0.9f).band * dens;
        }
        out.push_back(Spot(f, "spot2.wav", InRoom(ToStereo(tear, -0.2f), kOffice, 0.3f)));
    }
    {  // leafing through the fixture list
        Stereo s(Samples(1.2f));
        Place(s, PageTurn(rng, 0.36f), 0, 1.0f);
        Place(s, PageTurn(rng, 0.32f), Samples(0.55f), 0.8f);
        out.push_back(Spot(f, "spot3.wav", InRoom(std::move(s), kOffice, 0.3f)));
    }
    return out;
}

std::vector<Built> Info(Rng& rng) {
    const std::string f = "INFO";
    // The records room: a hush, an old clock, the odd page.
    Stereo loop(LoopN());
    AddBed(loop, RoomTone(rng, 130, 700, 0.2f), 1.0f);
    Clock(rng, loop, 1100, 0.07f, -0.5f);
    Place(loop, PageTurn(rng, 0.4f), Samples(6.3f), 0.12f, true);
    Reverb(loop, kHall, true);
    std::vector<Built> out;
    out.push_back(Loop(f, "loop.wav", std::move(loop)));
    out.push_back(Spot(f, "spot1.wav", InRoom(PageTurn(rng, 0.45f), kHall, 0.6f)));
    out.push_back(
        Spot(f, "spot2.wav", InRoom(ToStereo(Creak(rng, 0.8f, 22, 55), 0.4f), kHall, 0.6f), -13));
    {  // a pencil tapped on the desk
        Stereo s(Samples(0.8f));
        for (int k = 0; k < 4; ++k)
            Place(s, WoodKnock(rng, 1350, 0.03f), Samples(0.16f * static_cast<float>(k)),
                  1.0f - 0.1f * static_cast<float>(k), -0.2f);
        out.push_back(Spot(f, "spot3.wav", InRoom(std::move(s), kHall, 0.5f), -12));
    }
    return out;
}

std::vector<Built> News(Rng& rng) {
    const std::string f = "NEWS";
    // The newsroom: talk, typewriters and keyboards, the air of a busy floor.
    Stereo loop(LoopN());
    AddBed(loop, RoomTone(rng, 160, 1500, 0.35f), 0.9f);
    {
        Stereo talk = Babble(rng, BedN(), 10, 100, 220, 4.0f, 0.6f);
        Filter(talk, Biquad::LowPass(2000));
        AddBed(loop, talk, 0.35f);
    }
    Typing(rng, loop, 0.07f, 0.5f, 0.8f);
    Typing(rng, loop, 0.04f, -0.6f, 0.6f);
    Reverb(loop, kOffice, true);
    std::vector<Built> out;
    out.push_back(Loop(f, "office loop.wav", std::move(loop)));
    {  // a desk telephone's bell: two rings and a pause, twice
        Stereo s(Samples(4.6f));
        const float rings[] = {0.0f, 0.6f, 3.0f, 3.6f};
        for (float start : rings) {
            size_t strikes = 8;  // 0.4 s at 20 strikes a second
            for (size_t k = 0; k < strikes; ++k) {
                Mono bell = SmallBell(rng, k % 2 ? 1190.0f : 1045.0f, 0.45f);
                Place(s, bell, Samples(start + 0.05f * static_cast<float>(k)), 0.5f, 0.35f);
            }
        }
        out.push_back(Spot(f, "telephone ringing.wav", InRoom(std::move(s), kOffice, 0.5f)));
    }
    {  // lifting the receiver, the dial tone, the number keyed in
        Stereo s(Samples(3.0f));
        Place(s, Click(rng, 400, 2200, 0.05f, 0.7f), 0, 1.0f, -0.2f);
        Mono tone = Tones(350, 440, 0.8f);
        Filter(tone, Biquad::BandPass(700, 0.6f));
        Place(s, tone, Samples(0.15f), 0.12f, -0.2f);
        static const float kRow[] = {697, 770, 852, 941};
        static const float kCol[] = {1209, 1336, 1477};
        float t = 1.05f;
        for (int d = 0; d < 11; ++d) {
            int key = rng.Int(12);
            Place(s, Click(rng, 1500, 4000, 0.015f, 0.5f), Samples(t), 0.45f, -0.2f);
            Mono beep = Tones(kRow[key / 3], kCol[key % 3], 0.09f);
            Filter(beep, Biquad::BandPass(1000, 0.7f));
            Place(s, beep, Samples(t + 0.005f), 0.1f, -0.2f);
            t += rng.Range(0.13f, 0.2f);
        }
        out.push_back(Spot(f, "dialing.wav", InRoom(std::move(s), kOffice, 0.3f), -12));
    }
    {  // the dot-matrix printer: lines of needles, line feeds between
        Stereo s(Samples(3.4f));
        float t = 0.05f;
        for (int ln = 0; ln < 4; ++ln) {
            float len = rng.Range(0.5f, 0.7f);
            size_t n = Samples(len);
            Mono head(n, 0.0f);
            bool inChar = true;
            size_t nextToggle = Samples(0.012f);
            for (size_t i = 0; i < n; i += 18) {  // a needle every 0.8 ms
                if (i >= nextToggle) {
                    inChar = rng.Uniform() < 0.85f;
                    nextToggle = i + Samples(0.0125f);
                }
                if (inChar && rng.Uniform() < 0.6f) head[i] = rng.Range(0.5f, 1.0f);
            }
            Mono body(n, 0.0f);
            for (auto [hz, q, g] :
                 {std::tuple{1250.0f, 4.0f, 1.0f}, {2700.0f, 5.0f, 0.7f}, {520.0f, 3.0f, 0.5f}}) {
                Mono b = head;
                Filter(b, Biquad::BandPass(hz, q));
                for (size_t i = 0; i < n; ++i) body[i] += b[i] * g;
            }
            for (size_t i = 0; i < n; ++i) {
                float u = static_cast<float>(i) / kRate;
                body[i] += 0.05f * std::sin(2 * kPi * 180 * u);
            }
            ApplyAr(body, 0.01f, 0.01f);
            // The head travels across the paper: from left to right on the page.
            float pan = ln % 2 ? 0.3f : -0.3f;
            Place(s, body, Samples(t), 1.0f, pan);
            t += len;
            for (int k = 0; k < 3; ++k)
                Place(s, Click(rng, 900, 3000, 0.015f, 0.5f),
                      Samples(t + 0.03f * static_cast<float>(k)), 0.5f, 0.0f);
            t += 0.18f;
        }
        out.push_back(Spot(f, "printing.wav", InRoom(std::move(s), kOffice, 0.3f), -11));
    }
    return out;
}

std::vector<Built> Discipline(Rng& rng) {
    const std::string f = "DISCIPLINE";
    // The hearing room: panelled, quiet, voices murmuring beyond the door.
    Stereo loop(LoopN());
    AddBed(loop, RoomTone(rng, 120, 500, 0.25f), 1.0f);
    {
        Stereo talk = Babble(rng, BedN(), 3, 90, 130, 3.5f, 0.5f);
        Filter(talk, Biquad::LowPass(650));
        AddBed(loop, talk, 0.5f);
    }
    Reverb(loop, kHall, true);
    std::vector<Built> out;
    out.push_back(Loop(f, "loop.wav", std::move(loop)));
    {  // the chairman's gavel
        Stereo s(Samples(0.7f));
        Place(s, WoodKnock(rng, 240, 0.1f), 0, 1.0f, 0.0f);
        Place(s, WoodKnock(rng, 245, 0.1f), Samples(0.28f), 0.9f, 0.0f);
        out.push_back(Spot(f, "spot1.wav", InRoom(std::move(s), kHall, 1.0f)));
    }
    {  // papers shuffled into order
        Stereo s(Samples(1.4f));
        for (int k = 0; k < 3; ++k) {
            Stereo sheet = PageTurn(rng, rng.Range(0.2f, 0.3f));
            Place(s, sheet, Samples(0.35f * static_cast<float>(k)), 0.8f);
        }
        Place(s, WoodKnock(rng, 300, 0.05f), Samples(1.15f), 0.6f, 0.0f);  // squared on the desk
        out.push_back(Spot(f, "spot2.wav", InRoom(std::move(s), kHall, 0.5f)));
    }
    {  // a chair scraped back on the wooden floor
        Mono scrape = Creak(rng, 0.55f, 90, 150);
        Stereo s = ToStereo(scrape, 0.4f);
        Scale(s, 6.0f);
        s.Resize(s.size() + Samples(0.2f));
        Place(s, Thump(rng, 140, 100, 0.08f, 0.2f), Samples(0.55f), 0.6f, 0.4f);
        out.push_back(Spot(f, "spot3.wav", InRoom(std::move(s), kHall, 0.8f), -12));
    }
    return out;
}

}  // namespace

std::vector<Built> AmbientSounds() {
    std::vector<Built> out;
    uint32_t seed = 2000;
    for (auto make : {Intro, Manager, Squad, Club, Player, Financial, Match, Fixtures, Info, News,
                      Discipline}) {
        Rng rng(seed++);
        for (auto& b : make(rng)) out.push_back(std::move(b));
    }
    return out;
}

}  // namespace synth
