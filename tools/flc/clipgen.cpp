#include "clipgen.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <tuple>

#include "flcwriter.h"
#include "stadium.h"
#include "templates.h"

namespace clipgen {

namespace {

// Players are drawn larger than life, more so from afar, so that the
// wide views stay readable.
double FigureHeight(double scale) {
    const double boost = 1.8 - 0.55 * std::clamp((scale - 8) / 40, 0.0, 1.0);
    return 1.8 * scale * boost;
}

art::FigureStyle StyleOf(const Actor& a) {
    art::FigureStyle st;
    const int skin = (a.look * 7 + 3) % 10;
    const int skinIndex = skin < 4 ? 0 : skin < 6 ? 1 : skin < 8 ? 2 : 3;
    const uint8_t s0 = pal::kSkin[skinIndex];
    st.skin = {s0, static_cast<uint8_t>(s0 + 1), static_cast<uint8_t>(s0 + 2)};
    st.hair = pal::kHair[skinIndex >= 2 ? 0 : (a.look / 3) % 4];
    st.bald = a.look % 11 == 5;
    st.outline = pal::kOutline;
    st.boots = a.look % 5 == 0 ? pal::kWhiteBoots : pal::kBoots;
    auto tri = [](uint8_t first) { return art::Shade{first, static_cast<uint8_t>(first + 1), static_cast<uint8_t>(first + 2)}; };
    switch (a.role) {
    case Role::Side:
        st.shirt = art::RampShade(pal::kSideShirt);
        st.shorts = art::RampShade(pal::kSideShorts);
        st.socks = art::RampShade(pal::kSideShirt);
        break;
    case Role::Other:
        st.shirt = art::RampShade(pal::kOtherShirt);
        st.shorts = art::RampShade(pal::kOtherShorts);
        st.socks = art::RampShade(pal::kOtherShirt);
        break;
    case Role::Keeper:
        st.shirt = tri(pal::kKeeperShirt);
        st.shorts = tri(pal::kKeeperShorts);
        st.socks = tri(pal::kKeeperShirt);
        st.longSleeves = true;
        st.gloves = tri(pal::kGloves);
        break;
    case Role::Referee:
    case Role::Assistant:
        st.shirt = st.shorts = st.socks = tri(pal::kReferee);
        st.boots = pal::kBoots;
        break;
    case Role::Physio:
        st.shirt = st.shorts = tri(pal::kPhysio);
        st.trousers = true;
        st.longSleeves = true;
        break;
    case Role::Bearer:
        st.shirt = st.shorts = tri(pal::kStretcher);
        st.trousers = true;
        break;
    case Role::Manager:
    case Role::Official:
        st.shirt = st.shorts = tri(pal::kSuit);
        st.trousers = true;
        st.longSleeves = true;
        break;
    }
    st.prop = a.prop;
    if (a.propDetail) st.propDetail = static_cast<uint8_t>(a.propDetail);
    if (a.prop != art::Prop::None) {
        const uint8_t c = static_cast<uint8_t>(a.propColour);
        st.propColour = c >= 128 ? art::RampShade(c) : art::Flat(c);
        st.propDetail = static_cast<uint8_t>(a.propDetail);
    }
    return st;
}

void DrawBall(art::Canvas8& c, const art::Camera& cam, art::Vec3 b) {
    const art::ScreenPoint ground = cam.Project({b.x, b.y, 0});
    const art::ScreenPoint air = cam.Project(b);
    if (!air.visible) return;
    const double r = std::max(1.2, 0.11 * air.scale * 1.7);
    if (ground.visible) c.FillEllipse(ground.x + r * 0.4, ground.y + r * 0.2, r * 1.1, r * 0.45, pal::kShadow);
    c.FillEllipse(air.x, air.y - r, r + 0.6, r + 0.6, pal::kOutline);
    c.ShadedDisc(air.x, air.y - r, r, {pal::kBall, static_cast<uint8_t>(pal::kBall + 1), static_cast<uint8_t>(pal::kBall + 2)});
    if (r >= 2.5) c.FillEllipse(air.x + r * 0.15, air.y - r * 1.05, r * 0.35, r * 0.3, pal::kBallPatch);
}

// The clip side's fans jump and wave scarves in the front rows of the far
// stand; a few camera flashes go off.
void DrawFans(art::Canvas8& c, const art::Camera& cam, int frame) {
    for (int i = 0; i < 140; ++i) {
        const double x = -4 + i * 0.82;
        const double z = 1.7 + (i % 3) * 0.45;
        const art::ScreenPoint sp = cam.Project({x, -6.0, z});
        if (!sp.visible || sp.x < -4 || sp.x > kWidth + 4 || sp.y < 0 || sp.y > kHeight) continue;
        const double u = std::max(1.0, sp.scale * 0.42);
        const bool up = ((frame / 2) + i) % 3 != 0;
        const double bob = up ? u * 0.5 : 0;
        const uint8_t shirt = static_cast<uint8_t>(pal::kSideShirt + 2 + (i % 3) * 6);
        c.FillRect(static_cast<int>(sp.x - u * 0.5), static_cast<int>(sp.y - u * 1.6 - bob), static_cast<int>(sp.x + u * 0.5),
                   static_cast<int>(sp.y - bob), shirt);
        c.FillRect(static_cast<int>(sp.x - u * 0.35), static_cast<int>(sp.y - u * 2.3 - bob), static_cast<int>(sp.x + u * 0.35),
                   static_cast<int>(sp.y - u * 1.6 - bob), static_cast<uint8_t>(pal::kSkin[i % 4] + 1));
        if (up) {
            // A scarf held up: the shirt and the shorts colour in bands.
            const int sx = static_cast<int>(sp.x - u * 1.1 + ((frame + i) % 2) * u * 0.3);
            const int sy = static_cast<int>(sp.y - u * 3.0 - bob);
            for (int k = 0; k < static_cast<int>(u * 2.2) + 1; ++k)
                c.Set(sx + k, sy + ((k + frame) % 4 < 2 ? 0 : 1), (k / 2) % 2 ? pal::kSideShorts + 4 : pal::kSideShirt + 2);
        }
    }
    for (int k = 0; k < 3; ++k) {
        const uint32_t h = static_cast<uint32_t>(frame * 7919 + k * 104729);
        if (h % 5 > 1) continue;
        const double x = -5 + static_cast<double>(h % 115);
        const art::ScreenPoint sp = cam.Project({x, -7.5, 3.0 + (h / 7) % 6});
        if (!sp.visible) continue;
        const int fx = static_cast<int>(sp.x), fy = static_cast<int>(sp.y);
        c.Set(fx, fy, pal::kFlash);
        c.Set(fx - 1, fy, pal::kFlash);
        c.Set(fx + 1, fy, pal::kFlash);
        c.Set(fx, fy - 1, pal::kFlash);
        c.Set(fx, fy + 1, pal::kFlash);
    }
}

void DrawBulge(art::Canvas8& c, const art::Camera& cam, double y, double depth) {
    for (int i = -3; i <= 3; ++i) {
        const double yy = y + i * 0.45;
        const art::ScreenPoint a = cam.Project({kPitchLength + 2.0, yy, 0.2});
        const art::ScreenPoint m = cam.Project({kPitchLength + 2.0 + depth, yy, 1.0});
        const art::ScreenPoint b = cam.Project({kPitchLength + 2.0, yy, 2.1});
        if (!a.visible || !m.visible || !b.visible) continue;
        c.Line(a.x, a.y, m.x, m.y, pal::kNet);
        c.Line(m.x, m.y, b.x, b.y, pal::kNet);
    }
}

void DrawCornerFlag(art::Canvas8& c, const art::Camera& cam, const std::string& camera, int frame) {
    const double y = camera == "corner-top" ? 0 : kPitchWidth;
    const art::ScreenPoint foot = cam.Project({kPitchLength, y, 0}), top = cam.Project({kPitchLength, y, 1.6});
    if (!foot.visible || !top.visible) return;
    c.Capsule(foot.x, foot.y, top.x, top.y, 0.8, 0.8, art::Flat(pal::kPost));
    const double w = (foot.y - top.y) * 0.45, h = (foot.y - top.y) * 0.28;
    const double wave = ((frame / 3) % 2) ? 1.5 : -1.0;
    const double pts[] = {top.x, top.y, top.x - w, top.y + h * 0.5 + wave, top.x, top.y + h};
    c.FillPolygon(pts, 3, pal::kOtherShirt + 4);
}

std::vector<Cue> TidyCues(std::vector<Cue> cues, int frames) {
    std::stable_sort(cues.begin(), cues.end(), [](const Cue& a, const Cue& b) { return a.frame < b.frame; });
    std::vector<Cue> out;
    int next = 0;
    for (const Cue& c : cues) {
        const int f = std::max(c.frame, next);
        if (f >= frames) break;
        out.push_back({f, c.slot});
        next = f + 1;
    }
    return out;
}

void EndCells(const Scene& s, RenderedClip& out, bool neutral) {
    out.endColumn = out.endRow = out.startColumn = out.startRow = -1;
    if (s.ball.empty()) return;
    const art::Vec3 a = s.BallAt(0);
    std::tie(out.startColumn, out.startRow) = PitchCell(a.x, a.y);
    if (!s.ballMoves) return;
    const art::Vec3 b = s.BallAt(s.frames - 1);
    std::tie(out.endColumn, out.endRow) = PitchCell(b.x, b.y);
    if (neutral && !(out.endColumn == 6 && out.endRow == 4)) out.endColumn = out.endRow = -1;
}

bool Simulate(const ClipSpec& spec, Scene& scene, RenderedClip& out, std::string* error) {
    if (!BuildScene(spec, scene, error)) return false;
    out.camera = scene.camera;
    out.cues = TidyCues(scene.cues, scene.frames);
    EndCells(scene, out, IsNeutralClip(spec.number));
    return true;
}

}  // namespace

std::pair<int, int> PitchCell(double x, double y) {
    return {std::clamp(static_cast<int>(std::floor(x / (kPitchLength / 13))), 0, 12),
            std::clamp(static_cast<int>(std::floor(y / (kPitchWidth / 9))), 0, 8)};
}

bool DescribeClip(const ClipSpec& spec, RenderedClip& out, std::string* error) {
    Scene scene;
    return Simulate(spec, scene, out, error);
}

bool RenderClip(const ClipSpec& spec, RenderedClip& out, std::string* error) {
    Scene scene;
    if (!Simulate(spec, scene, out, error)) return false;
    const CameraSetup* setup = FindCamera(scene.camera);
    const art::Camera cam = MakeCamera(*setup);
    out.frames.clear();
    for (int f = 0; f < scene.frames; ++f) {
        art::Canvas8 c(kWidth, kHeight, pal::kSeeThrough);
        if (scene.fansFrom >= 0 && f >= scene.fansFrom) DrawFans(c, cam, f);
        if (scene.goalFrame >= 0 && f >= scene.goalFrame && f < scene.goalFrame + 10)
            DrawBulge(c, cam, scene.BallAt(scene.goalFrame).y, 0.6 * (1.0 - (f - scene.goalFrame) / 10.0));
        if (scene.cornerFlag) DrawCornerFlag(c, cam, scene.camera, f);
        struct Item {
            double depth;
            int actor;  // -1: the ball
            ActorState st;
            art::ScreenPoint sp;
        };
        std::vector<Item> items;
        for (size_t i = 0; i < scene.actors.size(); ++i) {
            const ActorState st = StateAt(scene, scene.actors[i], f);
            const art::ScreenPoint sp = cam.Project({st.x, st.y, 0});
            if (!sp.visible) continue;
            items.push_back({sp.y, static_cast<int>(i), st, sp});
        }
        art::Vec3 ball{};
        if (!scene.ball.empty()) {
            ball = scene.BallAt(f);
            const art::ScreenPoint sp = cam.Project({ball.x, ball.y, 0});
            if (sp.visible) items.push_back({sp.y + 0.01, -1, {}, sp});
        }
        std::stable_sort(items.begin(), items.end(), [](const Item& a, const Item& b) { return a.depth < b.depth; });
        for (const Item& it : items)
            if (it.actor >= 0)
                art::DrawFigureShadow(c, it.sp.x, it.sp.y, FigureHeight(it.sp.scale), pal::kShadow, it.st.pose);
        for (const Item& it : items) {
            if (it.actor < 0) {
                DrawBall(c, cam, ball);
                continue;
            }
            const Actor& a = scene.actors[static_cast<size_t>(it.actor)];
            const double h = FigureHeight(it.sp.scale);
            // The bodies are drawn at a larger scale than the pitch, so a
            // figure's lift follows its own height.
            art::PoseState ps = it.st.pose;
            art::DrawFigure(c, it.sp.x, it.sp.y, h, StyleOf(a), ps);
            if (a.role == Role::Bearer && it.st.pose.pose == art::Pose::Carry && it.actor > 0 &&
                scene.actors[static_cast<size_t>(it.actor) - 1].role == Role::Bearer) {
                // The stretcher between the two bearers.
                const ActorState other = StateAt(scene, scene.actors[static_cast<size_t>(it.actor) - 1], f);
                const art::ScreenPoint o = cam.Project({other.x, other.y, 0});
                const double y = it.sp.y - h * 0.42;
                c.Capsule(it.sp.x, y, o.x, o.y - h * 0.42, h * 0.05, h * 0.05, {pal::kStretcher, pal::kStretcher + 1, pal::kStretcher + 2});
                c.FillRect(static_cast<int>((it.sp.x + o.x) / 2 - 1), static_cast<int>(y - 1), static_cast<int>((it.sp.x + o.x) / 2 + 1),
                           static_cast<int>(y + 1), pal::kRedCross);
            }
        }
        if (setup->netInFront) DrawNetInFront(c, cam, 0);
        out.frames.push_back(std::move(c));
    }
    return true;
}

std::vector<uint8_t> EncodeClip(const std::vector<art::Canvas8>& frames, bool flip, bool shortCut) {
    flcw::FlcWriter w(kWidth, kHeight);
    const flcw::FlcPalette palette = ClipPalette();
    std::vector<size_t> pick;
    if (shortCut && frames.size() > 2) pick = {0, frames.size() - 1};
    else
        for (size_t i = 0; i < frames.size(); ++i) pick.push_back(i);
    bool first = true;
    for (size_t i : pick) {
        art::Canvas8 c = frames[i];
        if (flip) c.FlipHorizontal();
        w.AddFrame(c.Pixels(), first ? std::optional<flcw::FlcPalette>(palette) : std::nullopt);
        first = false;
    }
    return w.Finish();
}

bool DescribeCatalogue(const std::vector<ClipSpec>& specs, std::vector<ClipRowInfo>& rows, std::string* error) {
    std::map<int, const ClipSpec*> byNumber;
    for (const ClipSpec& s : specs) {
        if (byNumber.count(s.number)) {
            if (error) *error = "clip " + std::to_string(s.number) + " given twice";
            return false;
        }
        byNumber[s.number] = &s;
    }
    rows.clear();
    for (const auto& [n, s] : byNumber) {
        ClipRowInfo r;
        r.number = n;
        const ClipSpec* src = s;
        if (s->mirrorOf >= 0) {
            auto it = byNumber.find(s->mirrorOf);
            if (it == byNumber.end() || it->second->mirrorOf >= 0) {
                if (error) *error = "clip " + std::to_string(n) + " mirrors a clip that is not drawn";
                return false;
            }
            src = it->second;
            r.flipped = true;
        }
        RenderedClip info;
        if (!DescribeClip(*src, info, error)) {
            if (error) *error = "clip " + std::to_string(src->number) + ": " + *error;
            return false;
        }
        r.source = src->number;
        r.kind = SpecKind(*src);
        r.side = r.kind == 1 ? (src->tmpl == "owngoal" ? 2 : 1) : 0;
        r.cues = info.cues;
        r.camera = info.camera;
        r.frames = [&] {
            auto it = src->params.find("frames");
            return it == src->params.end() ? 30 : std::stoi(it->second);
        }();
        r.endColumn = info.endColumn;
        r.endRow = info.endRow;
        r.startColumn = info.startColumn;
        r.startRow = info.startRow;
        if (r.flipped && r.endColumn >= 0) r.endColumn = 12 - r.endColumn;
        if (r.flipped && r.startColumn >= 0) r.startColumn = 12 - r.startColumn;
        // The mirror's name: the source's stem with this number and the
        // other end's letter.
        const std::string& sn = src->name;
        const std::string stem = sn.substr(0, sn.size() - 4);
        const char end = r.flipped ? (sn.back() == 'R' ? 'L' : 'R') : sn.back();
        char num[8];
        std::snprintf(num, sizeof num, "%03d", n);
        r.name = src->folder + "\\" + (r.flipped ? stem + num + end : sn);
        rows.push_back(r);
    }
    return true;
}

std::string TableText(const std::vector<ClipRowInfo>& rows) {
    std::string t =
        "# The animation clips of the match-day screen, written by the clip generator\n"
        "# from assets/flc/scenes.txt:\n"
        "#   number end-column end-row side kind \"Folder\\name\" frame:slot ...\n";
    for (const ClipRowInfo& r : rows) {
        t += std::to_string(r.number) + " " + std::to_string(r.endColumn) + " " + std::to_string(r.endRow) + " " +
             std::to_string(r.side) + " " + std::to_string(r.kind) + " \"" + r.name + "\"";
        for (const Cue& c : r.cues) t += " " + std::to_string(c.frame) + ":" + std::to_string(c.slot);
        t += "\n";
    }
    return t;
}

}  // namespace clipgen
