#pragma once
// Fonts as the game asked GDI for them (face, height with its sign rule,
// weight, italic, underline), drawn with FreeType from faces fontconfig
// finds. The game's Windows faces map to free ones; see FaceFor().
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "platform/gfx/geometry.h"

namespace platform::gfx {

// GDI's LOGFONT, the fields the game sets.
struct LogFont {
    int height = 0;  // < 0: em height in pixels; > 0: cell height; 0: a default size
    int weight = 400;
    bool italic = false;
    bool underline = false;
    std::string face = "MS Sans Serif";
};

struct TextMetrics {
    int height = 0;  // ascent + descent: the cell
    int ascent = 0;
    int descent = 0;
    int internalLeading = 0;
    int externalLeading = 0;
    int aveCharWidth = 0;
    int maxCharWidth = 0;
};

// Pixels per logical inch: fixed, so the widgets' 120-dpi rule never applies.
constexpr int kLogPixelsY = 96;
constexpr int kLogPixelsX = 96;

// Windows' MulDiv: a * b / c rounded half away from zero; c == 0 gives -1.
int MulDiv(int a, int b, int c);

// The em height GDI's callers computed for a point size: -MulDiv(points, 96, 72).
constexpr int PointsToHeight(int points) { return -((points * kLogPixelsY * 2 + 72) / 144); }

// Which free family draws a Windows face, and whether it is one of the bitmap
// faces that never go below 8 points.
struct FaceChoice {
    std::string family;  // fontconfig family name
    bool condensedHeavy = false;
    bool smallestEight = false;
};
FaceChoice FaceFor(std::string_view windowsFace);

class FontFace;  // a loaded FreeType face at one pixel size (font.cpp)

class Font {
public:
    // Never fails while any font is installed: an unknown face falls back to
    // Liberation Sans, and a missing family to fontconfig's best match.
    static std::shared_ptr<const Font> Create(const LogFont& lf);
    static std::shared_ptr<const Font> Create(std::string_view face, int height, int weight = 400,
                                              bool italic = false, bool underline = false);
    // A point-size font, as the framework's CreatePointFont (tenths of a point).
    static std::shared_ptr<const Font> CreatePoint(int tenthsOfPoint, std::string_view face);

    const LogFont& Requested() const { return lf_; }
    const TextMetrics& Metrics() const { return metrics_; }
    bool Bold() const { return lf_.weight >= 600; }
    // The file FreeType reads (for tests and the trace).
    const std::string& File() const;

    // Width in pixels of a Windows-1252 text on one line.
    int Measure(std::string_view text) const;
    // Each character's advance, for wrapping and cutting.
    int Advance(uint8_t ch) const;

    FontFace& Face() const { return *face_; }

    Font(const LogFont& lf, std::shared_ptr<FontFace> face);

private:
    static std::shared_ptr<const Font> Make(const LogFont& lf);
    LogFont lf_;
    std::shared_ptr<FontFace> face_;
    TextMetrics metrics_;
};

using FontRef = std::shared_ptr<const Font>;

}  // namespace platform::gfx
