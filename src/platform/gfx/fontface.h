#pragma once
// The FreeType side of fonts: one loaded face at one size, with its glyphs
// rendered once and kept. Internal to the gfx layer.
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace platform::gfx {

struct Glyph {
    bool loaded = false;
    int advance = 0;  // pixels
    int left = 0;     // from the pen position to the first column
    int top = 0;      // from the baseline up to the first row
    int width = 0;
    int rows = 0;
    std::vector<uint8_t> coverage;  // width * rows, 0..255
};

class FontFace {
public:
    // `emPixels26_6`: the em size in 1/64 pixels. Synthesises bold or italic
    // when the file lacks them. Nothing when FreeType cannot read the file.
    static std::shared_ptr<FontFace> Open(const std::string& file, long emPixels26_6,
                                          bool emboldenSynthetic, bool obliqueSynthetic);
    ~FontFace();
    FontFace(const FontFace&) = delete;
    FontFace& operator=(const FontFace&) = delete;

    const std::string& File() const { return file_; }
    // Design metrics in font units.
    int UnitsPerEm() const;
    int Ascender() const;   // positive
    int Descender() const;  // positive, below the baseline
    int LineGap() const;

    const Glyph& GlyphFor(uint8_t cp1252);

private:
    FontFace() = default;
    std::string file_;
    void* face_ = nullptr;  // FT_Face
    bool embolden_ = false;
    bool oblique_ = false;
    std::array<Glyph, 256> glyphs_{};
};

}  // namespace platform::gfx
