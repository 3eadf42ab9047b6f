// Compiles the screen tables of assets/screens/ into C++ arrays:
//   make_screentables <assets/screens> <output.cpp>
// One record a line, blanks between fields, '#' to the end of a line is a
// comment, numbers in decimal or 0x hex, colours as r,g,b, names in double
// quotes. Any fault stops the build with the file and line.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

struct Fault : std::runtime_error {
    using std::runtime_error::runtime_error;
};

struct Line {
    std::string file;
    int number = 0;
    std::vector<std::string> fields;
    [[noreturn]] void Fail(const std::string& what) const {
        throw Fault(file + ":" + std::to_string(number) + ": " + what);
    }
    long Int(size_t i) const {
        if (i >= fields.size()) Fail("expected at least " + std::to_string(i + 1) + " fields");
        const std::string& s = fields[i];
        char* end = nullptr;
        const long v = std::strtol(s.c_str(), &end, 0);
        if (s.empty() || *end) Fail("not a number: " + s);
        return v;
    }
    std::string Colour(size_t i) const {
        if (i >= fields.size()) Fail("expected a colour in field " + std::to_string(i + 1));
        int r, g, b;
        char tail;
        if (std::sscanf(fields[i].c_str(), "%d,%d,%d%c", &r, &g, &b, &tail) != 3 || r < 0 || g < 0 || b < 0 ||
            r > 255 || g > 255 || b > 255)
            Fail("not a colour r,g,b: " + fields[i]);
        return "{" + std::to_string(r) + ", " + std::to_string(g) + ", " + std::to_string(b) + "}";
    }
    std::string Name(size_t i) const {
        if (i >= fields.size()) Fail("expected a name in field " + std::to_string(i + 1));
        const std::string& s = fields[i];
        if (s.size() < 2 || s.front() != '"' || s.back() != '"') Fail("not a quoted name: " + s);
        return s.substr(1, s.size() - 2);
    }
    void Count(size_t n) const {
        if (fields.size() != n) Fail("expected " + std::to_string(n) + " fields, found " + std::to_string(fields.size()));
    }
};

// The lines of a file, split into fields; a quoted name is one field.
std::vector<Line> ReadLines(const fs::path& path, bool required = true) {
    std::ifstream in(path);
    if (!in) {
        if (required) throw Fault("cannot read " + path.string());
        return {};
    }
    std::vector<Line> out;
    std::string text;
    int n = 0;
    while (std::getline(in, text)) {
        ++n;
        Line line{path.filename().string(), n, {}};
        std::string field;
        bool quoted = false;
        for (char c : text) {
            if (c == '"') quoted = !quoted;
            if (!quoted && c == '#') break;
            if (!quoted && (c == ' ' || c == '\t' || c == '\r')) {
                if (!field.empty()) line.fields.push_back(field);
                field.clear();
            } else {
                field += c;
            }
        }
        if (quoted) line.Fail("unterminated name");
        if (!field.empty()) line.fields.push_back(field);
        if (!line.fields.empty()) out.push_back(std::move(line));
    }
    return out;
}

std::string Quote(const std::string& s) {
    std::string out = "\"";
    for (char c : s) {
        if (c == '\\' || c == '"') out += '\\';
        out += c;
    }
    return out + "\"";
}

struct Names {
    std::map<int, std::string> backgrounds, bitmaps, faces, headers, colours;
    std::map<int, std::string> editTexts;
};

Names ReadNames(const fs::path& dir) {
    Names n;
    std::map<int, std::string>* section = nullptr;
    for (const Line& l : ReadLines(dir / "names.txt")) {
        const std::string& f = l.fields[0];
        if (f.front() == '[') {
            l.Count(1);
            if (f == "[backgrounds]") section = &n.backgrounds;
            else if (f == "[bitmaps]") section = &n.bitmaps;
            else if (f == "[faces]") section = &n.faces;
            else if (f == "[headers]") section = &n.headers;
            else if (f == "[edittexts]") section = &n.editTexts;
            else if (f == "[colours]") section = &n.colours;
            else l.Fail("unknown section " + f);
            continue;
        }
        if (!section) l.Fail("an entry before any section");
        l.Count(2);
        const int index = static_cast<int>(l.Int(0));
        const std::string value = section == &n.colours ? l.Colour(1) : l.Name(1);
        if (!section->emplace(index, value).second) l.Fail("index " + std::to_string(index) + " given twice");
    }
    return n;
}

void CheckRange(const Line& l, const std::map<int, std::string>& m, int size, const char* what) {
    for (const auto& [k, v] : m)
        if (k < 0 || k >= size) l.Fail(std::string(what) + " index out of range: " + std::to_string(k));
}

std::string NameArray(const char* type, const char* name, const std::map<int, std::string>& m, int size) {
    std::ostringstream o;
    o << "const char* const " << name << "[" << type << "] = {\n";
    for (int i = 0; i < size; ++i) {
        auto it = m.find(i);
        o << "    " << (it == m.end() ? "\"\"" : Quote(it->second)) << ",\n";
    }
    o << "};\n";
    return o.str();
}

int Run(const fs::path& dir, const fs::path& output) {
    const Names names = ReadNames(dir);
    Line whole{"names.txt", 0, {}};
    CheckRange(whole, names.backgrounds, 100, "background");
    CheckRange(whole, names.bitmaps, 1000, "bitmap");
    CheckRange(whole, names.faces, 10, "face");
    CheckRange(whole, names.headers, 10, "header bitmap");
    CheckRange(whole, names.colours, 12, "colour");
    if (names.backgrounds.size() != 75) whole.Fail("the background table holds 75 names");

    std::ostringstream o;
    o << "// Generated by make_screentables from assets/screens; edit those files.\n"
      << "#include \"shell/screentables.h\"\n\nnamespace screentables {\n\n";

    // The pages' control rows, in page order.
    std::vector<int> counts(120, 0);
    std::ostringstream controls;
    int controlCount = 0;
    for (int page = 0; page < 120; ++page) {
        char name[16];
        std::snprintf(name, sizeof name, "%03d.txt", page);
        for (const Line& l : ReadLines(dir / "pages" / name, false)) {
            l.Count(5);
            controls << "    {" << l.Int(0) << ", " << l.Int(1) << ", " << l.Int(2) << ", " << l.Int(3) << ", 0x"
                     << std::hex << l.Int(4) << std::dec << "u},\n";
            ++counts[static_cast<size_t>(page)];
            ++controlCount;
        }
    }

    // Screen rows.
    std::vector<bool> seen(120, false);
    o << "const ScreenRow kScreens[kPageCount] = {\n";
    std::vector<std::string> rows(120);
    for (const Line& l : ReadLines(dir / "screens.txt")) {
        l.Count(5);
        const long page = l.Int(0);
        if (page < 0 || page >= 120) l.Fail("page out of range");
        if (seen[static_cast<size_t>(page)]) l.Fail("page given twice");
        seen[static_cast<size_t>(page)] = true;
        int background = 75;
        if (l.fields[3] != "none") {
            const std::string want = "gfx\\backgrounds\\" + l.Name(3);
            background = -1;
            for (const auto& [k, v] : names.backgrounds)
                if (v == want) {
                    background = k;
                    break;
                }
            if (background < 0) l.Fail("no such background: " + l.fields[3]);
        }
        const std::string& layout = l.fields[4];
        if (layout != "normal" && layout != "full") l.Fail("layout is normal or full");
        rows[static_cast<size_t>(page)] = "    {" + std::to_string(counts[static_cast<size_t>(page)]) + ", " +
                                          std::to_string(l.Int(1)) + ", " + std::to_string(l.Int(2)) + ", " +
                                          std::to_string(background) + ", " + (layout == "full" ? "1" : "0") + "},\n";
    }
    for (int page = 0; page < 120; ++page) {
        if (!seen[static_cast<size_t>(page)]) throw Fault("screens.txt: page " + std::to_string(page) + " missing");
        o << rows[static_cast<size_t>(page)];
    }
    o << "};\n\n";
    o << "const ControlRow kControls[] = {\n" << controls.str() << (controlCount ? "" : "    {0, 0, 0, 0, 0u},\n")
      << "};\nconst int kControlCount = " << controlCount << ";\n\n";

    // List boxes and their columns.
    o << "const ListDefinition kLists[] = {\n";
    int lists = 0, columns = 0;
    std::ostringstream list;
    auto closeList = [&] {
        if (!lists) return;
        list << "}},\n";
        o << list.str();
        list.str("");
    };
    for (const Line& l : ReadLines(dir / "lists.txt")) {
        if (l.fields[0] == "list") {
            l.Count(20);
            closeList();
            ++lists;
            columns = 0;
            list << "    {" << l.Int(1) << ", " << l.Int(2) << ", " << l.Int(3) << ", " << l.Int(4) << ", " << l.Int(5)
                 << ", " << l.Int(6) << ", " << l.Int(7) << ", " << l.Int(8) << ", " << l.Colour(9) << ", "
                 << l.Colour(10) << ", " << l.Int(11) << ", " << l.Int(12) << ", " << l.Int(13) << ", "
                 << l.Colour(14) << ", " << l.Int(15) << ", " << l.Int(16) << ", " << l.Int(17) << ", "
                 << l.Int(18) << ", " << l.Int(19) << "u, {";
        } else if (l.fields[0] == "column") {
            l.Count(6);
            if (!lists) l.Fail("a column before any list");
            if (++columns > 13) l.Fail("more than 13 columns");
            const int bitmap = l.fields[2] == "-" ? -1 : static_cast<int>(l.Int(2));
            list << "{0x" << std::hex << l.Int(1) << std::dec << "u, " << bitmap << ", " << l.Int(3) << ", "
                 << l.Int(4) << ", " << l.Int(5) << "}, ";
        } else {
            l.Fail("expected list or column");
        }
    }
    closeList();
    if (!lists) o << "    {},\n";
    o << "};\nconst int kListCount = " << lists << ";\n\n";

    // Edits.
    o << "const EditDefinition kEdits[] = {\n";
    int edits = 0;
    for (const Line& l : ReadLines(dir / "edits.txt")) {
        l.Count(12);
        o << "    {" << l.Int(0) << ", " << l.Int(1) << ", " << l.Int(2) << ", " << l.Int(3) << ", " << l.Int(4)
          << ", 0x" << std::hex << l.Int(5) << std::dec << "u, " << l.Int(6) << ", " << l.Int(7) << ", " << l.Int(8)
          << ", " << l.Colour(9) << ", " << l.Colour(10) << ", " << l.Int(11) << "},\n";
        ++edits;
    }
    if (!edits) o << "    {},\n";
    o << "};\nconst int kEditCount = " << edits << ";\n\n";

    // Texts, placed at their numbers.
    std::map<long, std::string> texts;
    for (const Line& l : ReadLines(dir / "texts.txt")) {
        l.Count(9);
        const long n = l.Int(0);
        if (n < 0 || n >= 500) l.Fail("a text definition's number is below 500");
        const std::string rec = "    {" + std::to_string(n) + ", " + std::to_string(l.Int(1)) + ", " +
                                std::to_string(l.Int(2)) + ", " + l.Colour(3) + ", " + std::to_string(l.Int(4)) +
                                ", " + std::to_string(l.Int(5)) + ", " + std::to_string(l.Int(6)) + ", " +
                                std::to_string(l.Int(7)) + "u, " + l.Colour(8) + "},\n";
        if (!texts.emplace(n, rec).second) l.Fail("text definition given twice");
    }
    o << "const TextDefinition kTexts[kTextDefinitions] = {\n";
    for (long i = 0; i < 500; ++i) {
        auto it = texts.find(i);
        o << (it == texts.end() ? "    {-1, 0, 0, {0, 0, 0}, 0, 0, 0, 0u, {0, 0, 0}},\n" : it->second);
    }
    o << "};\n\n";

    // Buttons.
    std::ostringstream normal, push, check, anim;
    int nNormal = 0, nPush = 0, nCheck = 0, nAnim = 0;
    for (const Line& l : ReadLines(dir / "buttons.txt")) {
        const std::string& kind = l.fields[0];
        if (kind == "normal") {
            l.Count(4);
            normal << "    {" << l.Int(1) << ", " << l.Int(2) << ", " << l.Int(3) << "},\n";
            ++nNormal;
        } else if (kind == "push" || kind == "check") {
            l.Count(6);
            (kind == "push" ? push : check) << "    {" << l.Int(1) << ", " << l.Int(2) << ", " << l.Int(3) << ", "
                                             << l.Int(4) << ", " << l.Int(5) << "},\n";
            ++(kind == "push" ? nPush : nCheck);
        } else if (kind == "anim") {
            l.Count(7);
            anim << "    {" << l.Int(1) << ", " << l.Int(2) << ", " << l.Int(3) << ", " << l.Int(4) << ", "
                 << l.Int(5) << ", " << l.Int(6) << "},\n";
            ++nAnim;
        } else {
            l.Fail("expected normal, push, check or anim");
        }
    }
    auto table = [&](const char* type, const char* name, const std::ostringstream& body, int count) {
        o << "const " << type << " " << name << "s[] = {\n" << body.str() << (count ? "" : "    {},\n") << "};\n"
          << "const int " << name << "Count = " << count << ";\n\n";
    };
    table("NormalButtonDefinition", "kNormalButton", normal, nNormal);
    table("PushButtonDefinition", "kPushButton", push, nPush);
    table("PushButtonDefinition", "kCheckButton", check, nCheck);
    table("AnimButtonDefinition", "kAnimButton", anim, nAnim);

    o << NameArray("kBackgroundSlots", "kBackgroundNames", names.backgrounds, 100);
    o << NameArray("kBitmapSlots", "kBitmapNames", names.bitmaps, 1000);
    o << NameArray("kFaceSlots", "kFaceNames", names.faces, 10);
    o << NameArray("kHeaderSlots", "kHeaderNames", names.headers, 10);
    o << "const EditText kEditTexts[] = {\n";
    for (const auto& [k, v] : names.editTexts) o << "    {" << k << ", " << Quote(v) << "},\n";
    if (names.editTexts.empty()) o << "    {-1, \"\"},\n";
    o << "};\nconst int kEditTextCount = " << names.editTexts.size() << ";\n\n";
    o << "const uint32_t kColourTable[kColours] = {\n";
    for (int i = 0; i < 12; ++i) {
        auto it = names.colours.find(i);
        int r = 0, g = 0, b = 0;
        if (it != names.colours.end()) std::sscanf(it->second.c_str(), "{%d, %d, %d}", &r, &g, &b);
        o << "    0x" << std::hex << ((b << 16) | (g << 8) | r) << std::dec << "u,\n";
    }
    o << "};\n\n}  // namespace screentables\n";

    const fs::path tmp = output.string() + ".tmp";
    {
        std::ofstream out(tmp);
        out << o.str();
        if (!out) throw Fault("cannot write " + tmp.string());
    }
    fs::rename(tmp, output);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: make_screentables <assets/screens> <output.cpp>\n");
        return 2;
    }
    try {
        return Run(argv[1], argv[2]);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "make_screentables: %s\n", e.what());
        return 1;
    }
}
