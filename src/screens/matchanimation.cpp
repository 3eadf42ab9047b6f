// The event animations: the candidate lists, the rows of the event table
// and the filler groups, and the crowd loops' volume.
#include "screens/matchanimation.h"

#include <algorithm>
#include <initializer_list>

#include "platform/trace.h"
#include "shell/flcclips.h"
#include "shell/soundengine.h"
#include "soccerclasses/globals.h"

namespace {

constexpr int kH = 0, kA = 1;

using ClipList = std::vector<int>;

// The candidate lists by number (0, 25-27 and 56-57 unused here).
const ClipList& EventList(int k) {
    static const std::vector<ClipList> lists = [] {
        std::vector<ClipList> l(88);
        l[1] = {404, 405, 452, 453, 464, 465, 428, 429, 440, 441, 416, 417};
        l[2] = {560, 561, 564, 565, 636, 637, 576, 577, 584, 585, 600, 601, 612, 613};
        l[3] = {476, 477, 488, 489, 500, 501, 512, 513, 524, 525, 624, 625, 640, 641};
        l[4] = {536, 537, 548, 549};
        l[5] = {402, 403, 450, 451, 462, 463, 426, 427, 438, 439, 414, 415};
        l[6] = {558, 559, 562, 563, 634, 635, 574, 575, 582, 583, 598, 599, 610, 611};
        l[7] = {474, 475, 486, 487, 498, 499, 510, 511, 522, 523, 622, 623, 638, 639};
        l[8] = {534, 535, 546, 547};
        l[9] = {262, 263, 266, 267, 269};
        l[10] = {260, 261, 264, 265, 268};
        l[11] = {49, 50, 51, 52, 53, 54};
        l[12] = {55, 56, 57, 58, 59, 60};
        l[13] = {64, 65, 66};
        l[14] = {61, 62, 63};
        l[15] = {331, 332, 333, 338, 339, 340, 341, 344, 345};
        l[16] = {328, 329, 330, 334, 335, 336, 337, 342, 343};
        l[17] = {378, 379};
        l[18] = {380, 381};
        l[19] = {347, 349, 351, 353, 355, 357, 359, 361};
        l[20] = {346, 348, 350, 352, 354, 356, 358, 360};
        l[21] = {371, 373};
        l[22] = {370, 372};
        l[23] = {363, 365, 367, 369};
        // The away penalty missed: list 23's mirrors (not the saves 370-376,
        // which would show a miss as a save).
        l[24] = {362, 364, 366, 368};
        // The shoot-out kicks' last clip: scored, outcome 1, outcome 2.
        l[25] = {67, 68, 69};
        l[26] = {72, 73};
        l[27] = {70, 71};
        l[28] = {116, 117, 126, 127, 137, 138, 155, 156, 157};
        l[29] = {114, 115, 118, 119, 134, 135, 152, 153, 154};
        l[30] = {412, 413, 460, 461, 472, 473, 436, 437, 448, 449, 424, 425};
        l[31] = {560, 561, 572, 573, 636, 637, 592, 593, 596, 597, 608, 609, 620, 621};
        l[32] = {484, 485, 496, 497, 508, 509, 520, 521, 532, 533, 632, 633, 648, 649};
        l[33] = {544, 545, 556, 557};
        l[34] = {282, 283, 286, 287, 289};
        l[35] = {410, 411, 458, 459, 470, 471, 434, 435, 446, 447, 422, 423};
        l[36] = {558, 559, 570, 571, 634, 635, 590, 591, 594, 595, 606, 607, 618, 619};
        l[37] = {482, 483, 494, 495, 506, 507, 518, 519, 530, 531, 630, 631, 646, 647};
        l[38] = {542, 543, 554, 555};
        l[39] = {280, 281, 284, 285, 288};
        l[40] = {408, 409, 456, 457, 468, 469, 432, 433, 444, 445, 420, 421};
        l[41] = {560, 561, 568, 569, 636, 637, 580, 581, 588, 589, 604, 605, 616, 617};
        l[42] = {480, 481, 492, 493, 504, 505, 516, 517, 528, 529, 628, 629, 644, 645};
        l[43] = {540, 541, 552, 553};
        l[44] = {272, 273, 276, 277, 279};
        l[45] = {406, 407, 454, 455, 466, 467, 430, 431, 442, 443, 418, 419};
        l[46] = {558, 559, 566, 567, 634, 635, 578, 579, 586, 587, 602, 603, 614, 615};
        l[47] = {478, 479, 490, 491, 502, 503, 514, 515, 526, 527, 626, 627, 642, 643};
        l[48] = {538, 539, 550, 551};
        l[49] = {270, 271, 274, 275, 278};
        l[50] = {116, 117, 137, 138, 139};
        l[51] = {114, 115, 134, 135, 136};
        l[52] = {137, 138, 139};
        l[53] = {134, 135, 136};
        l[54] = {247, 248};
        l[55] = {226, 227};
        l[58] = {252, 253, 254, 255};
        l[59] = {256, 257, 258, 259};
        l[60] = {243, 244, 245, 246};
        l[61] = {222, 223, 224, 225};
        l[62] = {178, 180, 202, 204};
        l[64] = {179, 181, 203, 205};
        l[63] = {166, 168, 190, 192};
        l[65] = {167, 169, 191, 193};
        l[66] = {247, 248, 249, 250};
        l[67] = {226, 227, 228, 229};
        l[68] = {182, 184, 206, 208};
        l[70] = {183, 185, 207, 209};
        l[69] = {170, 172, 194, 196};
        l[71] = {171, 173, 195, 197};
        l[72] = {239, 240, 241, 242};
        l[73] = {218, 219, 220, 221};
        l[74] = {174, 176, 198, 200};
        l[76] = {175, 177, 199, 201};
        l[75] = {162, 164, 186, 188};
        l[77] = {163, 165, 187, 189};
        l[78] = {127, 129, 132};
        l[79] = {126, 130, 133};
        l[80] = {128, 131};
        l[81] = {119, 121, 124};
        l[82] = {118, 122, 125};
        l[83] = {120, 123};
        l[84] = {126, 127};
        l[85] = {118, 119};
        l[86] = {146, 147};
        l[87] = {140, 141};
        return l;
    }();
    return lists[static_cast<size_t>(k)];
}

// The four cycle lists of the corner events.
const int kCornerCycles[4][3] = {{77, 81, 85}, {75, 79, 83}, {76, 76, 76}, {74, 74, 74}};

int g_lastFillerGroup = -1;
int g_appliedCrowd[2] = {-1, -1};

class Sequence {
public:
    void Add(int clip, int side) { clips_.push_back({clip, side}); }
    // One clip drawn from list k.
    void Draw(int k, int side) {
        const ClipList& l = EventList(k);
        Add(l[static_cast<size_t>(RandomByte(static_cast<int>(l.size())))], side);
    }
    // One draw picks from two lists at the same index.
    void Pair(int a, int b, int side) {
        const int i = RandomByte(static_cast<int>(EventList(a).size()));
        Add(EventList(a)[static_cast<size_t>(i)], side);
        Add(EventList(b)[static_cast<size_t>(i)], side);
    }
    void At(int k, int index, int side) { Add(EventList(k)[static_cast<size_t>(index)], side); }
    // x when RandomByte(2) gives 1, else y.
    static int Either(int x, int y) { return RandomByte(2) == 1 ? x : y; }
    std::vector<FlcQueueEntry>& Clips() { return clips_; }

private:
    std::vector<FlcQueueEntry> clips_;
};

// The build-up of a free kick: the foul, the assistant, the whistle.
void FreeKickOpening(Sequence& s, bool home) {
    if (home) {
        s.Draw(50, kH);
        s.Add(385, kH);
        s.Add(393, kH);
    } else {
        s.Draw(51, kA);
        s.Add(384, kA);
        s.Add(392, kA);
    }
}

void Celebration(Sequence& s, bool home) {
    if (home) {
        s.Draw(11, kH);
        s.Add(7, kA);
    } else {
        s.Draw(12, kA);
        s.Add(8, kH);
    }
}

// A free kick's strike: below 4 of RandomByte(8) a shot and its close view,
// else a two-clip routine.
void FreeKickStrike(Sequence& s, bool home, int closeList, int pairA, int pairB) {
    const int side = home ? kH : kA;
    if (RandomByte(8) < 4) {
        s.Draw(home ? 58 : 59, side);
        s.Draw(closeList, side);
    } else {
        s.Pair(pairA, pairB, side);
    }
}

void FreeKickGoal(Sequence& s, bool home) {
    const int side = home ? kH : kA;
    if (RandomByte(8) >= 4) {
        s.Pair(home ? 74 : 75, home ? 76 : 77, side);
    } else {
        s.Draw(home ? 58 : 59, side);
        s.Draw(home ? 72 : 73, side);
    }
    Celebration(s, home);
}

// Events 39-50 and 63-74: a shot at goal from a foul that brings a card.
void ShotFamily(Sequence& s, bool home, int card, int sixth1, int sixth2, int sixth0a, int sixth0b) {
    const int r = RandomByte(3);
    const int side = home ? kH : kA, other = home ? kA : kH;
    const int firstList = home ? (r == 1 ? 78 : r == 2 ? 79 : 80) : (r == 1 ? 81 : r == 2 ? 82 : 83);
    const int third = home ? (r == 1 ? 390 : r == 2 ? 391 : 389) : (r == 1 ? 387 : r == 2 ? 388 : 386);
    s.Draw(firstList, side);
    s.Add(home ? 385 : 384, side);
    s.Add(third, side);
    s.Add(card, other);
    s.Draw(home ? 58 : 59, side);
    s.Add(r == 1 ? sixth1 : r == 2 ? sixth2 : Sequence::Either(sixth0a, sixth0b), side);
}

// Goals of the engine's goal step and the attempts of its minute step.
void Attempt(Sequence& s, bool home, int one, int pairA, int pairB, int far, int r2Range) {
    const int side = home ? kH : kA;
    if (RandomByte(16) < 6) {
        s.Draw(one, side);
        return;
    }
    const int r2 = RandomByte(r2Range);
    if (r2 < 14) {
        s.At(pairA, r2, side);
        s.At(pairB, r2, side);
    } else {
        s.Draw(far, side);
    }
}

void Penalty(Sequence& s, MatchEventAnimation& out, int event, bool homeHuman, bool awayHuman) {
    const int group = (event - 127) / 6, kind = (event - 127) % 6;
    const bool home = kind % 2 == 0;
    static constexpr int kOutcomes[3] = {1, 2, 0};
    const int outcome = kOutcomes[kind / 2];
    // The card of the step that gave the penalty: a booking, or (133-138 and
    // 145-150, from the sending-off step) a red card.
    const bool red = group == 1 || group == 3;
    const int card = (group < 2 ? (red ? 326 : 322) : (red ? 324 : 320)) + (home ? 0 : 1);
    if (home) {
        s.Draw(group < 2 ? 84 : 86, kH);
        s.Add(398, kH);
        s.Add(card, kA);
    } else {
        s.Draw(group < 2 ? 85 : 87, kA);
        s.Add(397, kA);
        s.Add(card, kH);
    }
    if (home ? homeHuman : awayHuman) {
        s.Add(2, kH);
        out.penaltyPending = true;
        out.penaltySide = home ? 0 : 1;
        out.penaltyOutcome = outcome;
        return;
    }
    const int side = home ? kH : kA;
    s.Draw(home ? 17 : 18, side);
    if (outcome == 1) s.Draw(home ? 21 : 22, side);
    if (outcome == 2) s.Draw(home ? 23 : 24, side);
    if (outcome == 0) {
        s.Draw(home ? 19 : 20, side);
        Celebration(s, home);
    }
}

// Injuries: the keeper's collision (from the away side's attack for the
// home keeper), or an outfield player's foul.
void KeeperClash(Sequence& s, bool homeKeeper) {
    if (homeKeeper) {
        const bool first = RandomByte(2) == 1;
        s.Add(first ? 110 : 111, kA);
        s.Add(first ? 160 : 161, kA);
        s.Add(384, kH);
    } else {
        const bool first = RandomByte(2) == 1;
        s.Add(first ? 112 : 113, kH);
        s.Add(first ? 158 : 159, kH);
        s.Add(385, kA);
    }
}

void Filler(Sequence& s) {
    int group;
    do {
        group = RandomByte(11);
    } while (group == g_lastFillerGroup);
    g_lastFillerGroup = group;
    if (group == 10) {
        const bool home = RandomByte(2) == 1;
        const int first = home ? 17 : 15;
        s.Add(first + RandomByte(2), home ? kH : kA);
        return;
    }
    // Groups 0-9: {29, 30} away, {31, 32} home, ... alternately.
    s.Add(29 + 2 * group + RandomByte(2), group % 2 ? kH : kA);
}

bool Between(int v, int lo, int hi) { return v >= lo && v <= hi; }

}  // namespace

const std::vector<int>& EventClipList(int list) {
    static const std::vector<int> none;
    return list >= 1 && list <= 87 ? EventList(list) : none;
}

MatchEventAnimation BuildEventAnimation(int e, bool homeHuman, bool awayHuman, bool endsSwapped) {
    MatchEventAnimation out;
    Sequence s;
    platform::TraceF("-Current Event Number- %d\n", e);
    const bool home = e % 2 == 1;
    const int side = home ? kH : kA;
    bool found = true;
    switch (e) {
    case 7: s.Draw(15, kH); s.Draw(12, kA); s.Add(8, kH); break;
    case 8: s.Draw(16, kA); s.Draw(11, kH); s.Add(7, kA); break;
    case 13: s.Draw(28, kH); break;
    case 14: s.Draw(29, kA); break;
    case 15: s.Add(309, kH); break;
    case 16: s.Add(309, kA); break;
    case 29: case 30: case 31: case 32:
        FreeKickOpening(s, home);
        s.Draw(home ? 58 : 59, side);
        s.Draw(home ? 54 : 55, side);
        break;
    case 53: case 54: case 55: case 56:
        FreeKickOpening(s, home);
        s.Add(320, home ? kA : kH);
        s.Draw(home ? 58 : 59, side);
        s.Draw(home ? 54 : 55, side);
        break;
    case 33: case 34: case 35: case 36: case 57: case 58: case 59: case 60: {
        FreeKickOpening(s, home);
        if (e >= 57) s.Add(320, home ? kA : kH);
        const bool saved = e == 35 || e == 36 || e == 59 || e == 60;
        if (home)
            FreeKickStrike(s, true, saved ? 66 : 60, saved ? 68 : 62, saved ? 70 : 64);
        else
            FreeKickStrike(s, false, saved ? 67 : 61, saved ? 69 : 63, saved ? 71 : 65);
        break;
    }
    case 37: case 38: case 61: case 62:
        FreeKickOpening(s, home);
        if (e >= 61) s.Add(320, home ? kA : kH);
        FreeKickGoal(s, home);
        break;
    case 39: case 41: case 63: case 65: ShotFamily(s, true, e < 63 ? 322 : 326, 236, 235, 237, 238); break;
    case 40: case 42: case 64: case 66: ShotFamily(s, false, e < 63 ? 323 : 327, 215, 214, 216, 217); break;
    case 43: case 67: ShotFamily(s, true, e < 63 ? 322 : 326, 232, 231, 233, 234); break;
    case 44: case 68: ShotFamily(s, false, e < 63 ? 323 : 327, 211, 210, 212, 213); break;
    case 45: case 69: ShotFamily(s, true, e < 63 ? 322 : 326, 246, 245, 243, 244); break;
    case 46: case 70: ShotFamily(s, false, e < 63 ? 323 : 327, 225, 224, 222, 223); break;
    case 47: case 71: ShotFamily(s, true, e < 63 ? 322 : 326, 250, 249, 247, 248); break;
    case 48: case 72: ShotFamily(s, false, e < 63 ? 323 : 327, 229, 228, 226, 227); break;
    case 49: case 73:
        ShotFamily(s, true, e < 63 ? 322 : 326, 242, 241, 239, 240);
        Celebration(s, true);
        break;
    case 50: case 74:
        ShotFamily(s, false, e < 63 ? 323 : 327, 221, 220, 218, 219);
        Celebration(s, false);
        break;
    case 51: s.Draw(52, kH); s.Add(385, kH); s.Add(320, kA); s.Add(251, kH); break;
    case 52: s.Draw(53, kA); s.Add(384, kA); s.Add(320, kH); s.Add(230, kA); break;
    case 119: case 120: {
        const bool h = e == 119;
        const int sd = h ? kH : kA;
        if (RandomByte(16) < 6) {
            s.Draw(h ? 1 : 5, sd);
        } else {
            const int r2 = RandomByte(16);
            if (r2 >= 14) {
                s.Draw(h ? 4 : 8, sd);
            } else {
                s.At(h ? 2 : 6, r2, sd);
                s.At(h ? 3 : 7, r2, sd);
            }
        }
        Celebration(s, h);
        break;
    }
    case 121: s.Draw(9, kH); Celebration(s, true); break;
    case 122: s.Draw(10, kA); Celebration(s, false); break;
    case 151: Attempt(s, true, 30, 31, 32, 33, 16); break;
    case 152: Attempt(s, false, 35, 36, 37, 38, 16); break;
    case 153: s.Draw(34, kH); break;
    case 154: s.Draw(39, kA); break;
    case 155: Attempt(s, true, 40, 41, 42, 43, 16); break;
    case 156: Attempt(s, false, 45, 46, 47, 48, 16); break;
    case 157: s.Draw(44, kH); break;
    case 158: s.Draw(49, kA); break;
    case 159: case 160: {
        const bool h = e == 159;
        const int sd = h ? kH : kA;
        if (RandomByte(16) < 6) {
            s.Draw(h ? 1 : 5, sd);
        } else {
            const int r2 = RandomByte(14);
            s.At(h ? 2 : 6, r2, sd);
            s.At(h ? 3 : 7, r2, sd);
        }
        s.Draw(h ? 11 : 12, sd);
        s.Add(382, sd);
        s.Draw(h ? 13 : 14, sd);
        break;
    }
    case 161: s.Draw(9, kH); s.Draw(11, kH); s.Add(382, kH); s.Draw(13, kH); break;
    case 162: s.Draw(10, kA); s.Draw(12, kA); s.Add(383, kA); s.Draw(14, kA); break;
    case 169: case 170:
        KeeperClash(s, true);
        s.Add(297, kH);
        s.Add(e == 169 ? 293 : 290, kH);
        s.Add(1, kH);
        out.injury = 1;
        break;
    case 171: case 172:
        s.Draw(52, kH); s.Add(385, kH); s.Add(311, kH); s.Add(e == 171 ? 304 : 309, kH); s.Add(1, kH);
        out.injury = 1;
        break;
    case 173: case 174:
        KeeperClash(s, false);
        s.Add(296, kA);
        s.Add(e == 173 ? 293 : 290, kA);
        s.Add(1, kA);
        out.injury = 1;
        break;
    case 175: case 176:
        s.Draw(53, kA); s.Add(384, kA); s.Add(310, kA); s.Add(e == 175 ? 304 : 309, kA); s.Add(1, kH);
        out.injury = 1;
        break;
    case 177: KeeperClash(s, true); s.Add(299, kH); out.injury = 0; break;
    case 178: s.Draw(52, kH); s.Add(385, kH); s.Add(305, kH); out.injury = 0; break;
    case 179: KeeperClash(s, false); s.Add(298, kA); out.injury = 0; break;
    case 180: s.Draw(53, kA); s.Add(384, kA); s.Add(306, kA); out.injury = 0; break;
    case 181: case 182:
        KeeperClash(s, true); s.Add(297, kH); s.Add(e == 181 ? 295 : 292, kH); out.injury = 0;
        break;
    case 183: case 184:
        s.Draw(52, kH); s.Add(385, kH); s.Add(311, kH); s.Add(e == 183 ? 301 : 308, kH); out.injury = 0;
        break;
    case 185: case 186:
        KeeperClash(s, false); s.Add(296, kA); s.Add(e == 185 ? 294 : 291, kA); out.injury = 0;
        break;
    case 187: case 188:
        s.Draw(53, kA); s.Add(385, kA); s.Add(310, kA); s.Add(e == 187 ? 300 : 307, kA); out.injury = 0;
        break;
    default:
        found = false;
        break;
    }
    if (!found && Between(e, 75, 86)) {
        found = true;
        if (home) {
            s.Draw(52, kH); s.Add(385, kH); s.Add(324, kA); s.Add(251, kH);
        } else {
            s.Draw(53, kA); s.Add(384, kA); s.Add(324, kH); s.Add(230, kA);
        }
    }
    if (!found && Between(e, 87, 110)) {
        found = true;
        if (e <= 102) {
            const int* cycle = kCornerCycles[(e - 87) % 4];
            s.Add(cycle[RandomByte(3)], side);
            s.Add(e - 1, side);
        } else {
            static constexpr int kSecond[8] = {102, 103, 106, 107, 104, 105, 108, 109};
            static constexpr int kCycle[8] = {0, 1, 0, 1, 2, 3, 2, 3};
            const int i = e - 103;
            s.Add(kCornerCycles[kCycle[i]][RandomByte(3)], side);
            s.Add(kSecond[i], side);
            Celebration(s, home);
        }
    }
    if (!found && Between(e, 111, 118)) {
        found = true;
        static constexpr int kClip[8] = {654, 650, 657, 653, 656, 652, 655, 651};
        static constexpr int kSide[8] = {kH, kH, kH, kA, kH, kA, kH, kA};
        s.Add(kClip[e - 111], kSide[e - 111]);
    }
    if (!found && Between(e, 127, 150)) {
        found = true;
        Penalty(s, out, e, homeHuman, awayHuman);
    }
    if (!found) Filler(s);
    out.clips = std::move(s.Clips());
    if (endsSwapped)
        for (FlcQueueEntry& c : out.clips) c.clip = FlcEndSwap(c.clip);
    return out;
}

int DrawEventListClip(int list) {
    const std::vector<int>& l = EventClipList(list);
    if (l.empty()) return -1;
    return l[static_cast<size_t>(RandomByte(static_cast<int>(l.size())))];
}

std::vector<FlcQueueEntry> FinalWhistleClips() { return {{394, 0}, {11, 0}}; }

int LastFillerGroup() { return g_lastFillerGroup; }
void ResetLastFillerGroup() { g_lastFillerGroup = -1; }

int CrowdLevelVolume(int level) {
    static constexpr int kAttenuation[21] = {0,     -100,  -200,  -300,  -400,  -500,  -600,  -700,  -800,  -900, -1000,
                                             -1200, -1400, -1600, -1800, -2000, -3000, -4000, -6000, -8000, -10000};
    return kAttenuation[std::clamp(level, 0, 20)];
}

void ApplyCrowdLevels(int homeLevel, int awayLevel) {
    const int levels[2] = {homeLevel, awayLevel};
    const int slots[2] = {kHomeCrowdSlot, kAwayCrowdSlot};
    for (int i = 0; i < 2; ++i) {
        if (levels[i] == g_appliedCrowd[i]) continue;
        SetSampleVolume(slots[i], CrowdLevelVolume(levels[i]));
        g_appliedCrowd[i] = levels[i];
    }
}

int LastAppliedCrowdLevel(int side) { return g_appliedCrowd[side ? 1 : 0]; }
void ResetAppliedCrowdLevels() { g_appliedCrowd[0] = g_appliedCrowd[1] = -1; }
