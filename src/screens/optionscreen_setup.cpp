// The new-manager set-up: Manager Generation (97), the club choice (90)
// and Manager Confirmation (61), with the face builder.
#include <algorithm>
#include <cstdlib>

#include "platform/cp1252.h"
#include "platform/msgformat.h"
#include "platform/profile.h"
#include "platform/stringtable.h"
#include "platform/window/messages.h"
#include "platform/window/ui.h"
#include "screens/optionscreen.h"
#include "screens/titlescreen.h"
#include "shell/mainframe.h"
#include "shell/screenglobals.h"
#include "shell/screenmanager.h"
#include "shell/setupstate.h"
#include "soccerclasses/club.h"
#include "soccerclasses/country.h"
#include "soccerclasses/gameflags.h"
#include "soccerclasses/humanmanager.h"
#include "soccerclasses/manager.h"
#include "soccerclasses/userport.h"
#include "soccerclasses/worlddata.h"
#include "ui/listcontrol.h"
#include "ui/tree.h"
#include "ui/xbutton.h"
#include "ui/xedit.h"
#include "ui/xmessages.h"
#include "ui/xstatic.h"

using namespace platform::win;

namespace {

constexpr uint32_t kNameField = 21474;
constexpr uint32_t kNationalityField = 21476;
constexpr int kNationalityNoteX = 314, kNationalityNoteY = 163;
constexpr uint32_t kAgeFieldId = 21475;
constexpr int kFaceX = 450, kFaceY = 222;
constexpr int kMinAge = 6, kMaxAge = 65;
constexpr int kContractYears = 4;
// Tree levels of a country and of a club under the federations.
constexpr int kCountryLevel = 2;
constexpr int kClubLevel = 4;

std::string SetupSection(int slot) { return "manager" + std::to_string(slot); }

int SetupWrap(int v, int count) { return ((v % count) + count) % count; }

std::string SetupTrim(const std::string& s) {
    const size_t a = s.find_first_not_of(' ');
    if (a == std::string::npos) return "";
    return s.substr(a, s.find_last_not_of(' ') - a + 1);
}

int SetupSlot() { return CWorldData::SelectedUserSlot(); }

CScreenManager* SetupManager(Window* parent) { return dynamic_cast<CScreenManager*>(parent); }

}  // namespace

PhotofitFace& COptionScreen::EditedFace() {
    return g_SetupState.managerFaces[static_cast<size_t>(std::clamp(SetupSlot(), 0, kManagerSlotCount - 1))];
}

PhotofitFace COptionScreen::NormaliseFace(PhotofitFace f) {
    if (f.skin < 0 || f.skin > 4) f.skin = 0;
    f.hairColour = static_cast<int8_t>(SetupWrap(f.hairColour, 5));
    f.chin = static_cast<int8_t>(SetupWrap(f.chin, 12));
    f.eyes = static_cast<int8_t>(SetupWrap(f.eyes, 5));
    f.hairStyle = static_cast<int8_t>(SetupWrap(f.hairStyle, kHairStyleCount));
    f.mouth = static_cast<int8_t>(SetupWrap(f.mouth, 7));
    f.nose = static_cast<int8_t>(SetupWrap(f.nose, 6));
    f.beard = static_cast<int8_t>(SetupWrap(f.beard, 8));
    f.GetHairPath(true);
    f.step = 0;
    return f;
}

bool COptionScreen::StepFace(PhotofitFace& f, uint32_t id) {
    auto step = [](int8_t& v, int d, int count) { v = static_cast<int8_t>(SetupWrap(v + d, count)); };
    switch (id) {
        case 21489:
        case 21494: {
            const int d = id == 21489 ? -1 : 1;
            f.step = static_cast<int8_t>(d);
            step(f.hairStyle, d, kHairStyleCount);
            f.GetHairPath(false);
            return true;
        }
        case 21490: step(f.eyes, -1, 5); return true;
        case 21495: step(f.eyes, 1, 5); return true;
        case 21491: step(f.nose, -1, 6); return true;
        case 21496: step(f.nose, 1, 6); return true;
        case 21493: step(f.mouth, -1, 7); return true;
        case 21498: step(f.mouth, 1, 7); return true;
        case 21513: step(f.chin, -1, 12); return true;
        case 21515: step(f.chin, 1, 12); return true;
        case 21514:
        case 21516: {
            // Beard 4 draws the same picture as 5: the steps pass over it.
            const int d = id == 21514 ? -1 : 1;
            step(f.beard, d, 8);
            if (f.beard == 4) step(f.beard, d, 8);
            return true;
        }
        case 10182: step(f.skin, -1, 5), f.step = 0; return true;
        case 10183: step(f.skin, 1, 5), f.step = 0; return true;
        case 10184: step(f.hairColour, -1, 5), f.step = 0; return true;
        case 10185: step(f.hairColour, 1, 5), f.step = 0; return true;
        case 10186:
        case 10187:
            f.layered = id == 10187 ? 0 : 1;  // 0 long (a single layer), 1 short
            f.step = 0;
            f.GetHairPath(false);
            return true;
        default: return false;
    }
}

void COptionScreen::ApplyFaceRules(PhotofitFace& f) {
    // Latins may have black, grey or brown hair; the other races but
    // Caucasian only black.
    if (f.skin == 4 && f.hairColour > 2) f.hairColour = 0;
    if (f.skin >= 1 && f.skin <= 3) f.hairColour = 0;
    // Grey hair is never long.
    if (f.hairColour == 1 && f.layered == 0) {
        f.layered = 1;
        f.GetHairPath(false);
    }
}

int COptionScreen::AgeFromProfile(const std::string& text) {
    char* end = nullptr;
    const long v = std::strtol(text.c_str(), &end, 10);
    if (text.empty() || *end != '\0' || v < kMinAge || v > kMaxAge) return 35;
    return static_cast<int>(v);
}

CCountry* COptionScreen::FindNationality(CWorldData& world, const std::string& text) {
    if (text.empty()) return nullptr;
    CCountryList& countries = world.GetCountryList();
    for (int i = 0; i < countries.GetSize(); ++i)
        if (CCountry* c = countries.GetAt(i); c && std::string(c->GetNationalityName()) == text) return c;
    return nullptr;
}

unsigned COptionScreen::CheckManagerEntry(CWorldData& world, const std::string& name, int age,
                                          const std::string& nationality) {
    if (SetupTrim(name).empty()) return 582;
    if (age < kMinAge) return 477;
    if (age > kMaxAge) return 478;
    if (!FindNationality(world, nationality)) return 476;
    return 0;
}

// --- Manager Generation (97) ---

void COptionScreen::SetUpManagerGeneration() {
    const int slot = SetupSlot();
    const std::string section = SetupSection(slot);
    const int age = AgeFromProfile(platform::GetProfileString(section, "Age", "35"));
    m_AgeField.Create("", WS_CHILD | WS_VISIBLE, Rect{305, 136, 580, 159}, this, kAgeFieldId,
                      "gfx\\scroll\\leftarrow.bmp", "gfx\\scroll\\rightarrow.bmp", kMinAge, kMaxAge, nullptr, 0, age,
                      1.0, "Arial Narrow", 12, "");
    if (CXEdit* name = FindEdit(kNameField))
        name->SetText(platform::Utf8ToCp1252(platform::GetProfileString(section, "Name", "")).value_or(""));
    PhotofitFace f;
    auto get = [&](const char* key) { return static_cast<int8_t>(platform::GetProfileInt(section, key, 0)); };
    f.skin = get("Race");
    f.hairColour = get("Colour");
    f.hairStyle = get("Hair");
    f.eyes = get("Eye");
    f.chin = get("Chin");
    f.nose = get("Nose");
    f.mouth = get("Mouth");
    f.beard = get("Beard");
    EditedFace() = NormaliseFace(f);
    ShowFaceChoices();
    RedrawFace();
    if (CScreenManager* manager = SetupManager(Parent())) {
        manager->SetTreeRootFlag(1);
        CWorldData* world = GetWorldData();
        CXEdit* nationality = FindEdit(kNationalityField);
        if (world && nationality)
            if (CCountry* c = FindNationality(*world, nationality->GetText()))
                manager->SelectTreeItem(reinterpret_cast<uintptr_t>(c), 0);
    }
    if (CXButton* cancel = FindButton(21506)) cancel->Enable(g_SetupState.managerCount > 1);
}

void COptionScreen::ShowFaceChoices() {
    const PhotofitFace& f = EditedFace();
    if (CXStatic* race = FindLabel(330, 346)) race->SetTextId(21404u + unsigned(std::clamp<int>(f.skin, 0, 4)));
    if (CXStatic* colour = FindLabel(330, 369)) colour->SetTextId(21409u + unsigned(std::clamp<int>(f.hairColour, 0, 4)));
    if (CXStatic* length = FindLabel(330, 392)) length->SetTextId(f.layered ? 21401u : 21402u);
}

void COptionScreen::RedrawFace() {
    const PhotofitFace& f = EditedFace();
    AddFaceOverlay(0, false, kFaceX, kFaceY, f.skin, f.hairColour, f.hairStyle, f.eyes, f.nose, f.chin, f.mouth,
                   f.beard, -1);
    Invalidate(false);
}

void COptionScreen::OnManagerGenerationOk() {
    CWorldData* world = GetWorldData();
    if (!world) return;
    CXEdit* nameField = FindEdit(kNameField);
    CXEdit* nationalityField = FindEdit(kNationalityField);
    const std::string name = SetupTrim(nameField ? nameField->GetText() : "");
    const std::string nationality = nationalityField ? nationalityField->GetText() : "";
    const int age = static_cast<int>(m_AgeField.GetValue());
    if (const unsigned refusal = CheckManagerEntry(*world, name, age, nationality)) {
        UserMessageBox(refusal, MB_OK | MB_ICONWARNING, -1);
        return;
    }
    CCountry* country = FindNationality(*world, nationality);
    const int slot = SetupSlot();
    CHumanManager* user = world->GetUserList().GetAt(slot);
    if (!user) return;
    if (!user->HasManager()) user->SetManager(world->GetManagerList().AddManager(*country));
    if (CManager* m = user->GetManager()) {
        m->SetIdentity(name, static_cast<uint8_t>(age), static_cast<uint8_t>(country->GetId()));
        // The name is shown as typed: no made-up initial in front of it.
        m->Person().SetForename("");
    }
    const std::string section = SetupSection(slot);
    const PhotofitFace& f = EditedFace();
    platform::WriteProfileString(section, "Name", platform::Cp1252ToUtf8(name));
    platform::WriteProfileString(section, "Age", std::to_string(age));
    platform::WriteProfileInt(section, "Hair", f.hairStyle);
    platform::WriteProfileInt(section, "Race", f.skin);
    platform::WriteProfileInt(section, "Colour", f.hairColour);
    platform::WriteProfileInt(section, "Chin", f.chin);
    platform::WriteProfileInt(section, "Eye", f.eyes);
    platform::WriteProfileInt(section, "Mouth", f.mouth);
    platform::WriteProfileInt(section, "Nose", f.nose);
    platform::WriteProfileInt(section, "Beard", f.beard);
    OpenSetUpPage(90);
}

// The note about the tree stands where the nationality field starts: it is
// shown only while the field is empty and nobody types in it, so a chosen or
// typed nationality can be read.
void COptionScreen::ShowNationalityNote(bool typing) {
    CXEdit* field = FindEdit(kNationalityField);
    CXStatic* note = FindLabel(kNationalityNoteX, kNationalityNoteY);
    if (!field || !note) return;
    const bool show = !typing && field->GetText().empty();
    if (note->IsVisible() != show) note->Show(show);
}

// A press on a child of page 97 (the fields among them).
void COptionScreen::OnParentNotify(uint32_t event, platform::win::Point pt) {
    CScreensInfo::OnParentNotify(event, pt);
    if (m_nScreen != 97 || event != platform::win::WM_LBUTTONDOWN) return;
    if (CXEdit* field = FindEdit(kNationalityField)) ShowNationalityNote(field->WindowRect().Contains(pt));
}

void COptionScreen::OnLButtonDown(uint32_t flags, platform::win::Point pt) {
    CXEdit* field = m_nScreen == 97 && flags != ui::kRelayedFlags ? FindEdit(kNationalityField) : nullptr;
    if (field && field->WindowRect().Contains(pt)) {
        // The note lets the press through: it is a press on the field beneath.
        Ui::Get().SetFocus(field);
        ShowNationalityNote(true);
        return;
    }
    if (field) ShowNationalityNote(false);
    CScreensInfo::OnLButtonDown(flags, pt);
}

void COptionScreen::OnTreeSelect(const TreeNotice* item) {
    CScreensInfo::OnTreeSelect(item);
    if (!item || !item->data) return;
    CWorldData* world = GetWorldData();
    if (!world) return;
    if (m_nScreen == 97 && item->level == kCountryLevel) {
        auto* country = reinterpret_cast<CCountry*>(item->data);
        for (int i = 0; i < world->GetCountryList().GetSize(); ++i)
            if (world->GetCountryList().GetAt(i) == country)
                if (CXEdit* field = FindEdit(kNationalityField)) {
                    field->SetText(country->GetNationalityName());
                    ShowNationalityNote(false);
                }
    } else if (m_nScreen == 90 && item->level == kClubLevel) {
        auto* club = reinterpret_cast<CClub*>(item->data);
        for (int i = 0; i < world->GetClubList().GetSize(); ++i)
            if (world->GetClubList().GetAt(i) == club) OnClubChosen(club, i);
    }
}

// --- the club choice (90) ---

void COptionScreen::SetUpClubNegotiation() {
    NotifyToolboxState(false);
    if (CXStatic* help = FindLabel(30, 265)) help->SetTextId(497);
    if (CXStatic* name = FindLabel(30, 61)) name->SetTextId(605);
    for (int y : {140, 163, 186, 210})
        if (CXStatic* v = FindLabel(314, y)) v->SetTextId(485);
    if (CXButton* ok = FindButton(10192)) ok->Enable(false);
    if (CXButton* cancel = FindButton(10193)) cancel->Enable(true);
}

void COptionScreen::OnClubChosen(CClub* club, int index) {
    m_pChosenClub = club;
    m_nChosenClub = index;
    if (CXStatic* name = FindLabel(30, 61)) name->SetText(club->GetName());
    if (CXStatic* v = FindLabel(314, 140)) v->SetText(club->GetStadiumName());
    if (CXStatic* v = FindLabel(314, 163)) v->SetText(std::to_string(club->GetStadiumCapacity()));
    if (CXStatic* v = FindLabel(314, 186)) v->SetText(club->FormatBankBalance());
    if (CXStatic* v = FindLabel(314, 210))
        v->SetText(club->GetYearFounded() > 0 ? std::to_string(club->GetYearFounded()) : platform::LoadString(19999));
    CXButton* ok = FindButton(10192);
    CXButton* cancel = FindButton(10193);
    if (ok) ok->Enable(true);
    if (cancel) cancel->Enable(true);
    // The join needs terms on offer.
    if (club->GetManagerWage() <= 0) club->RenewManagerTerms();
    if (SetupSlot() > 0 && club->GetManagerKind() == 1) {
        if (CXStatic* help = FindLabel(30, 265)) help->SetTextId(490);
        if (CXStatic* name = FindLabel(30, 61)) name->SetTextId(605);
        for (int y : {140, 163, 186, 210})
            if (CXStatic* v = FindLabel(314, y)) v->SetTextId(485);
        if (ok) ok->Enable(false);
        if (cancel) cancel->Enable(false);
        m_pChosenClub = nullptr;
        m_nChosenClub = -1;
        return;
    }
    if (CXStatic* help = FindLabel(30, 265)) help->SetTextId(497);
}

void COptionScreen::OnClubNegotiationOk() {
    CWorldData* world = GetWorldData();
    if (!world || !m_pChosenClub || m_nChosenClub < 0) return;
    const int slot = SetupSlot();
    CHumanManager* user = world->GetUserList().GetAt(slot);
    CManager* human = user ? user->GetManager() : nullptr;
    if (!human) return;
    CClub& club = *m_pChosenClub;
    const int32_t today = world->GetClock().GetDays();
    // The join refreshes the country's job markets: it must be followed first.
    if (CCountry* country = club.GetCountry(); country && !country->IsFollowed()) country->Activate();
    // The club's computer manager makes room, unemployed and without news.
    if (club.HasManager())
        if (CManager* old = world->GetManagerList().GetAt(club.GetManager()); old && old != human) {
            old->LeaveClub(today);
            club.ClearManager();
        }
    if (club.GetManagerWage() <= 0) club.RenewManagerTerms();
    club.SetManagerTerms(club.GetManagerWage(), kContractYears);
    human->JoinClub(m_nChosenClub, club);
    club.SetManager(user->GetManagerIndex());
    club.PrepareForNewHumanManager();
    user->NewContacts(club);  // the hubs' chairman, directors and secretaries
    world->SetCurrentUser(slot);
    club.ProcessWeeklyAccounts();
    club.GiveOutOfContractPlayersContracts();
    const PhotofitFace& f = EditedFace();
    CFace& face = human->Person().Face();
    face.SetRace(unsigned(f.skin));
    face.SetEye(unsigned(f.eyes));
    face.SetMouth(unsigned(f.mouth));
    face.SetNose(unsigned(f.nose));
    face.SetBeard(unsigned(f.beard));
    face.SetNinth(unsigned(f.back));
    face.SetColour(unsigned(f.hairColour));
    face.SetChin(unsigned(f.chin));
    face.SetHair(unsigned(f.hairStyle));
    OpenSetUpPage(61);
}

void COptionScreen::OnClubNegotiationCancel() {
    CWorldData* world = GetWorldData();
    if (!world) return;
    const int slot = SetupSlot();
    CHumanManager* user = world->GetUserList().GetAt(slot);
    if (user && user->HasManager()) {
        world->SetCurrentUser(slot);
        const int index = user->GetManagerIndex();
        if (CManager* m = user->GetManager()) m->LeaveClub(world->GetClock().GetDays());
        world->GetManagerList().RemoveAt(index);
        user->SetManager(-1);
    }
    OpenSetUpPage(97);
}

// --- Manager Confirmation (61) ---

void COptionScreen::SetUpConfirmation() {
    NotifyToolboxState(false);
    CWorldData* world = GetWorldData();
    if (!world || GetListCount() < 1) return;
    CListControl& list = GetList(0);
    list.m_bSelectable = 1;
    for (int slot = 0; slot < CUserList::kSlots; ++slot) {
        CHumanManager* user = world->GetUserList().GetAt(slot);
        CManager* m = user ? user->GetManager() : nullptr;
        if (!m) continue;
        const int row = list.AddRow(m->GetName(), 0, static_cast<uintptr_t>(slot), 0);
        // Light rows on the page's dark panel; the chosen one turns red.
        list.SetRowColour(row, platform::gfx::RGB(255, 255, 255));
        list.SetItem(row, 1, std::to_string(m->Person().GetAge()));
        const CClub* club = user->GetClub();
        list.SetItem(row, 2, club ? club->GetName() : std::string());
    }
    if (list.GetRowCount() > 0) {
        list.SetSelection(0);
        ShowConfirmationRow(0);
    }
    if (CXButton* add = FindButton(21511)) add->Enable(g_SetupState.managerCount < kManagerSlotCount);
}

void COptionScreen::ShowConfirmationRow(int row) {
    CWorldData* world = GetWorldData();
    if (!world || GetListCount() < 1 || row < 0 || row >= GetList(0).GetRowCount()) return;
    const int slot = static_cast<int>(GetList(0).GetItemData(row));
    CHumanManager* user = world->GetUserList().GetAt(slot);
    CManager* m = user ? user->GetManager() : nullptr;
    if (!m) return;
    const PhotofitFace& f = g_SetupState.managerFaces[static_cast<size_t>(slot)];
    AddFaceOverlay(0, false, kFaceX, kFaceY, f.skin, f.hairColour, f.hairStyle, f.eyes, f.nose, f.chin, f.mouth,
                   f.beard, -1);
    if (CXStatic* l = FindLabel(30, 100)) l->SetText(platform::StrPrintf("%s (%d)", m->GetName().c_str(), m->Person().GetAge()));
    const CCountry* country = world->GetCountry(m->Person().GetCountry());
    if (CXStatic* l = FindLabel(30, 127)) l->SetText(country ? std::string(country->GetNationalityName()) : "");
    const CClub* club = user->GetClub();
    if (CXStatic* l = FindLabel(30, 153))
        l->SetText(platform::FormatMessageId(1177, {club ? club->GetName() : std::string(),
                                                   std::to_string(m->Person().GetContractYears())}));
    Invalidate(false);
}

void COptionScreen::OnListClick(CListControl* list, int row, int column) {
    if (m_nScreen == 61 && row >= 0) {
        ShowConfirmationRow(row);
        return;
    }
    CScreensInfo::OnListClick(list, row, column);
}

void COptionScreen::OnAddManager() {
    if (g_SetupState.managerCount >= kManagerSlotCount) {
        UserMessageBox(23008, MB_OK | MB_ICONWARNING, -1);
        return;
    }
    CWorldData::SelectedUserSlot() = g_SetupState.managerCount;
    ++g_SetupState.managerCount;
    OpenSetUpPage(97);
}

void COptionScreen::OnDeleteManager() {
    CWorldData* world = GetWorldData();
    if (!world || GetListCount() < 1) return;
    CListControl& list = GetList(0);
    const int row = list.GetCurSel();
    if (row < 0 || row >= list.GetRowCount()) return;
    const int slot = static_cast<int>(list.GetItemData(row));
    CHumanManager* user = world->GetUserList().GetAt(slot);
    if (!user || !user->HasManager()) return;
    world->SetCurrentUser(slot);
    const int index = user->GetManagerIndex();
    if (CClub* club = user->GetClub()) club->ClearManager();
    if (CManager* m = user->GetManager()) m->LeaveClub(world->GetClock().GetDays());
    world->GetManagerList().RemoveAt(index);
    user->SetManager(-1);
    // The faces move with their slots, as the users do.
    std::array<PhotofitFace, kManagerSlotCount> faces = g_SetupState.managerFaces;
    int next = 0;
    for (int i = 0; i < kManagerSlotCount; ++i)
        if (CHumanManager* u = world->GetUserList().GetAt(i); u && u->HasManager()) g_SetupState.managerFaces[next++] = faces[i];
    for (int i = 0; i < kManagerSlotCount; ++i)
        if (CHumanManager* u = world->GetUserList().GetAt(i); !(u && u->HasManager())) g_SetupState.managerFaces[next++] = faces[i];
    world->CompactUsers();
    int edited = SetupSlot();
    if (edited > 0) {
        --edited;
        if (g_SetupState.managerCount > 1) --g_SetupState.managerCount;
        CWorldData::SelectedUserSlot() = static_cast<uint8_t>(edited);
        world->SetCurrentUser(edited);
        OpenSetUpPage(61);
        return;
    }
    world->SetCurrentUser(0);
    OpenSetUpPage(97);
}

void COptionScreen::OnConfirmationOk() {
    CWorldData* world = GetWorldData();
    CScreenManager* manager = SetupManager(Parent());
    if (!world || !manager) return;
    g_bGameLoaded = 1;
    g_bGameInProgress = 1;
    // The first processing computes the week summary afresh.
    CTitleScreen::GetWeekSummary().valid = false;
    CWorldData::SelectedUserSlot() = 0;
    world->SetCurrentUser(0);
    if (auto* frame = dynamic_cast<CMainFrame*>(Ui::Get().MainWindow())) frame->UpdateStatusBar();
    if (CHumanManager* user = world->GetCurrentUser())
        if (CClub* club = user->GetClub()) manager->SelectTreeItem(reinterpret_cast<uintptr_t>(club), 0);
    g_nScreenId = 96;
    manager->SetScreen(MakePage(PageClass::Option), true, true, false, true, false);
}
