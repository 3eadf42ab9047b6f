#pragma once
// The in-game help: topics by context number, from the help text compiled
// into the program, shown in a modal window.
#include <map>
#include <string>
#include <string_view>

#include "platform/window/button.h"
#include "platform/window/dialog.h"

struct HelpTopic {
    std::string title;  // Windows-1252
    std::string text;   // Windows-1252; "\n\n" between paragraphs
};

// Parses the help text; lines that make no sense are skipped.
std::map<int, HelpTopic> ParseHelpTopics(std::string_view utf8);
// The topic of a context, or topic 1 when it has none.
const HelpTopic& HelpTopicFor(int context);

class CHelpWindow : public platform::win::Dialog {
public:
    static constexpr platform::win::Size kSize{460, 340};
    int Show(platform::win::Window* owner, int context);

protected:
    bool OnInitDialog() override;
    void OnPaint(const platform::win::PaintContext& pc) override;

private:
    const HelpTopic* m_pTopic = nullptr;
    platform::win::Button m_ok;
};
