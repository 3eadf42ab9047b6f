#include "platform/gfx/font.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_SYNTHESIS_H
#include FT_TRUETYPE_TABLES_H
#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <map>
#include <mutex>
#include <tuple>

#include "platform/cp1252.h"
#include "platform/gfx/fontface.h"
#include "platform/trace.h"

namespace platform::gfx {
namespace {

FT_Library Library() {
    static FT_Library lib = [] {
        FT_Library l = nullptr;
        if (FT_Init_FreeType(&l) != 0) l = nullptr;
        return l;
    }();
    return lib;
}

bool SameFace(std::string_view a, std::string_view b) {
    return Cp1252CompareNoCase(a, b) == 0;
}

struct FileChoice {
    std::string file;
    bool isBold = false;
    bool isItalic = false;
};

// fontconfig's best file for a family and style.
FileChoice MatchFile(const std::string& family, bool bold, bool italic, bool condensed) {
    static std::mutex m;
    static std::map<std::tuple<std::string, bool, bool, bool>, FileChoice> cache;
    std::lock_guard<std::mutex> lock(m);
    auto key = std::make_tuple(family, bold, italic, condensed);
    if (auto it = cache.find(key); it != cache.end()) return it->second;

    FileChoice choice;
    static const bool started = [] {
        FcInit();
        // fontconfig keeps its configuration until told to let go.
        std::atexit([] { FcFini(); });
        return true;
    }();
    (void)started;
    FcPattern* pat = FcPatternCreate();
    FcPatternAddString(pat, FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
    FcPatternAddInteger(pat, FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
    FcPatternAddInteger(pat, FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    if (condensed) FcPatternAddInteger(pat, FC_WIDTH, FC_WIDTH_CONDENSED);
    FcPatternAddBool(pat, FC_SCALABLE, FcTrue);
    FcConfigSubstitute(nullptr, pat, FcMatchPattern);
    FcDefaultSubstitute(pat);
    FcResult res;
    FcPattern* match = FcFontMatch(nullptr, pat, &res);
    if (match) {
        FcChar8* file = nullptr;
        if (FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch && file)
            choice.file = reinterpret_cast<const char*>(file);
        int weight = 0, slant = 0;
        if (FcPatternGetInteger(match, FC_WEIGHT, 0, &weight) == FcResultMatch)
            choice.isBold = weight >= FC_WEIGHT_DEMIBOLD;
        if (FcPatternGetInteger(match, FC_SLANT, 0, &slant) == FcResultMatch)
            choice.isItalic = slant != FC_SLANT_ROMAN;
        FcPatternDestroy(match);
    }
    FcPatternDestroy(pat);
    if (choice.file.empty()) TraceF("Font: no file for family %s\n", family.c_str());
    cache[key] = choice;
    return choice;
}

}  // namespace

int MulDiv(int a, int b, int c) {
    if (c == 0) return -1;
    int64_t p = static_cast<int64_t>(a) * b;
    bool neg = (p < 0) != (c < 0);
    int64_t ap = p < 0 ? -p : p, ac = c < 0 ? -static_cast<int64_t>(c) : c;
    int64_t q = (ap + ac / 2) / ac;
    return static_cast<int>(neg ? -q : q);
}

FaceChoice FaceFor(std::string_view face) {
    if (SameFace(face, "MS Sans Serif") || SameFace(face, "SSerife"))
        return {"Liberation Sans", false, true};
    if (SameFace(face, "Arial")) return {"Liberation Sans", false, false};
    if (SameFace(face, "Arial Narrow")) return {"Liberation Sans Narrow", false, false};
    if (SameFace(face, "Times New Roman")) return {"Liberation Serif", false, false};
    if (SameFace(face, "Courier New")) return {"Liberation Mono", false, false};
    if (SameFace(face, "Haettenschweiler") || SameFace(face, "Arial Black") ||
        SameFace(face, "AriBlk"))
        return {"DejaVu Sans", true, false};
    return {"Liberation Sans", false, false};
}

// --- FontFace ------------------------------------------------------------------

std::shared_ptr<FontFace> FontFace::Open(const std::string& file, long em26_6, bool embolden,
                                         bool oblique) {
    FT_Library lib = Library();
    if (!lib || file.empty()) return nullptr;
    FT_Face face = nullptr;
    if (FT_New_Face(lib, file.c_str(), 0, &face) != 0) return nullptr;
    if (FT_Set_Char_Size(face, 0, std::max<long>(em26_6, 64), 72, 72) != 0) {
        FT_Done_Face(face);
        return nullptr;
    }
    std::shared_ptr<FontFace> f(new FontFace);
    f->file_ = file;
    f->face_ = face;
    f->embolden_ = embolden;
    f->oblique_ = oblique;
    return f;
}

FontFace::~FontFace() {
    if (face_) FT_Done_Face(static_cast<FT_Face>(face_));
}

int FontFace::UnitsPerEm() const { return static_cast<FT_Face>(face_)->units_per_EM; }

int FontFace::Ascender() const {
    FT_Face f = static_cast<FT_Face>(face_);
    // Windows' cell is the OS/2 table's win ascent and descent.
    if (auto* os2 = static_cast<TT_OS2*>(FT_Get_Sfnt_Table(f, FT_SFNT_OS2)); os2 && os2->usWinAscent)
        return os2->usWinAscent;
    return f->ascender;
}

int FontFace::Descender() const {
    FT_Face f = static_cast<FT_Face>(face_);
    if (auto* os2 = static_cast<TT_OS2*>(FT_Get_Sfnt_Table(f, FT_SFNT_OS2)); os2 && os2->usWinDescent)
        return os2->usWinDescent;
    return -f->descender;
}

int FontFace::LineGap() const {
    FT_Face f = static_cast<FT_Face>(face_);
    if (auto* hhea = static_cast<TT_HoriHeader*>(FT_Get_Sfnt_Table(f, FT_SFNT_HHEA)))
        return std::max<int>(0, hhea->Line_Gap - ((Ascender() + Descender()) - (hhea->Ascender - hhea->Descender)));
    return 0;
}

const Glyph& FontFace::GlyphFor(uint8_t ch) {
    Glyph& g = glyphs_[ch];
    if (g.loaded) return g;
    g.loaded = true;
    FT_Face f = static_cast<FT_Face>(face_);
    FT_UInt index = FT_Get_Char_Index(f, Cp1252ToCodePoint(ch));
    if (FT_Load_Glyph(f, index, FT_LOAD_TARGET_LIGHT) != 0) return g;
    if (embolden_) FT_GlyphSlot_Embolden(f->glyph);
    if (oblique_) FT_GlyphSlot_Oblique(f->glyph);
    if (FT_Render_Glyph(f->glyph, FT_RENDER_MODE_NORMAL) != 0) return g;
    FT_GlyphSlot s = f->glyph;
    g.advance = static_cast<int>((s->advance.x + 32) >> 6);
    g.left = s->bitmap_left;
    g.top = s->bitmap_top;
    g.width = static_cast<int>(s->bitmap.width);
    g.rows = static_cast<int>(s->bitmap.rows);
    g.coverage.resize(static_cast<size_t>(g.width) * g.rows);
    for (int y = 0; y < g.rows; ++y) {
        const uint8_t* src = s->bitmap.buffer + static_cast<ptrdiff_t>(y) * s->bitmap.pitch;
        std::copy(src, src + g.width, g.coverage.begin() + static_cast<ptrdiff_t>(y) * g.width);
    }
    return g;
}

// --- Font --------------------------------------------------------------------

namespace {

// The cell of the smallest size of the old bitmap face: 8 points, 13 pixels.
constexpr int kSmallestBitmapCell = 13;

struct FaceKey {
    std::string file;
    long em26_6;
    bool embolden, oblique;
    auto operator<=>(const FaceKey&) const = default;
};

std::shared_ptr<FontFace> SharedFace(const FaceKey& k) {
    static std::mutex m;
    static std::map<FaceKey, std::weak_ptr<FontFace>> faces;
    std::lock_guard<std::mutex> lock(m);
    if (auto it = faces.find(k); it != faces.end())
        if (auto f = it->second.lock()) return f;
    auto f = FontFace::Open(k.file, k.em26_6, k.embolden, k.oblique);
    if (f) faces[k] = f;
    return f;
}

}  // namespace

Font::Font(const LogFont& lf, std::shared_ptr<FontFace> face) : lf_(lf), face_(std::move(face)) {}

const std::string& Font::File() const { return face_->File(); }

std::shared_ptr<const Font> Font::Create(const LogFont& lfIn) {
    // Pages ask for the same few fonts again and again; one object each.
    static std::mutex m;
    static std::map<std::tuple<int, int, bool, bool, std::string>, std::weak_ptr<const Font>> made;
    const auto key = std::make_tuple(lfIn.height, lfIn.weight, lfIn.italic, lfIn.underline,
                                     Cp1252Lower(lfIn.face));
    {
        std::lock_guard<std::mutex> lock(m);
        if (auto it = made.find(key); it != made.end())
            if (auto f = it->second.lock()) return f;
    }
    auto font = Make(lfIn);
    if (font) {
        std::lock_guard<std::mutex> lock(m);
        made[key] = font;
    }
    return font;
}

std::shared_ptr<const Font> Font::Make(const LogFont& lfIn) {
    LogFont lf = lfIn;
    FaceChoice choice = FaceFor(lf.face);
    const bool bold = lf.weight >= 600 || choice.condensedHeavy;
    FileChoice file = MatchFile(choice.family, bold, lf.italic, choice.condensedHeavy);
    if (file.file.empty()) file = MatchFile("sans-serif", bold, lf.italic, false);
    if (file.file.empty()) return nullptr;

    // Design metrics at a nominal size decide the em for the requested cell.
    auto probe = SharedFace({file.file, 64 * 64, false, false});
    if (!probe) return nullptr;
    const double upem = probe->UnitsPerEm();
    const double asc = probe->Ascender(), desc = probe->Descender();
    const double cellPerEm = (asc + desc) / upem;

    int height = lf.height == 0 ? PointsToHeight(10) : lf.height;
    double cell, em;
    if (height < 0) {
        em = -height;
        cell = std::max(1.0, std::round(em * cellPerEm));
    } else {
        cell = height;
        em = cell / cellPerEm;
    }
    if (choice.smallestEight && cell < kSmallestBitmapCell) {
        cell = kSmallestBitmapCell;
        em = cell / cellPerEm;
    }

    auto face = SharedFace({file.file, std::lround(em * 64), bold && !file.isBold,
                            lf.italic && !file.isItalic});
    if (!face) return nullptr;
    auto font = std::make_shared<Font>(lf, face);
    TextMetrics& m = font->metrics_;
    m.height = static_cast<int>(cell);
    m.ascent = static_cast<int>(std::lround(cell * asc / (asc + desc)));
    m.descent = m.height - m.ascent;
    m.internalLeading = std::max(0, m.height - static_cast<int>(std::lround(em)));
    m.externalLeading = static_cast<int>(std::lround(em * probe->LineGap() / upem));
    int total = 0, widest = 0, count = 0;
    for (int c = 'a'; c <= 'z'; ++c) {
        total += face->GlyphFor(static_cast<uint8_t>(c)).advance;
        ++count;
    }
    for (int c = 32; c < 256; ++c) widest = std::max(widest, face->GlyphFor(static_cast<uint8_t>(c)).advance);
    m.aveCharWidth = count ? (total + count / 2) / count : 0;
    m.maxCharWidth = widest;
    return font;
}

std::shared_ptr<const Font> Font::Create(std::string_view face, int height, int weight, bool italic,
                                         bool underline) {
    LogFont lf;
    lf.face = std::string(face);
    lf.height = height;
    lf.weight = weight;
    lf.italic = italic;
    lf.underline = underline;
    return Create(lf);
}

std::shared_ptr<const Font> Font::CreatePoint(int tenths, std::string_view face) {
    return Create(face, -MulDiv(tenths, kLogPixelsY, 720));
}

int Font::Advance(uint8_t ch) const { return face_->GlyphFor(ch).advance; }

int Font::Measure(std::string_view text) const {
    int w = 0;
    for (char c : text) w += Advance(static_cast<uint8_t>(c));
    return w;
}

}  // namespace platform::gfx
