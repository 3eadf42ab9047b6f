#pragma once
// The scene catalogue (assets/flc/scenes.txt): one line per clip number,
//   number folder name template key=value ...
//   number mirror-of n
// and what the generator derives from it for the clip table.
#include <map>
#include <string>
#include <vector>

namespace clipgen {

struct ClipSpec {
    int number = -1;
    std::string folder, name;  // the table's "Folder\name" is folder + '\' + name
    std::string tmpl;
    std::map<std::string, std::string> params;
    int mirrorOf = -1;  // this clip is clip mirrorOf flipped left to right
    int line = 0;
};

// Reads the catalogue text; false with a message naming the line.
bool ParseCatalogue(const std::string& text, std::vector<ClipSpec>& out, std::string* error);

// The kind (0..8) the catalogue's `kind=` gives, default 0.
int SpecKind(const ClipSpec& spec);
// Clips that show no end of the pitch.
bool IsNeutralClip(int number);

}  // namespace clipgen
