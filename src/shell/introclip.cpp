#include "shell/introclip.h"

#include <cstdio>
#include <cstring>
#include <string_view>

#include <algorithm>
#include <span>

#include "platform/gfx/colour.h"
#include "platform/sound/audio.h"
#include "platform/trace.h"

using namespace introclip;

namespace {

// A window on the file that never reads past its end.
struct IntroBytes {
    const uint8_t* data;
    size_t size;
    uint32_t U32(size_t at) const {
        return uint32_t(data[at]) | uint32_t(data[at + 1]) << 8 | uint32_t(data[at + 2]) << 16 |
               uint32_t(data[at + 3]) << 24;
    }
    uint16_t U16(size_t at) const { return uint16_t(data[at] | data[at + 1] << 8); }
    bool Is(size_t at, std::string_view id) const { return at + 4 <= size && std::memcmp(data + at, id.data(), 4) == 0; }
};

struct IntroChunk {
    size_t id = 0;    // where its four-letter id stands
    size_t body = 0;  // its contents
    size_t size = 0;
    size_t next = 0;  // the chunk after it, padded to a word
};

// The chunk at `at`, which must lie wholly inside [.., end).
bool IntroChunkAt(const IntroBytes& b, size_t at, size_t end, IntroChunk& c) {
    if (at + 8 > end) return false;
    c.id = at;
    c.size = b.U32(at + 4);
    c.body = at + 8;
    if (c.size > end - c.body) return false;
    c.next = c.body + c.size + (c.size & 1);
    if (c.next > end) c.next = end;  // a last odd chunk may end the list unpadded
    return true;
}

bool IntroFail(std::string* why, const char* text) {
    if (why) *why = text;
    return false;
}

}  // namespace

CIntroClip::~CIntroClip() { StopSound(); }

std::unique_ptr<CIntroClip> CIntroClip::ReadFile(const std::string& path, std::string* why) {
    FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) {
        if (why) *why = "cannot open " + path;
        return nullptr;
    }
    std::vector<uint8_t> bytes;
    uint8_t buf[65536];
    size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) bytes.insert(bytes.end(), buf, buf + n);
    std::fclose(f);
    return Read(std::move(bytes), why);
}

std::unique_ptr<CIntroClip> CIntroClip::Read(std::vector<uint8_t> bytes, std::string* why) {
    std::unique_ptr<CIntroClip> clip(new CIntroClip());
    clip->m_Bytes = std::move(bytes);
    const IntroBytes b{clip->m_Bytes.data(), clip->m_Bytes.size()};
    auto fail = [&](const char* text) {
        IntroFail(why, text);
        return nullptr;
    };

    if (b.size < 12 || !b.Is(0, "RIFF") || !b.Is(8, "AVI ")) return fail("not an AVI file");
    const size_t riffEnd = std::min<size_t>(b.size, size_t(8) + b.U32(4));
    if (size_t(8) + b.U32(4) > b.size) return fail("the file is shorter than its RIFF chunk");

    IntroChunk hdrl, movi, idx1;
    bool haveHdrl = false, haveMovi = false, haveIdx = false;
    for (size_t at = 12; at < riffEnd;) {
        IntroChunk c;
        if (!IntroChunkAt(b, at, riffEnd, c)) return fail("a chunk runs past the file");
        if (b.Is(c.id, "LIST") && c.size >= 4 && b.Is(c.body, "hdrl")) hdrl = c, haveHdrl = true;
        else if (b.Is(c.id, "LIST") && c.size >= 4 && b.Is(c.body, "movi")) movi = c, haveMovi = true;
        else if (b.Is(c.id, "idx1")) idx1 = c, haveIdx = true;
        at = c.next;
    }
    if (!haveHdrl || !haveMovi || !haveIdx) return fail("missing hdrl, movi or idx1");

    // The headers: avih, then the video stream and the sound stream.
    IntroChunk avih;
    size_t at = hdrl.body + 4;
    const size_t hdrlEnd = hdrl.body + hdrl.size;
    if (!IntroChunkAt(b, at, hdrlEnd, avih) || !b.Is(avih.id, "avih") || avih.size < 56) return fail("bad avih");
    if (b.U32(avih.body) != kFrameMicroseconds || b.U32(avih.body + 24) != 2 ||
        !(b.U32(avih.body + 12) & kHasIndex))
        return fail("avih is not of our subset");
    const uint32_t frames = b.U32(avih.body + 16);
    const int width = static_cast<int>(b.U32(avih.body + 32)), height = static_cast<int>(b.U32(avih.body + 36));
    if (width != kWidth || height != kHeight || frames == 0 || frames > 100000) return fail("bad picture size or length");
    at = avih.next;

    IntroChunk strl[2];
    for (IntroChunk& s : strl) {
        if (!IntroChunkAt(b, at, hdrlEnd, s) || !b.Is(s.id, "LIST") || s.size < 4 || !b.Is(s.body, "strl"))
            return fail("missing stream list");
        at = s.next;
    }
    auto streamHeaders = [&](const IntroChunk& list, IntroChunk& strh, IntroChunk& strf) {
        const size_t end = list.body + list.size;
        return IntroChunkAt(b, list.body + 4, end, strh) && b.Is(strh.id, "strh") && strh.size >= 48 &&
               IntroChunkAt(b, strh.next, end, strf) && b.Is(strf.id, "strf");
    };
    IntroChunk vh, vf, ah, af;
    if (!streamHeaders(strl[0], vh, vf) || !streamHeaders(strl[1], ah, af)) return fail("bad stream headers");
    if (!b.Is(vh.body, "vids") || !b.Is(vh.body + 4, "mrle") || b.U32(vh.body + 20) != 1 ||
        b.U32(vh.body + 24) != kFramesPerSecond || b.U32(vh.body + 32) != frames)
        return fail("the video stream is not of our subset");
    if (vf.size < 40 + 256 * 4 || b.U32(vf.body) != 40 || static_cast<int>(b.U32(vf.body + 4)) != width ||
        static_cast<int>(b.U32(vf.body + 8)) != height || b.U16(vf.body + 14) != 8 || b.U32(vf.body + 16) != 1)
        return fail("the picture format is not RLE8");
    for (int i = 0; i < 256; ++i) {
        const size_t p = vf.body + 40 + size_t(i) * 4;
        clip->m_Palette[size_t(i)] = uint32_t(b.data[p + 2]) << 16 | uint32_t(b.data[p + 1]) << 8 | b.data[p];
    }
    if (!b.Is(ah.body, "auds") || af.size < 16 || b.U16(af.body) != 1 || b.U16(af.body + 2) != 2 ||
        b.U32(af.body + 4) != kAudioRate || b.U16(af.body + 12) != kAudioBlock || b.U16(af.body + 14) != 16)
        return fail("the sound is not 16-bit stereo PCM at 22,050 Hz");

    // The chunks of movi, each checked against the index.
    const size_t moviEnd = movi.body + movi.size;
    const size_t base = movi.body;  // the index counts from the "movi" id
    if (idx1.size % 16 != 0) return fail("the index is cut");
    const size_t entries = idx1.size / 16;
    size_t entry = 0;
    for (at = movi.body + 4; at < moviEnd;) {
        IntroChunk c;
        if (!IntroChunkAt(b, at, moviEnd, c)) return fail("a chunk runs past movi");
        if (entry >= entries) return fail("a chunk is missing from the index");
        const size_t e = idx1.body + entry * 16;
        if (std::memcmp(b.data + e, b.data + c.id, 4) != 0 || b.U32(e + 8) != c.id - base || b.U32(e + 12) != c.size)
            return fail("the index disagrees with the chunks");
        if (b.Is(c.id, "00dc")) {
            clip->m_Frames.push_back(Frame{c.body, c.size, (b.U32(e + 4) & kKeyFrameFlag) != 0});
        } else if (b.Is(c.id, "01wb")) {
            if (c.size % kAudioBlock) return fail("a sound chunk is cut");
            const size_t first = clip->m_Sound.size();
            clip->m_Sound.resize(first + c.size / 2);
            for (size_t i = 0; i < c.size / 2; ++i)
                clip->m_Sound[first + i] = static_cast<int16_t>(b.U16(c.body + i * 2));
        } else {
            return fail("an unknown chunk in movi");
        }
        ++entry;
        at = c.next;
    }
    if (entry != entries) return fail("the index lists chunks that are not there");
    if (clip->m_Frames.size() != frames) return fail("the frame count disagrees with the header");
    if (!clip->m_Frames[0].key) return fail("the first frame is not a key frame");
    clip->m_nWidth = width;
    clip->m_nHeight = height;
    clip->m_Indexes.assign(size_t(width) * size_t(height), 0);
    return clip;
}

bool CIntroClip::DecodeInto(const Frame& f) {
    const uint8_t* p = m_Bytes.data() + f.offset;
    const uint8_t* end = p + f.size;
    int x = 0, r = 0;  // r counts rows from the bottom
    auto put = [&](uint8_t v) {
        if (x >= m_nWidth || r >= m_nHeight) return false;
        m_Indexes[size_t(m_nHeight - 1 - r) * size_t(m_nWidth) + size_t(x++)] = v;
        return true;
    };
    while (p + 2 <= end) {
        const uint8_t count = p[0], value = p[1];
        p += 2;
        if (count > 0) {
            for (int i = 0; i < count; ++i)
                if (!put(value)) return false;
            continue;
        }
        switch (value) {
            case 0:  // end of line
                x = 0;
                ++r;
                break;
            case 1:  // end of picture
                return true;
            case 2:  // delta
                if (p + 2 > end) return false;
                x += p[0];
                r += p[1];
                p += 2;
                if (x > m_nWidth || r > m_nHeight) return false;
                break;
            default: {  // absolute run, padded to a word
                const size_t padded = size_t(value) + (value & 1);
                if (size_t(end - p) < padded) return false;
                for (int i = 0; i < value; ++i)
                    if (!put(p[i])) return false;
                p += padded;
                break;
            }
        }
    }
    return false;  // no end of picture
}

bool CIntroClip::DecodeFrame(int index, platform::win::Picture& target) {
    if (index < 0 || index >= FrameCount()) return false;
    if (index != m_nDecoded) {
        int from = index;
        if (m_nDecoded >= 0 && m_nDecoded < index) {
            from = m_nDecoded + 1;
            for (int k = from; k <= index; ++k)
                if (m_Frames[size_t(k)].key) from = k;
        } else {
            while (from > 0 && !m_Frames[size_t(from)].key) --from;
        }
        for (int k = from; k <= index; ++k) {
            if (!DecodeInto(m_Frames[size_t(k)])) {
                platform::TraceF("Intro clip: frame %d is damaged\n", k);
                m_nDecoded = -1;
                return false;
            }
            m_nDecoded = k;
        }
    }
    if (target.Width() != m_nWidth || target.Height() != m_nHeight) target = platform::win::Picture(m_nWidth, m_nHeight);
    for (int row = 0; row < m_nHeight; ++row) {
        auto* out = target.Row(row);
        const uint8_t* in = m_Indexes.data() + size_t(row) * size_t(m_nWidth);
        for (int col = 0; col < m_nWidth; ++col) {
            const uint32_t c = m_Palette[in[col]];
            out[col] = platform::gfx::MakePixel(uint8_t(c >> 16), uint8_t(c >> 8), uint8_t(c));
        }
    }
    return true;
}

void CIntroClip::StartSound() {
    if (m_Sound.empty()) return;
    // The clip's own sound, whether or not the game's sound engine has started.
    if (!platform::IsAudioOpen() && !platform::OpenAudio()) return;
    const auto* raw = reinterpret_cast<const uint8_t*>(m_Sound.data());
    m_pVoice = platform::Voice::Create(platform::WaveFormat::Pcm(2, kAudioRate, 16),
                                       std::span<const uint8_t>(raw, m_Sound.size() * 2));
    if (m_pVoice) m_pVoice->Play(false);
}

void CIntroClip::StopSound() {
    if (m_pVoice) m_pVoice->Stop();
    m_pVoice.reset();
}

bool CIntroClip::IsSounding() const { return m_pVoice && m_pVoice->IsPlaying(); }
