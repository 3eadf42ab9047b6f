// The twenty interface sounds: clicks with body, soft ticks, woody notes,
// swooshes, a crowd for the stands and a page turning.
#include <cmath>

#include "recipes.h"

namespace synth {

namespace {

// A desk-sized room: the clicks get a little air around them, no echo.
const RoomSettings kDesk{0.25f, 0.7f, 0.05f, 1.0f, 0.8f, 0.0f};

Mono Mix(std::initializer_list<std::pair<const Mono*, float>> parts,
         std::initializer_list<float> delays = {}) {
    size_t n = 0;
    auto d = delays.begin();
    std::vector<size_t> at;
    for (auto& p : parts) {
        size_t off = d != delays.end() ? Samples(*d++) : 0;
        at.push_back(off);
        n = std::max(n, off + p.first->size());
    }
    Mono out(n, 0.0f);
    size_t k = 0;
    for (auto& p : parts) {
        for (size_t i = 0; i < p.first->size(); ++i) out[at[k] + i] += (*p.first)[i] * p.second;
        ++k;
    }
    return out;
}

// A short pitched blip gliding between two notes.
Mono Blip(float hz0, float hz1, float seconds) {
    size_t n = Samples(seconds);
    Mono out(n);
    double phase = 0;
    for (size_t i = 0; i < n; ++i) {
        float t = static_cast<float>(i) / static_cast<float>(n);
        float hz = hz0 * std::pow(hz1 / hz0, std::min(1.0f, t * 1.6f));
        phase += 2 * M_PI * hz / kRate;
        float env = std::min(1.0f, t * 40.0f) * std::exp(-t * 4.0f);
        out[i] = static_cast<float>(std::sin(phase) + 0.25 * std::sin(2 * phase) +
                                    0.08 * std::sin(3 * phase)) *
                 env;
    }
    ApplyAr(out, 0.001f, 0.01f);
    return out;
}

Mono Ticks(Rng& rng, int count, float hz, float spacing, float fall) {
    Mono out(Samples(spacing * count + 0.05f), 0.0f);
    float g = 1.0f;
    for (int k = 0; k < count; ++k) {
        Mono t = Click(rng, hz * rng.Range(0.95f, 1.05f), hz * 2.2f, 0.012f, 0.5f);
        size_t at = Samples(spacing * static_cast<float>(k));
        for (size_t i = 0; i < t.size() && at + i < out.size(); ++i) out[at + i] += t[i] * g;
        g *= fall;
    }
    return out;
}

}  // namespace

// A marimba-like bar: its overtones stand at 4 and 10 times the note.
Mono Bar(Rng& rng, float hz, float decay) {
    return Modal(
        {{hz, 1.0f, decay}, {hz * 3.93f, 0.3f, decay * 0.3f}, {hz * 9.8f, 0.08f, decay * 0.12f}},
        decay * 1.1f, &rng, 0.003f);
}

Stereo PageTurn(Rng& rng, float seconds) {
    size_t n = Samples(seconds);
    Mono paper(n, 0.0f);
    Svf band;
    // The sheet flexes a few times as it lifts and falls: flaps of rising then
    // falling brightness, with the crackle of the paper over them.
    Mono flutter = Wander(n, rng, 28.0f);
    for (size_t i = 0; i < n; ++i) {
        float t = static_cast<float>(i) / static_cast<float>(n);
        float shape = std::sin(kPi * std::pow(t, 0.8f));
        float centre = 1800.0f + 3200.0f * shape * (0.6f + 0.4f * flutter[i]);
        float crackle = rng.Uniform() < 0.004f * shape ? rng.Noise() * 4.0f : 0.0f;
        paper[i] =
            band.Run(rng.Noise() + crackle, centre, 1.1f).band * shape * (0.4f + 0.6f * flutter[i]);
    }
    Mono settle = NoiseBurst(rng, 0.12f, 60, 500, 0.004f, 0.07f);
    Mono out = Mix({{&paper, 1.0f}, {&settle, 0.8f}}, {0.0f, seconds * 0.82f});
    Stereo s(out.size());
    Place(s, out, 0, 1.0f, 0.1f);
    // A little of the other sheet on the far side.
    Mono far = Swoosh(rng, seconds * 0.7f, 2500, 5000, 1.4f);
    Place(s, far, Samples(seconds * 0.15f), 0.25f, -0.5f);
    return s;
}

std::vector<Built> InterfaceSounds() {
    std::vector<Built> out;
    auto add = [&](const char* name, Stereo s, float peakDb, float tail = 0.12f) {
        s = InRoom(std::move(s), kDesk, tail);
        out.push_back(
            {std::string("SND\\GEN\\") + name + ".wav", FinishShot(std::move(s), peakDb), false});
    };
    Rng rng(1999);

    {  // 0: a firm button: a crisp top over a solid low thock
        Mono top = Click(rng, 1450, 3800, 0.035f, 0.55f);
        Mono low = Thump(rng, 260, 180, 0.045f, 0.1f);
        add("buttonpress", ToStereo(Mix({{&top, 1.0f}, {&low, 0.55f}})), -7);
    }
    {  // 1: the release, lighter and higher
        Mono top = Click(rng, 1950, 4800, 0.022f, 0.5f);
        Mono low = Thump(rng, 330, 250, 0.03f, 0.05f);
        add("buttondispress", ToStereo(Mix({{&top, 1.0f}, {&low, 0.3f}})), -11);
    }
    {  // 2: a tool-bar toggle: press, then the latch catching
        Mono press = Click(rng, 950, 3000, 0.045f, 0.6f);
        Mono latch = Click(rng, 2100, 5200, 0.02f, 0.45f);
        Mono low = Thump(rng, 210, 140, 0.05f, 0.1f);
        add("toolpress",
            ToStereo(Mix({{&press, 1.0f}, {&latch, 0.6f}, {&low, 0.5f}}, {0, 0.018f, 0})), -7);
    }
    {  // 3: the toggle springing back
        Mono up = Click(rng, 1250, 4200, 0.03f, 0.55f);
        Mono latch = Click(rng, 2400, 5600, 0.015f, 0.4f);
        add("tooldispress", ToStereo(Mix({{&up, 1.0f}, {&latch, 0.4f}}, {0, 0.014f})), -11);
    }
    {  // 4: the mouse over a tool: a soft glassy tick, heard often, so quiet
        Mono tick = Modal({{2637, 1.0f, 0.05f}, {5274, 0.18f, 0.02f}}, 0.07f, &rng, 0.0f);
        Mono air = Swoosh(rng, 0.04f, 3000, 6000, 1.5f);
        add("toolmouseover", ToStereo(Mix({{&tick, 1.0f}, {&air, 0.25f}})), -19, 0.08f);
    }
    {  // 5 and 6: the spin buttons, a little rising or falling blip on a click
        Mono c = Click(rng, 1600, 4200, 0.015f, 0.5f);
        Mono up = Blip(740, 1110, 0.075f);
        add("editincreasepress", ToStereo(Mix({{&c, 0.7f}, {&up, 0.6f}}, {0, 0.004f})), -11);
        Mono c2 = Click(rng, 1500, 4000, 0.015f, 0.5f);
        Mono down = Blip(1110, 740, 0.075f);
        add("editdecreasepress", ToStereo(Mix({{&c2, 0.7f}, {&down, 0.6f}}, {0, 0.004f})), -11);
    }
    {  // 7: choosing in the tree: a warm wooden note
        Mono note = Bar(rng, 587, 0.2f);
        Mono c = Click(rng, 1800, 4500, 0.01f, 0.4f);
        add("treeitemselect", ToStereo(Mix({{&note, 1.0f}, {&c, 0.35f}})), -10);
    }
    {  // 8 and 9: a branch opening (rising air, a higher note) or closing
        Mono air = Swoosh(rng, 0.16f, 500, 3800, 2.5f);
        Mono note = Bar(rng, 784, 0.15f);
        add("treeexpand", ToStereo(Mix({{&air, 0.9f}, {&note, 0.45f}}, {0, 0.12f})), -12);
        Mono air2 = Swoosh(rng, 0.16f, 3800, 500, 2.5f);
        Mono note2 = Bar(rng, 523, 0.15f);
        add("treecollapse", ToStereo(Mix({{&air2, 0.9f}, {&note2, 0.45f}}, {0, 0.12f})), -12);
    }
    // 10: the tree scrolling: a little ratchet
    add("treescroll", ToStereo(Ticks(rng, 3, 2200, 0.022f, 0.7f)), -15, 0.06f);
    {  // 11: a row chosen: a light tap on wood
        Mono tap = WoodKnock(rng, 820, 0.05f);
        Mono c = Click(rng, 2600, 5500, 0.008f, 0.4f);
        add("listitemselect", ToStereo(Mix({{&tap, 1.0f}, {&c, 0.4f}})), -11);
    }
    {  // 12: a column header: the flick of a card, two taps
        Mono flick = NoiseBurst(rng, 0.05f, 1500, 6000, 0.002f, 0.03f);
        Mono a = WoodKnock(rng, 640, 0.04f);
        Mono b = WoodKnock(rng, 900, 0.03f);
        add("listcolumnselect",
            ToStereo(Mix({{&flick, 0.6f}, {&a, 1.0f}, {&b, 0.6f}}, {0, 0.004f, 0.036f})), -11);
    }
    // 13: the list scrolling: finer and softer than the tree
    add("listscroll", ToStereo(Ticks(rng, 2, 2700, 0.018f, 0.6f)), -17, 0.05f);
    {  // 14: the right button: lower and duller
        Mono c = Click(rng, 700, 2600, 0.04f, 0.6f);
        Mono low = Thump(rng, 200, 150, 0.05f, 0.05f);
        add("rightmousebutton", ToStereo(Mix({{&c, 1.0f}, {&low, 0.6f}})), -10);
    }
    {  // 15: a radio button: a small bright plink
        Mono bell = SmallBell(rng, 1568, 0.22f);
        Mono c = Click(rng, 2000, 5000, 0.01f, 0.4f);
        add("radiopress", ToStereo(Mix({{&bell, 0.8f}, {&c, 0.5f}})), -11);
    }
    {  // 16: a box ticked: two quick rising notes
        Mono a = Bar(rng, 1047, 0.12f);
        Mono b = Bar(rng, 1568, 0.18f);
        Mono c = Click(rng, 1900, 4800, 0.01f, 0.4f);
        add("checkboxtrue",
            ToStereo(Mix({{&c, 0.4f}, {&a, 0.8f}, {&b, 0.9f}}, {0, 0.002f, 0.055f})), -10);
    }
    {  // 17: the mouse over a stand: its crowd stirs
        float len = 0.8f;
        size_t n = Samples(len);
        Mono level(n);
        for (size_t i = 0; i < n; ++i) {
            float t = static_cast<float>(i) / static_cast<float>(n);
            level[i] = 0.35f * std::sin(kPi * std::pow(t, 0.6f));
        }
        Stereo crowd = CrowdRoar(rng, level, 420);
        Stereo talk = Babble(rng, n, 14, 120, 240, 4.5f, 0.8f);
        for (size_t i = 0; i < n; ++i) {
            talk.l[i] *= level[i] * 0.7f;
            talk.r[i] *= level[i] * 0.7f;
        }
        Place(crowd, talk, 0, 1.0f);
        Filter(crowd, Biquad::LowPass(2200));
        out.push_back(
            {"SND\\GEN\\standover.wav",
             FinishShot(InRoom(std::move(crowd), {0.8f, 0.5f, 0.25f, 1.0f, 1.0f, 0.02f}, 0.8f),
                        -15),
             false});
    }
    {  // 18: a stand chosen: its crowd cheers
        float len = 1.6f;
        size_t n = Samples(len);
        Mono level(n);
        for (size_t i = 0; i < n; ++i) {
            float t = static_cast<float>(i) / kRate;
            level[i] = std::min(1.0f, t / 0.12f) * std::exp(-std::max(0.0f, t - 0.25f) * 2.2f);
        }
        Stereo crowd = CrowdRoar(rng, level, 480);
        Mono shout = CrowdVowel(rng, 1.1f, 24, 230, 270, 0, 0.08f, 0.7f);
        Place(crowd, shout, 0, 0.5f, 0.0f);
        Mono dens(n);
        for (size_t i = 0; i < n; ++i) dens[i] = level[i];
        Stereo claps = Applause(rng, n, 120, dens, false);
        Place(crowd, claps, 0, 0.6f);
        Mono c = Click(rng, 1450, 3800, 0.03f, 0.55f);
        Place(crowd, c, 0, 0.8f, 0.0f);
        out.push_back(
            {"SND\\GEN\\standselect.wav",
             FinishShot(InRoom(std::move(crowd), {0.85f, 0.45f, 0.3f, 1.0f, 1.0f, 0.03f}, 1.2f),
                        -8),
             false});
    }
    // 19: a page turning
    add("pageturn", PageTurn(rng, 0.38f), -9, 0.15f);
    return out;
}

}  // namespace synth
