#pragma once
// Names and titles shortened to the room the squad pages give them.
#include <functional>
#include <string>

class CScreen;
class CXStatic;

// `text` as it fits `width` pixels by `measure`: whole when it fits, else
// without the initials before a ".", then letters taken from the end (never
// half a character), ending with ".".
std::string FitText(std::string text, int width, const std::function<int(const std::string&)>& measure);
// The width of `text` in the page's surface font `font`.
int PageTextWidth(const CScreen& page, int font, const std::string& text);
std::string FitPageText(const CScreen& page, int font, const std::string& text, int width);
// Gives the label `text`, shortened to the label's width in its own font.
void SetFittedLabelText(CXStatic& label, const std::string& text);
