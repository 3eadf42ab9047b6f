#pragma once
// A picture of the graphics archives, as widgets and pages hold it: looked
// up by "gfx\<archive>\<entry>" with the exact case, read within its entry
// and drawn opaque or with the key colour left out.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/gfx/canvas.h"
#include "platform/gfx/surface.h"
#include "shell/archive.h"

class CXBitmap {
public:
    bool Load(std::string_view path, const ArchiveTable& table = g_archives);
    // The entry without its 14-byte file header, and the header's offset of
    // the pixel rows. 0 on success, 1 on failure (with a trace line).
    static int LoadFromFile(std::string_view path, std::vector<uint8_t>& dib, uint32_t& bitsOffset,
                            const ArchiveTable& table = g_archives);

    bool IsLoaded() const { return !m_Surface.IsEmpty(); }
    int GetWidth() const { return m_Surface.Width(); }
    int GetHeight() const { return m_Surface.Height(); }
    const platform::gfx::Surface& GetSurface() const { return m_Surface; }
    void SetSurface(platform::gfx::Surface s) { m_Surface = std::move(s); }
    void Clear() { m_Surface = {}; }

    void Draw(platform::gfx::Canvas& dc, int x, int y) const;
    void DrawTransparent(platform::gfx::Canvas& dc, int x, int y, platform::gfx::ColourRef key) const;

private:
    platform::gfx::Surface m_Surface;
};
