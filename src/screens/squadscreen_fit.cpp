#include "screens/squadscreen_fit.h"

#include "platform/gfx/canvas.h"
#include "shell/screen.h"
#include "ui/xstatic.h"

namespace {

// Drops the last character, with all the bytes of its UTF-8 sequence.
void PopCharacter(std::string& s) {
    while (!s.empty() && (static_cast<unsigned char>(s.back()) & 0xC0) == 0x80) s.pop_back();
    if (!s.empty()) s.pop_back();
}

}  // namespace

std::string FitText(std::string text, int width, const std::function<int(const std::string&)>& measure) {
    if (measure(text) <= width) return text;
    if (const size_t dot = text.find('.'); dot != std::string::npos && dot + 1 < text.size()) {
        text.erase(0, dot + 1);
        while (!text.empty() && text.front() == ' ') text.erase(0, 1);
    }
    if (measure(text) <= width) return text;
    while (text.size() > 1 && measure(text + ".") > width) PopCharacter(text);
    while (text.size() > 1 && (text.back() == '-' || text.back() == ' ')) text.pop_back();
    return text + ".";
}

int PageTextWidth(const CScreen& page, int font, const std::string& text) {
    platform::gfx::Surface measure(1, 1);
    platform::gfx::Canvas dc(measure);
    if (platform::gfx::FontRef f = page.GetPageFont(font)) dc.SelectFont(f);
    return dc.GetTextExtent(text).cx;
}

std::string FitPageText(const CScreen& page, int font, const std::string& text, int width) {
    return FitText(text, width, [&](const std::string& t) { return PageTextWidth(page, font, t); });
}

void SetFittedLabelText(CXStatic& label, const std::string& text) {
    const int width = label.WindowRect().Width();
    label.GetTextExtent();  // builds the label's font
    const platform::gfx::FontRef font = label.GetFont();
    label.SetText(font ? FitText(text, width, [&](const std::string& t) { return font->Measure(t); }) : text);
}
