#pragma once
// The intro clip: the small AVI subset our tools write ("SND\intro.avi"),
// read and checked whole before it plays. Pictures are 8-bit Microsoft RLE8
// over one palette, key frames complete and the others coding only what
// changed; the sound is 16-bit stereo PCM, one chunk per frame.
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/window/video.h"

namespace platform {
class Voice;
}

namespace introclip {

inline constexpr uint32_t kFrameMicroseconds = 66667;  // 15 frames a second
inline constexpr uint32_t kFramesPerSecond = 15;
inline constexpr int kWidth = 788;
inline constexpr int kHeight = 550;
inline constexpr uint32_t kAudioRate = 22050;
inline constexpr uint32_t kAudioFramesPerFrame = kAudioRate / kFramesPerSecond;  // 1470
inline constexpr uint32_t kAudioBlock = 4;  // stereo, 16 bits
inline constexpr int kKeyFrameSpacing = 30;
inline constexpr uint32_t kHasIndex = 0x10;
inline constexpr uint32_t kKeyFrameFlag = 0x10;

}  // namespace introclip

class CIntroClip : public platform::win::ClipSource {
public:
    ~CIntroClip() override;

    // The clip in `bytes`, or null (with the reason in `why`) when the file
    // is not of our subset or its chunks do not agree.
    static std::unique_ptr<CIntroClip> Read(std::vector<uint8_t> bytes, std::string* why = nullptr);
    static std::unique_ptr<CIntroClip> ReadFile(const std::string& path, std::string* why = nullptr);

    platform::win::Size FrameSize() const override { return {m_nWidth, m_nHeight}; }
    int FrameCount() const override { return static_cast<int>(m_Frames.size()); }
    uint32_t FrameMs() const override { return 1000 / introclip::kFramesPerSecond; }
    // Frames decode in order from the key frame before them; a damaged frame
    // answers false, which ends the clip there.
    bool DecodeFrame(int index, platform::win::Picture& target) override;
    void StartSound() override;
    void StopSound() override;

    // The palette (0x00RRGGBB) and the 8-bit picture last decoded, top row first.
    const std::array<uint32_t, 256>& Palette() const { return m_Palette; }
    const std::vector<uint8_t>& Indexes() const { return m_Indexes; }
    bool IsKeyFrame(int index) const { return m_Frames[static_cast<size_t>(index)].key; }
    // The soundtrack, interleaved left and right.
    const std::vector<int16_t>& Sound() const { return m_Sound; }
    bool IsSounding() const;

private:
    struct Frame {
        size_t offset = 0;
        size_t size = 0;
        bool key = false;
    };
    CIntroClip() = default;
    bool DecodeInto(const Frame& f);

    std::vector<uint8_t> m_Bytes;
    int m_nWidth = 0, m_nHeight = 0;
    std::array<uint32_t, 256> m_Palette{};
    std::vector<Frame> m_Frames;
    std::vector<uint8_t> m_Indexes;  // the picture being decoded, top row first
    int m_nDecoded = -1;
    std::vector<int16_t> m_Sound;
    std::unique_ptr<platform::Voice> m_pVoice;
};
