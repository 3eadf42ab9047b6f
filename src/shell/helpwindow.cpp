#include "shell/helpwindow.h"

#include <sstream>

#include "platform/cp1252.h"
#include "platform/gfx/canvas.h"
#include "platform/gfx/system.h"
#include "platform/stringtable.h"

extern const unsigned char vt_help_txt[];
extern const unsigned long vt_help_txt_size;

using namespace platform::win;

std::map<int, HelpTopic> ParseHelpTopics(std::string_view utf8) {
    std::map<int, HelpTopic> topics;
    std::istringstream in{std::string(utf8)};
    std::string line;
    HelpTopic* current = nullptr;
    bool paragraphBreak = false;
    auto to1252 = [](const std::string& s) { return platform::Utf8ToCp1252(s).value_or(std::string()); };
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (!line.empty() && line[0] == '#') continue;
        if (!line.empty() && line[0] == '@') {
            char* end = nullptr;
            long id = std::strtol(line.c_str() + 1, &end, 10);
            if (end == line.c_str() + 1 || id <= 0) {
                current = nullptr;
                continue;
            }
            std::string title = *end == ' ' ? std::string(end + 1) : std::string(end);
            current = &topics[int(id)];
            current->title = to1252(title);
            current->text.clear();
            paragraphBreak = false;
            continue;
        }
        if (!current) continue;
        if (line.empty()) {
            paragraphBreak = !current->text.empty();
            continue;
        }
        if (!current->text.empty()) current->text += paragraphBreak ? "\n\n" : " ";
        current->text += to1252(line);
        paragraphBreak = false;
    }
    return topics;
}

const HelpTopic& HelpTopicFor(int context) {
    static const std::map<int, HelpTopic> topics =
        ParseHelpTopics(std::string_view(reinterpret_cast<const char*>(vt_help_txt), vt_help_txt_size));
    static const HelpTopic none{platform::LoadString(843), {}};
    auto it = topics.find(context);
    if (it == topics.end()) it = topics.find(1);
    return it == topics.end() ? none : it->second;
}

int CHelpWindow::Show(Window* owner, int context) {
    m_pTopic = &HelpTopicFor(context);
    return DoModal(owner, kSize, m_pTopic->title);
}

bool CHelpWindow::OnInitDialog() {
    Rect c = ClientRect();
    return m_ok.CreateButton(platform::LoadString(64002), WS_VISIBLE | BS_DEFPUSHBUTTON,
                             Rect::XYWH(c.right - 85, c.bottom - 35, 75, 23), this, 1);
}

void CHelpWindow::OnPaint(const PaintContext& pc) {
    Dialog::OnPaint(pc);
    if (!m_pTopic) return;
    Rect c = ClientRect();
    Rect page{12, kCaptionBar + 12, c.right - 12, c.bottom - 45};
    pc.Fill(page, platform::gfx::MakePixel(255, 255, 255));
    platform::gfx::Canvas dc = pc.MakeCanvas();
    static const platform::gfx::FontRef font = platform::gfx::Font::Create("Arial", -13);
    dc.SelectFont(font);
    dc.SetBkMode(platform::gfx::TRANSPARENT);
    dc.SetTextColor(platform::gfx::RGB(0, 0, 0));
    Rect text = page.Inflate(-8, -6);
    dc.DrawText(m_pTopic->text, text, platform::gfx::DT_WORDBREAK | platform::gfx::DT_NOPREFIX);
}
