// The match page's players panels as the user works them: the squad list's
// presses and drags (substitutions by drag and drop), the player card with
// its six buttons, and the penalty taker and shoot-out kickers chosen on it.
#include <algorithm>
#include <vector>

#include "platform/stringtable.h"
#include "platform/window/ui.h"
#include "screens/highscreen.h"
#include "screens/highscreen_texts.h"
#include "screens/matchanimation.h"
#include "shell/flcclips.h"
#include "shell/soundengine.h"
#include "soccerclasses/club.h"
#include "soccerclasses/matchplay.h"

using platform::LoadString;
using namespace highscreen;

namespace {

// The card buttons' corners, home then away: "Previous player", "Next
// player", "Take Penalty", "Praise", "Encourage", "Discipline".
constexpr int kHsCardX[2][6] = {{14, 178, 10, 15, 80, 144}, {8, 176, 10, 8, 73, 137}};
constexpr int kHsCardY[6] = {6, 6, 138, 32, 32, 32};
// The touchline clips of "Praise", "Encourage" and "Discipline" by side.
constexpr int kHsTouchlineClips[2][3] = {{315, 314, 316}, {318, 317, 319}};

// A small arrow for the card's player buttons, drawn on the key colour.
std::shared_ptr<platform::gfx::Surface> HsArrow(bool right, bool pressed) {
    auto s = std::make_shared<platform::gfx::Surface>(18, 18);
    const platform::gfx::Pixel key = platform::gfx::MakePixel(255, 0, 143);
    const platform::gfx::Pixel fill = pressed ? platform::gfx::MakePixel(255, 255, 0) : platform::gfx::MakePixel(220, 224, 232);
    const platform::gfx::Pixel edge = platform::gfx::MakePixel(30, 34, 44);
    for (int y = 0; y < 18; ++y)
        for (int x = 0; x < 18; ++x) {
            // A triangle pointing left or right, with a dark rim.
            const int dx = right ? x - 3 : 14 - x;
            const int half = dx / 2;
            const bool inside = dx >= 0 && dx <= 12 && y >= 8 - (6 - half) && y <= 9 + (6 - half);
            const bool rim = inside && (dx == 0 || dx == 12 || y == 8 - (6 - half) || y == 9 + (6 - half));
            s->Set(x, y, !inside ? key : rim ? edge : fill);
        }
    s->SetColourKey(key);
    return s;
}

}  // namespace

bool CHighScreen::IsHumanSide(int side) const { return m_pMatchPlay && m_pMatchPlay->GetManagerKind(side & 1) == 1; }

bool CHighScreen::IsFilledRow(int side, int row) const {
    if (row < 0 || row >= m_nSquadSlots) return false;
    const CClub* club = SideClub(side);
    return club && club->GetPlayer(row) != nullptr;
}

void CHighScreen::SetUpCardButtons() {
    SurfacePtr light[3], dark[3], penalty;
    static constexpr const char* kLight[3] = {"4button1light", "4button2light", "4button3light"};
    static constexpr const char* kDark[3] = {"4button1dark", "4button2dark", "4button3dark"};
    for (int i = 0; i < 3; ++i) {
        LoadMatchPicture(kLight[i], light[i], 60, 22, true);
        LoadMatchPicture(kDark[i], dark[i], 60, 22, true);
    }
    LoadMatchPicture("4leftbuttonpenalty", penalty, 190, 18, true);
    std::shared_ptr<platform::gfx::Surface> lightShared[3], darkShared[3];
    for (int i = 0; i < 3; ++i) {
        lightShared[i] = std::move(light[i]);
        darkShared[i] = std::move(dark[i]);
    }
    std::shared_ptr<platform::gfx::Surface> penaltyShared = std::move(penalty);
    static constexpr unsigned kTips[6] = {hstext::kPreviousPlayer, hstext::kNextPlayer, hstext::kTakePenalty,
                                          hstext::kPraise,         hstext::kEncourage,  hstext::kDiscipline};
    for (int side = 0; side < 2; ++side)
        for (int i = 0; i < kCardButtons; ++i) {
            SurfaceButton& b = m_CardButtons[static_cast<size_t>(side)][static_cast<size_t>(i)];
            b = SurfaceButton{};
            b.x = kHsCardX[side][i];
            b.y = kHsCardY[i];
            b.tip = LoadString(kTips[i]);
            if (i < 2) {
                b.flags = kSbPicture | kSbMomentary;
                b.released = HsArrow(i == 1, false);
                b.pressed = HsArrow(i == 1, true);
            } else if (i == 2) {
                // Hidden until a choice of taker opens on this side. The
                // caption's top is at y 1, on the bar: the bar is drawn first
                // and the caption (centred on its point) over it.
                b.Init(LoadString(hstext::kTakePenalty), 95, 9, 255, 255, 0, 255, 255, 255);
                b.flags = kSbHidden | kSbPicture | kSbCaption;
                b.released = b.pressed = penaltyShared;
            } else {
                // The words are in the pictures.
                b.flags = kSbPicture | kSbMomentary;
                b.released = lightShared[i - 3];
                b.pressed = darkShared[i - 3];
            }
        }
}

void CHighScreen::ShowTouchlineButtons(int side) {
    const size_t sd = static_cast<size_t>(side & 1);
    const bool show = IsHumanSide(side) && m_nCardPlayer[sd] >= 0 && m_nCardPlayer[sd] <= 10;
    for (int i = 3; i < kCardButtons; ++i) {
        SurfaceButton& b = m_CardButtons[sd][static_cast<size_t>(i)];
        b.flags = show ? (b.flags & ~kSbHidden) : (b.flags | kSbHidden);
    }
}

void CHighScreen::SetTakePenaltyButton(int side, bool shown) {
    SurfaceButton& b = m_CardButtons[static_cast<size_t>(side & 1)][2];
    b.flags = shown ? (b.flags & ~kSbHidden) : (b.flags | kSbHidden);
    b.state = 0;
    m_bDirty[side == 0 ? kHomePanel : kAwayPanel] = 1;
}

int CHighScreen::ChoosingSide() const {
    if (m_nChoiceState == 1) return IsHumanSide(0) ? 0 : 1;
    return m_nPenaltySide & 1;
}

void CHighScreen::ShowTakePenaltyButton() {
    SetTakePenaltyButton(0, false);
    SetTakePenaltyButton(1, false);
    SetTakePenaltyButton(ChoosingSide(), true);
}

void CHighScreen::OpenCard(int side, int row) {
    const size_t sd = static_cast<size_t>(side & 1);
    m_nPanelView[sd] = 1;
    m_nCardPlayer[sd] = row;
    ShowTouchlineButtons(side);
    PressInstructionButtons(side);
}

void CHighScreen::PressPlayersPanel(int side, int x, int y) {
    const size_t sd = static_cast<size_t>(side & 1);
    const int panel = side == 0 ? kHomePanel : kAwayPanel;
    m_bDirty[static_cast<size_t>(panel)] = 1;
    if (m_nPanelView[sd] == 0) {
        if (y < 36) return;
        const int row = (y - 36) / 17;
        if (row >= m_nSquadSlots || !IsFilledRow(side, row)) return;
        m_nPressSide = side + 1;
        m_nDragSource = row;
        if (IsHumanSide(side) && m_nPhase >= 1 && m_nPhase <= 3) {
            m_nDragState = 1;
            m_DragPoint = {-1, -1};
            platform::win::Ui::Get().SetCapture(this);
        } else {
            m_nDragState = 2;
        }
        return;
    }
    PressPlayerCard(side, x, y);
}

void CHighScreen::PressPlayerCard(int side, int x, int y) {
    const size_t sd = static_cast<size_t>(side & 1);
    auto& buttons = m_CardButtons[sd];
    const int hit = HitTestSurfaceButtons(buttons.data(), kCardButtons, x, y, false);
    const bool human = IsHumanSide(side);
    int& row = m_nCardPlayer[sd];
    switch (hit) {
        case 0:
        case 1: {
            // Empty slots are passed over; the ends stay where they are.
            const int step = hit == 0 ? -1 : 1;
            for (int r = row + step; r >= 0 && r < m_nSquadSlots; r += step)
                if (IsFilledRow(side, r)) {
                    row = r;
                    break;
                }
            ShowTouchlineButtons(side);
            PressInstructionButtons(side);
            return;
        }
        case 2:
            if (m_bChoosing && row >= 0 && row <= 10) OnTakePenalty(side);
            return;
        case 3:
        case 4:
        case 5:
            if (!human || (m_nPhase != 1 && m_nPhase != 3)) return;
            if (m_bTouchlineUsed[sd] || m_nChoiceState != 0 || row < 0 || row > 10) return;
            if (!m_pMatchPlay->CanPlayerContinue(side, row)) return;
            // The clip shows in the colours of the side whose panel asked.
            SetFlcExtraClip(kHsTouchlineClips[sd][hit - 3], side & 1);
            m_bTouchlineUsed[sd] = 1;
            return;
        default: break;
    }
    if (human && m_nCardTab[sd] == 1 && row >= 1 && row <= 10) {
        auto& set = m_InstructionButtons[sd];
        const int ib = HitTestSurfaceButtons(set.data(), 18, x, y, false);
        if (ib >= 0) {
            // Radio within the row; the choice goes into the side's own
            // manager's table under the formation its table shows.
            const int r = ib / 6, k = ib % 6;
            for (int i = 0; i < 6; ++i) set[static_cast<size_t>(r * 6 + i)].state = i == k ? 1 : 0;
            if (auto* table = InstructionTable(side))
                (*table)[static_cast<size_t>(r)][static_cast<size_t>(std::clamp(SelectedFormation(side), 0, 29))]
                        [static_cast<size_t>(row - 1)] = k;
            return;
        }
    }
    if (human && y >= 236 && y <= 250) {
        m_nCardTab[sd] = x >= (side == 0 ? 132 : 117) ? 1 : 0;
    } else if (y > 26) {
        m_nPanelView[sd] = 0;
    }
}

void CHighScreen::DragOverPlayersPanel(int side, int x, int y) {
    const size_t sd = static_cast<size_t>(side & 1);
    if (m_nPanelView[sd] == 0 && m_nDragState == 1 && m_nPressSide == side + 1) {
        m_DragPoint = {x, y};
        m_bDirty[side == 0 ? kHomePanel : kAwayPanel] = 1;
    }
}

void CHighScreen::ReleasePlayersPanel(int side, int /*x*/, int y) {
    const size_t sd = static_cast<size_t>(side & 1);
    const int panel = side == 0 ? kHomePanel : kAwayPanel;
    m_bDirty[static_cast<size_t>(panel)] = 1;
    if (m_nPanelView[sd] != 0 || m_nPressSide != side + 1) {
        if (m_nPanelView[sd] != 0) ReleaseSurfaceButtons(m_CardButtons[sd].data(), kCardButtons);
        return;
    }
    const int row = y >= 36 ? (y - 36) / 17 : -1;
    if (row >= 0 && row < m_nSquadSlots && IsFilledRow(side, row)) {
        if (row == m_nDragSource || m_nDragState != 1) {
            OpenCard(side, row);
        } else {
            TrySubstitution(side, m_nDragSource, row);
        }
    }
    if (platform::win::Ui::Get().GetCapture() == this) platform::win::Ui::Get().ReleaseCapture();
}

void CHighScreen::TrySubstitution(int side, int from, int to) {
    // The player coming on is read before the change: afterwards the rows
    // hold each other's players.
    const int incoming = from >= 11 ? from : to;
    const int position = side == 0 ? m_pMatchPlay->GetHomeMatchPlayerPosition(incoming)
                                    : m_pMatchPlay->GetAwayMatchPlayerPosition(incoming);
    const int result = m_pMatchPlay->Substitute(side & 1, from, to);
    if (result == 0) return;
    auto& order = m_nDisplayOrder[static_cast<size_t>(side & 1)];
    std::swap(order[static_cast<size_t>(from)], order[static_cast<size_t>(to)]);
    SyncPlayerMarkers();
    if (result == 1) {
        // The substitution's line is set between minutes: show it now.
        m_strCommentary = m_pMatchPlay->GetCommentaryText();
        m_pMatchPlay->ClearCommentary();
        if (m_nPhase == 1 || m_nPhase == 3) {
            static constexpr int kKinds[2][2] = {{0, 2}, {3, 1}};
            AddFlcSubstitution(kKinds[side & 1][m_nPhase == 3 ? 1 : 0], std::clamp(position, 0, 3));
        }
    }
}

void CHighScreen::OnTakePenalty(int side) {
    side &= 1;
    const size_t sd = static_cast<size_t>(side);
    std::vector<FlcQueueEntry> clips;
    auto add = [&clips](int list, int flag) { clips.push_back({DrawEventListClip(list), flag}); };
    const int row = m_nCardPlayer[sd];
    if (m_nChoiceState == 0) {
        // A penalty during play: only the side it was awarded to, with a
        // starter who is still on the pitch.
        if (!m_bChoosing || side != (m_nPenaltySide & 1)) return;
        if (row < 0 || row > 10 || !m_pMatchPlay->CanPlayerContinue(side, row)) return;
        SetTakePenaltyButton(side, false);
        m_pMatchPlay->TakeHumanPenalty(side, row);
        m_strCommentary = m_pMatchPlay->GetCommentaryText();
        m_pMatchPlay->ClearCommentary();
        m_bChoosing = 0;
        m_nMatchState = kBannerNone;
        m_bPaused = 0;
        const bool home = side == 0;
        const int flag = home ? 0 : 1;
        add(home ? 17 : 18, flag);
        switch (m_nPenaltyOutcome) {
            case 0:
                add(home ? 19 : 20, flag);
                add(home ? 11 : 12, flag);
                clips.push_back({home ? 7 : 8, home ? 1 : 0});
                break;
            case 1: add(home ? 21 : 22, flag); break;
            default: add(home ? 23 : 24, flag); break;
        }
    } else if (m_nChoiceState == 1) {
        if (side != ChoosingSide()) return;
        const bool taken = std::any_of(m_Takers.begin(), m_Takers.begin() + m_nTakersChosen,
                                       [row](const Taker& t) { return t.player == row; });
        if (row >= 0 && row <= 10 && !taken && m_nTakersChosen < 5 && m_pMatchPlay->CanPlayerContinue(side, row)) {
            Taker& t = m_Takers[static_cast<size_t>(m_nTakersChosen)];
            t.player = row;
            t.name = side == 0 ? m_pMatchPlay->GetHomeMatchPlayerName(row) : m_pMatchPlay->GetAwayMatchPlayerName(row);
            m_pMatchPlay->AddShootoutKicker(row);
            ++m_nTakersChosen;
            // Fewer than five who can still play end the choice once each
            // is chosen: the engine completes the list.
            int able = 0;
            for (int r = 0; r <= 10; ++r)
                if (m_pMatchPlay->CanPlayerContinue(side, r)) ++able;
            if (m_nTakersChosen >= std::min(5, able)) {
                SetTakePenaltyButton(side, false);
                const int kicks = m_pMatchPlay->PlayShootoutAtOnce();
                for (int k = 0; k < kicks; ++k) {
                    const int flag = k % 2;
                    const int outcome = flag == 0 ? m_pMatchPlay->GetHomeShootoutKick(k / 2)
                                                  : m_pMatchPlay->GetAwayShootoutKick(k / 2);
                    add(17, flag);
                    add(outcome == 0 ? 19 : outcome == 1 ? 21 : 23, flag);
                    add(outcome == 0 ? 25 : outcome == 1 ? 26 : 27, flag);
                }
                m_bChoosing = 0;
                m_nMatchState = kBannerNone;
                m_bPaused = 0;
                m_nChoiceState = 2;
            }
        }
        m_bDirty[kPerformance] = 1;
    }
    for (const FlcQueueEntry& c : clips) QueueClip(m_bSecondHalf ? FlcEndSwap(c.clip) : c.clip, c.side);
}
