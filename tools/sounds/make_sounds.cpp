// Writes the interface sounds ("SND\\GEN"), the ambient sets ("SND\\AMB") and
// the match day's sounds ("SND\\MAT"),
// synthesised by our own code, as 22,050 Hz 16-bit stereo WAVE files.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>

#include "../common/toolio.h"
#include "platform/files.h"
#include "platform/sound/wave.h"
#include "recipes.h"

namespace synth {

Stereo ToStereo(const Mono& m, float pan) {
    Stereo s(m.size());
    Place(s, m, 0, 1.0f, pan);
    return s;
}

Stereo InRoom(Stereo x, const RoomSettings& room, float tail) {
    x.Resize(x.size() + Samples(tail));
    Reverb(x, room, false);
    return x;
}

namespace {

void TrimTail(Stereo& x, float dbBelowPeak) {
    float floor = Peak(x) * DbToGain(dbBelowPeak);
    size_t last = 0;
    for (size_t i = 0; i < x.size(); ++i)
        if (std::fabs(x.l[i]) > floor || std::fabs(x.r[i]) > floor) last = i;
    x.Resize(std::min(x.size(), last + Samples(0.02f)));
}

}  // namespace

Stereo FinishShot(Stereo x, float peakDb) {
    RemoveDc(x, false);
    TrimTail(x, -60.0f);
    FadeEdges(x, 0.001f, std::min(0.04f, static_cast<float>(x.size()) / kRate * 0.2f));
    NormalisePeak(x, peakDb);
    return x;
}

Stereo FinishLoop(Stereo x, float peakDb) {
    RemoveDc(x, true);
    NormalisePeak(x, peakDb);
    return x;
}

}  // namespace synth

int main(int argc, char** argv) {
    if (argc != 3) toolio::Fail("usage: make_sounds <assets dir> <game dir>");
    std::filesystem::path game = argv[2];
    std::vector<synth::Built> all = synth::InterfaceSounds();
    for (auto& b : synth::AmbientSounds()) all.push_back(std::move(b));
    for (auto& b : synth::MatchDaySounds()) all.push_back(std::move(b));
    for (const auto& b : all) {
        auto pcm = synth::ToPcm16(b.sound);
        auto bytes = platform::EncodeWavePcm16(2, synth::kRate, pcm);
        std::filesystem::create_directories(platform::MapPath(game, b.path).parent_path());
        toolio::WriteGameFile(game, b.path, bytes);
    }
    return 0;
}
