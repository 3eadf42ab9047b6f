#include "shell/photofit.h"

#include <cstdlib>
#include <optional>
#include <sstream>

#include "shell/archive_bitmap.h"
#include "soccerclasses/person.h"

extern const unsigned char vt_hair_styles_txt[];
extern const unsigned long vt_hair_styles_txt_size;

namespace {

// Brings a feature into 0..count-1: past the top it starts again at 0,
// below 0 it goes to the top, as the user's +1 and -1 buttons cycle.
int8_t Wrap(int8_t v, int count) {
    if (v >= count) return 0;
    if (v < 0) return static_cast<int8_t>(count - 1);
    return v;
}

std::string Numbered(const char* prefix, const char* folder, int n) {
    return std::string(prefix) + folder + "\\" + std::to_string(n) + ".bmp";
}

bool ParseEntry(const std::string& token, HairStyleEntry& e) {
    if (token == "-") {
        e = {0, kHairKindEmpty};
        return true;
    }
    const size_t slash = token.find('/');
    const std::string number = token.substr(0, slash);
    if (number.empty() || number.size() > 3 || number.find_first_not_of("0123456789") != std::string::npos)
        return false;
    const int n = std::atoi(number.c_str());
    if (n < 1 || n > 127) return false;
    e.picture = static_cast<int8_t>(n);
    if (slash == std::string::npos) {
        e.kind = kHairKindSingle;
        return true;
    }
    const std::string rear = token.substr(slash + 1);
    for (size_t k = 0; k < kRearHairNames.size(); ++k)
        if (rear == kRearHairNames[k]) {
            e.kind = static_cast<int8_t>(k);
            return true;
        }
    return false;
}

}  // namespace

bool ParseHairStyleTable(std::string_view text, HairStyleTable& table, std::string* error) {
    auto fail = [&](const std::string& why) {
        if (error) *error = why;
        return false;
    };
    std::array<std::vector<HairStyleEntry>, kPhotofitSkinCount> rows;
    int current = -1;
    std::istringstream in{std::string(text)};
    for (std::string line; std::getline(in, line);) {
        if (const size_t hash = line.find('#'); hash != std::string::npos) line.erase(hash);
        std::istringstream words(line);
        for (std::string w; words >> w;) {
            if (w.back() == ':') {
                current = -1;
                for (int s = 0; s < kPhotofitSkinCount; ++s)
                    if (w.substr(0, w.size() - 1) == kSkinFolders[static_cast<size_t>(s)]) current = s;
                if (current < 0) return fail("unknown skin " + w);
                if (!rows[static_cast<size_t>(current)].empty()) return fail("row given twice: " + w);
                continue;
            }
            if (current < 0) return fail("entry before any row: " + w);
            HairStyleEntry e;
            if (!ParseEntry(w, e)) return fail("bad entry " + w);
            rows[static_cast<size_t>(current)].push_back(e);
        }
    }
    for (int s = 0; s < kPhotofitSkinCount; ++s) {
        const auto& r = rows[static_cast<size_t>(s)];
        if (r.size() != kHairStyleCount)
            return fail(std::string(kSkinFolders[static_cast<size_t>(s)]) + " has " + std::to_string(r.size()) +
                        " entries, not 45");
        std::copy(r.begin(), r.end(), table[static_cast<size_t>(s)].begin());
    }
    return true;
}

const HairStyleTable& GetHairStyleTable() {
    static const HairStyleTable table = [] {
        HairStyleTable t{};
        std::string why;
        // The text is ours and checked by the tests; should it ever fail to
        // read, every style is the plain short crop rather than nothing.
        if (!ParseHairStyleTable(
                std::string_view(reinterpret_cast<const char*>(vt_hair_styles_txt), vt_hair_styles_txt_size), t,
                &why)) {
            for (auto& row : t) row.fill({1, kHairKindSingle});
        }
        return t;
    }();
    return table;
}

namespace {
const HairStyleTable* g_pLentHairStyles = nullptr;
}

const HairStyleTable& ActiveHairStyleTable() { return g_pLentHairStyles ? *g_pLentHairStyles : GetHairStyleTable(); }

void UseHairStyleTable(const HairStyleTable* table) { g_pLentHairStyles = table; }

PhotofitFace PhotofitFace::FromFace(const CFace& f) {
    PhotofitFace p;
    p.skin = static_cast<int8_t>(f.Race());
    p.hairColour = static_cast<int8_t>(f.Colour());
    p.chin = static_cast<int8_t>(f.Chin());
    p.eyes = static_cast<int8_t>(f.Eye());
    p.hairStyle = static_cast<int8_t>(f.Hair());
    p.mouth = static_cast<int8_t>(f.Mouth());
    p.nose = static_cast<int8_t>(f.Nose());
    p.beard = static_cast<int8_t>(f.Beard());
    p.back = static_cast<int8_t>(f.Ninth());
    // The layered flag is worked out from the hair style when the face is drawn.
    p.layered = 0;
    p.step = 0;
    return p;
}

void PhotofitFace::ClampSkin() {
    if (skin < 0 || skin >= kPhotofitSkinCount) skin = 0;
}

void PhotofitFace::MakeHairStyleValid() {
    const HairStyleRow& row = ActiveHairStyleTable()[static_cast<size_t>(skin)];
    auto acceptable = [&](int s) {
        const int kind = row[static_cast<size_t>(s)].kind;
        return layered ? kind >= 0 && kind < kHairKindSingle : kind == kHairKindSingle;
    };
    // Every walk wraps round the row and looks at each entry at most once.
    auto walk = [&](int from, int dir) {
        int s = from;
        for (int n = 0; n < kHairStyleCount; ++n) {
            if (acceptable(s)) {
                hairStyle = static_cast<int8_t>(s);
                return;
            }
            s = (s + dir + kHairStyleCount) % kHairStyleCount;
        }
        // No style of the row suits the flag: the first style, single layer.
        hairStyle = 0;
        layered = 0;
    };
    const HairStyleEntry& e = row[static_cast<size_t>(hairStyle)];
    if (e.kind == kHairKindEmpty) {
        if (step < 0)
            walk(hairStyle, -1);
        else
            walk(0, +1);
        return;
    }
    if (acceptable(hairStyle)) return;
    if (step == 0) {
        for (int s = 0; s < kHairStyleCount; ++s)
            if (acceptable(s) && row[static_cast<size_t>(s)].picture == e.picture) {
                hairStyle = static_cast<int8_t>(s);
                return;
            }
        walk(hairStyle, +1);
        return;
    }
    walk(hairStyle, step > 0 ? +1 : -1);
}

std::string PhotofitFace::GetHairPath(bool reevaluate) {
    ClampSkin();
    hairStyle = Wrap(hairStyle, kHairStyleCount);
    hairColour = Wrap(hairColour, kPhotofitHairColourCount);
    if (reevaluate)
        layered = ActiveHairStyleTable()[static_cast<size_t>(skin)][static_cast<size_t>(hairStyle)].kind !=
                          kHairKindSingle
                      ? 1
                      : 0;
    MakeHairStyleValid();
    const HairStyleEntry& e = ActiveHairStyleTable()[static_cast<size_t>(skin)][static_cast<size_t>(hairStyle)];
    return std::string("gfx\\photofit\\hair\\") + kSkinFolders[static_cast<size_t>(skin)] + "\\" +
           kHairColourFolders[static_cast<size_t>(hairColour)] + "\\" + std::to_string(e.picture) + ".bmp";
}

std::string PhotofitFace::GetHairOverlayPath() {
    ClampSkin();
    hairStyle = Wrap(hairStyle, kHairStyleCount);
    hairColour = Wrap(hairColour, kPhotofitHairColourCount);
    const HairStyleEntry& e = ActiveHairStyleTable()[static_cast<size_t>(skin)][static_cast<size_t>(hairStyle)];
    if (e.kind < 0 || e.kind >= kHairKindSingle) return kSingleLayerOverlayPath;
    return std::string("gfx\\photofit\\hair\\") + kSkinFolders[static_cast<size_t>(skin)] + "\\" +
           kHairColourFolders[static_cast<size_t>(hairColour)] + "\\" + kRearHairNames[static_cast<size_t>(e.kind)] +
           ".bmp";
}

std::string PhotofitFace::GetEyesPath() {
    ClampSkin();
    eyes = Wrap(eyes, 5);
    return Numbered("gfx\\photofit\\eyes\\", kSkinFolders[static_cast<size_t>(skin)], eyes + 1);
}

std::string PhotofitFace::GetNosePath() {
    ClampSkin();
    nose = Wrap(nose, 6);
    return Numbered("gfx\\photofit\\noses\\", kSkinFolders[static_cast<size_t>(skin)], nose + 1);
}

std::string PhotofitFace::GetMouthPath() {
    ClampSkin();
    mouth = Wrap(mouth, 7);
    return Numbered("gfx\\photofit\\mouths\\", kSkinFolders[static_cast<size_t>(skin)], mouth + 1);
}

std::string PhotofitFace::GetChinPath() {
    ClampSkin();
    chin = Wrap(chin, 12);
    return Numbered("gfx\\photofit\\chins\\", kSkinFolders[static_cast<size_t>(skin)], chin + 1);
}

std::string PhotofitFace::GetBeardPath() {
    ClampSkin();
    hairColour = Wrap(hairColour, kPhotofitHairColourCount);
    beard = Wrap(beard, 8);
    return std::string("gfx\\photofit\\beards\\") + kSkinFolders[static_cast<size_t>(skin)] + "\\" +
           kHairColourFolders[static_cast<size_t>(hairColour)] + "\\" + kBeardPictureNames[static_cast<size_t>(beard)] +
           ".bmp";
}

std::string PhotofitFace::GetBackPath() {
    back = Wrap(back, 7);
    return "gfx\\photofit\\back\\" + std::to_string(back + 1) + ".bmp";
}

std::array<FaceLayer, 8> PhotofitLayerSlots() {
    return {{{FaceLayerRole::Back, {}, -14, 2},
             {FaceLayerRole::Rear, {}, -1, 0},
             {FaceLayerRole::Eyes, {}, 0, 0},
             {FaceLayerRole::Chin, {}, 0, 48},
             {FaceLayerRole::Mouth, {}, 32, 79},
             {FaceLayerRole::Nose, {}, 36, 44},
             {FaceLayerRole::Beard, {}, 0, 0},
             {FaceLayerRole::Hair, {}, 1, 0}}};
}

int PhotofitLayers(PhotofitFace face, bool withBack, std::array<FaceLayer, 8>& out) {
    // The hair first: it settles the style and the layered flag the rear
    // layer depends on.
    const std::string hair = face.GetHairPath(true);
    int n = 0;
    for (FaceLayer slot : PhotofitLayerSlots()) {
        switch (slot.role) {
            case FaceLayerRole::Back:
                if (!withBack) continue;
                slot.path = face.GetBackPath();
                break;
            case FaceLayerRole::Rear:
                if (!face.layered) continue;
                slot.path = face.GetHairOverlayPath();
                break;
            case FaceLayerRole::Eyes: slot.path = face.GetEyesPath(); break;
            case FaceLayerRole::Chin: slot.path = face.GetChinPath(); break;
            case FaceLayerRole::Mouth: slot.path = face.GetMouthPath(); break;
            case FaceLayerRole::Nose: slot.path = face.GetNosePath(); break;
            case FaceLayerRole::Beard: slot.path = face.GetBeardPath(); break;
            case FaceLayerRole::Hair: slot.path = hair; break;
        }
        out[static_cast<size_t>(n++)] = std::move(slot);
    }
    return n;
}

bool DrawPhotofitFace(platform::gfx::Canvas& dc, const PhotofitFace& face, int x, int y) {
    std::array<FaceLayer, 8> layers;
    const int n = PhotofitLayers(face, true, layers);
    int drawn = 0;
    for (int i = 0; i < n; ++i) {
        const FaceLayer& l = layers[static_cast<size_t>(i)];
        std::optional<platform::gfx::Surface> s = LoadArchivedSurface(l.path);
        if (!s) continue;  // a missing layer is left out
        if (l.role == FaceLayerRole::Back)
            dc.BitBlt(x + l.x, y + l.y, s->Width(), s->Height(), *s, 0, 0);
        else
            dc.KeyedBlt(x + l.x, y + l.y, *s, s->Bounds(), platform::gfx::kKeyColourRef);
        ++drawn;
    }
    return drawn > 0;
}
