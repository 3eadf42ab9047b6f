// Writes the publisher's news page that ships with the game,
// text\web\news.html, from assets/web/news.txt:
//   make_news_page <assets dir> <game dir>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "../common/toolio.h"

namespace {

std::string NewsPageEscape(const std::string& s) {
    std::string out;
    for (char c : s) {
        switch (c) {
            case '&': out += "&amp;"; break;
            case '<': out += "&lt;"; break;
            case '>': out += "&gt;"; break;
            case '"': out += "&quot;"; break;
            default: out += c;
        }
    }
    return out;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) toolio::Fail("usage: make_news_page <assets dir> <game dir>");
    const std::filesystem::path source = std::filesystem::path(argv[1]) / "web" / "news.txt";
    std::ifstream in(source);
    if (!in) toolio::Fail("cannot read " + source.string());

    std::string title;
    std::ostringstream body;
    std::string paragraph;
    bool inList = false, inItem = false;
    auto endParagraph = [&] {
        if (!paragraph.empty()) {
            body << (inItem ? "<li>" : "<p>") << NewsPageEscape(paragraph) << (inItem ? "</li>\n" : "</p>\n");
            paragraph.clear();
        }
        inItem = false;
    };
    auto endList = [&] {
        endParagraph();
        if (inList) body << "</ul>\n";
        inList = false;
    };
    int lineNo = 0;
    for (std::string line; std::getline(in, line);) {
        ++lineNo;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (!line.empty() && line[0] == '#') continue;
        if (line.rfind("title ", 0) == 0) {
            title = line.substr(6);
        } else if (line.rfind("= ", 0) == 0) {
            endList();
            body << "<h2>" << NewsPageEscape(line.substr(2)) << "</h2>\n";
        } else if (line.rfind("- ", 0) == 0) {
            endParagraph();
            if (!inList) body << "<ul>\n";
            inList = true;
            inItem = true;
            paragraph = line.substr(2);
        } else if (line.find_first_not_of(' ') == std::string::npos) {
            endList();
        } else {
            const size_t first = line.find_first_not_of(' ');
            if (inList && !inItem && first == 0) endList();
            paragraph += (paragraph.empty() ? "" : " ") + line.substr(first);
        }
    }
    endList();
    if (title.empty()) toolio::Fail(source.string() + ": no title line");

    const std::filesystem::path out = std::filesystem::path(argv[2]) / "text" / "web" / "news.html";
    std::filesystem::create_directories(out.parent_path());
    std::ofstream html(out, std::ios::binary);
    html << "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n<title>" << NewsPageEscape(title)
         << "</title>\n<style>\n"
            "body { background: #f4eef4; color: #322f36; font-family: Georgia, 'Times New Roman', serif;"
            " max-width: 44em; margin: 2em auto; padding: 0 1em; }\n"
            "h1 { color: #ce0000; border-bottom: 3px double #565656; padding-bottom: .3em; }\n"
            "h2 { color: #565656; margin-top: 1.6em; }\n"
            "</style>\n</head>\n<body>\n<h1>"
         << NewsPageEscape(title) << "</h1>\n"
         << body.str() << "</body>\n</html>\n";
    if (!html) toolio::Fail("cannot write " + out.string());
    return 0;
}
