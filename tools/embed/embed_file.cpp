// Writes a C++ source holding the bytes of a file:
//   extern const unsigned char <symbol>[]; extern const unsigned long <symbol>_size;
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s <input> <symbol> <output.cpp>\n", argv[0]);
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "cannot read %s\n", argv[1]);
        return 1;
    }
    std::vector<unsigned char> bytes((std::istreambuf_iterator<char>(in)),
                                     std::istreambuf_iterator<char>());
    std::string sym = argv[2];
    std::string tmp = std::string(argv[3]) + ".tmp";
    std::FILE* out = std::fopen(tmp.c_str(), "w");
    if (!out) {
        std::fprintf(stderr, "cannot write %s\n", tmp.c_str());
        return 1;
    }
    std::fprintf(out, "// Generated from %s. Do not edit.\n", argv[1]);
    std::fprintf(out, "extern const unsigned char %s[];\n", sym.c_str());
    std::fprintf(out, "extern const unsigned long %s_size;\n", sym.c_str());
    std::fprintf(out, "const unsigned char %s[] = {", sym.c_str());
    for (size_t i = 0; i < bytes.size(); ++i) {
        if (i % 20 == 0) std::fputs("\n", out);
        std::fprintf(out, "%u,", bytes[i]);
    }
    std::fprintf(out, "0};\nconst unsigned long %s_size = %zu;\n", sym.c_str(), bytes.size());
    bool ok = std::fclose(out) == 0;
    if (!ok || std::rename(tmp.c_str(), argv[3]) != 0) {
        std::fprintf(stderr, "cannot write %s\n", argv[3]);
        return 1;
    }
    return 0;
}
