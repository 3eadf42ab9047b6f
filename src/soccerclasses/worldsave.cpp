// A saved game: the marker, the new game's country selection, a header, the
// clock, then every list's section in one fixed order, the markers between
// them guarding against a misaligned read.
#include <filesystem>
#include <string_view>

#include "platform/files.h"
#include "platform/stringtable.h"
#include "soccerclasses/charityshield.h"
#include "soccerclasses/clublist.h"
#include "soccerclasses/currency.h"
#include "soccerclasses/datafile.h"
#include "soccerclasses/federationcup.h"
#include "soccerclasses/friendlymatch.h"
#include "soccerclasses/gameflags.h"
#include "soccerclasses/playoff.h"
#include "soccerclasses/gamefile.h"
#include "soccerclasses/userport.h"
#include "soccerclasses/worlddata.h"

namespace {

constexpr unsigned kSaveFilterText = 403;
constexpr unsigned kSaveTitleText = 404;
constexpr unsigned kOverwriteText = 405;
constexpr unsigned kNotSavedText = 406;
constexpr unsigned kNotFoundText = 410;
constexpr unsigned kNotASaveText = 411;
constexpr unsigned kContinueCareerText = 412;
constexpr unsigned kSavingText = 938;
constexpr unsigned kLoadingText = 939;
constexpr const char* kSaveExtension = "qzs";
// The progress page's steps: the frame, then eleven sections.
constexpr int kSaveProgressSteps = 13;

// One section of the saved game: a marker before it or not, its list's
// save and load, and whether the progress page steps after it. A list
// whose section is not written yet has no functions; its place stays.
struct SavedSection {
    bool marker;
    void (*save)(const CWorldData&, FILE*);
    void (*load)(CWorldData&, FILE*);
    bool step;
};

CWorldData& Mutable(const CWorldData& w) { return const_cast<CWorldData&>(w); }

// Items 5 to 30 of the file, in their order.
const SavedSection kSections[] = {
    {true, nullptr, nullptr, false},  // 5
    {false, [](const CWorldData& w, FILE* f) { Mutable(w).GetFederationList().Save(f); },
     [](CWorldData& w, FILE* f) { w.GetFederationList().Load(f); }, false},  // 6
    {false, [](const CWorldData& w, FILE* f) { w.GetCountryList().Save(f); },
     [](CWorldData& w, FILE* f) { w.GetCountryList().Load(f); }, true},  // 7
    {true, nullptr, nullptr, false},   // 8
    {false, [](const CWorldData& w, FILE* f) { Mutable(w).GetFederationCupList().Save(f); },
     [](CWorldData& w, FILE* f) { w.GetFederationCupList().Load(f); }, true},  // 9
    {true, nullptr, nullptr, false},   // 10
    {false, [](const CWorldData& w, FILE* f) { Mutable(w).GetPlayerList().Save(f); },
     [](CWorldData& w, FILE* f) { w.GetPlayerList().Load(f); }, true},  // 11
    {true, nullptr, nullptr, false},  // 12
    {false, [](const CWorldData& w, FILE* f) { Mutable(w).GetManagerList().Save(f); },
     [](CWorldData& w, FILE* f) { w.GetManagerList().Load(f); }, true},  // 13
    {true, nullptr, nullptr, false},  // 14
    {false, [](const CWorldData& w, FILE* f) { Mutable(w).GetClubList().Save(f); },
     [](CWorldData& w, FILE* f) { w.GetClubList().Load(f); }, false},  // 15
    {false, [](const CWorldData& w, FILE* f) { Mutable(w).GetNonLeagueClubList().Save(f); },
     [](CWorldData& w, FILE* f) { w.GetNonLeagueClubList().Load(f); }, true},  // 16
    {true, nullptr, nullptr, false},   // 17
    {false, [](const CWorldData& w, FILE* f) { Mutable(w).GetUserList().Save(f); },
     [](CWorldData& w, FILE* f) { w.GetUserList().Load(f); }, false},  // 18
    {false, [](const CWorldData& w, FILE* f) { Mutable(w).GetInjuryList().Save(f); },
     [](CWorldData& w, FILE* f) { w.GetInjuryList().Load(f); }, false},  // 19
    {false, [](const CWorldData& w, FILE* f) { Mutable(w).GetContractClauseList().Save(f); },
     [](CWorldData& w, FILE* f) { w.GetContractClauseList().Load(f); }, true},  // 20
    {true, nullptr, nullptr, false},   // 21
    {false, [](const CWorldData& w, FILE* f) { Mutable(w).GetPlayOffList().Save(f); },
     [](CWorldData& w, FILE* f) { w.GetPlayOffList().Load(f); }, false},  // 22
    {true, nullptr, nullptr, false},   // 23
    {false, [](const CWorldData& w, FILE* f) { Mutable(w).GetCharityShieldList().Save(f); },
     [](CWorldData& w, FILE* f) { w.GetCharityShieldList().Load(f); }, false},  // 24
    {true, nullptr, nullptr, false},   // 25
    {false, [](const CWorldData& w, FILE* f) { Mutable(w).GetRefereeList().Save(f); },
     [](CWorldData& w, FILE* f) { w.GetRefereeList().Load(f); }, true},  // 26
    {true, nullptr, nullptr, false},  // 27
    {false, [](const CWorldData& w, FILE* f) { Mutable(w).GetDivisionList().Save(f); },
     [](CWorldData& w, FILE* f) { w.GetDivisionList().Load(f); }, true},  // 28
    {false, [](const CWorldData& w, FILE* f) { Mutable(w).GetFriendlyMatchList().Save(f); },
     [](CWorldData& w, FILE* f) { w.GetFriendlyMatchList().Load(f); }, true},  // 29
    {false, [](const CWorldData& w, FILE* f) { Mutable(w).GetStadiumList().Save(f); },
     [](CWorldData& w, FILE* f) { w.GetStadiumList().Load(f); }, true},  // 30
};
constexpr size_t kSectionCount = std::size(kSections);
// Item 27: the divisions, friendlies and stadiums of the file's end.
constexpr size_t kCompetitionSectionsFrom = kSectionCount - 4;

void StepSaveProgress() { GetUserPort().StepProgress(); }

void SaveSectionRange(const CWorldData& w, FILE* f, size_t from, size_t to, bool progress) {
    for (size_t i = from; i < to; ++i) {
        const SavedSection& s = kSections[i];
        if (s.marker) w.GetSaveMarker().Save(f);
        if (s.save) s.save(w, f);
        if (progress && s.step) StepSaveProgress();
    }
}

bool LoadSectionRange(CWorldData& w, FILE* f, size_t from, size_t to, bool progress) {
    for (size_t i = from; i < to && !GameFileDamaged(); ++i) {
        const SavedSection& s = kSections[i];
        if (s.marker && !LoadMarker(f, w.GetSaveMarker().c_str())) return false;
        if (s.load) s.load(w, f);
        if (progress && s.step) StepSaveProgress();
    }
    return !GameFileDamaged();
}

// The first check reads no more than the marker's four characters, whatever
// the length says.
bool ReadFirstMarker(FILE* f, const CExtString& marker) {
    const int32_t length = LoadInt32(f);
    std::string read;
    if (length == static_cast<int32_t>(marker.size())) {
        read.resize(marker.size());
        ReadGameFile(read.data(), read.size(), f);
    }
    return !GameFileDamaged() && read == marker.c_str();
}

std::string Extension(const std::string& path) {
    const std::string name = std::filesystem::path(path).filename().string();
    const size_t dot = name.rfind('.');
    return dot == std::string::npos ? std::string() : name.substr(dot + 1);
}

std::string SaveFolderPath() {
    std::error_code ec;
    const std::filesystem::path folder = platform::SaveFolder();
    std::filesystem::create_directories(folder, ec);
    return folder.string();
}

SaveFileRequest SaveDialogRequest(bool save) {
    SaveFileRequest r;
    r.save = save;
    r.folder = SaveFolderPath();
    r.filter = platform::LoadString(kSaveFilterText);
    r.title = platform::LoadString(save ? kSaveTitleText : kContinueCareerText);
    return r;
}

}  // namespace

void CWorldData::SaveSections(FILE* file) const { SaveSectionRange(*this, file, 0, kSectionCount, true); }

bool CWorldData::LoadSections(FILE* file) { return LoadSectionRange(*this, file, 0, kSectionCount, true); }

void CWorldData::SaveCompetitionSections(FILE* file) const {
    SaveSectionRange(*this, file, kCompetitionSectionsFrom, kSectionCount, false);
}

bool CWorldData::LoadCompetitionSections(FILE* file) {
    return LoadSectionRange(*this, file, kCompetitionSectionsFrom, kSectionCount, false);
}

bool CWorldData::ReadSavedGame(FILE* f) {
    bool ok = ReadFirstMarker(f, m_SaveMarker);
    ReadGameFile(m_CountrySelection.data(), m_CountrySelection.size(), f);
    m_HeaderString.Load(f);
    m_Clock.Load(f);
    StepSaveProgress();
    ok = ok && LoadSections(f) && LoadMarker(f, m_SaveMarker.c_str());
    StepSaveProgress();
    // Nothing may follow the closing marker.
    return ok && !GameFileDamaged() && GameFileBytesLeft() == 0;
}

bool CWorldData::SaveGame(const std::string& path) const {
    FILE* f = OpenGameFile(path, "wb");
    if (!f) {
        UserMessageBox(kNotSavedText, kBoxNotice, -1);
        return false;
    }
    GetUserPort().ShowProgress(kSaveProgressSteps, platform::LoadString(kSavingText), 0, 0);
    m_SaveMarker.Save(f);
    WriteGameFile(m_CountrySelection.data(), 1, m_CountrySelection.size(), f);
    m_HeaderString.Save(f);
    m_Clock.Save(f);
    StepSaveProgress();
    SaveSections(f);
    m_SaveMarker.Save(f);
    StepSaveProgress();
    // The old file is replaced only by a temporary one written in full.
    if (CloseGameFile(f) != kGameFileClosed) {
        UserMessageBox(kNotSavedText, kBoxNotice, -1);
        return false;
    }
    return true;
}

int CWorldData::LoadGame(const std::string& path) {
    // First look: the marker and the countries the game was played with.
    std::array<uint8_t, kCountrySelectionSize> selection{};
    {
        FILE* f = OpenGameFile(path, "rb");
        if (!f) {
            UserMessageBox(kNotFoundText, kBoxNotice, -1);
            return 0;
        }
        const bool marked = ReadFirstMarker(f, CExtString("BXQT"));
        if (marked) ReadGameFile(selection.data(), selection.size(), f);
        const bool ok = marked && !GameFileDamaged();
        CloseGameFile(f);
        if (!ok) {
            UserMessageBox(kNotASaveText, kBoxNotice, -1);
            return 0;
        }
    }
    // A fresh world of those countries takes the rest of the file; the
    // running one stays untouched until the whole file has read well.
    CWorldData* running = GetWorldData();
    const CurrencyDisplay display = GetCurrencyDisplay();
    std::unique_ptr<CWorldData> fresh;
    bool ok = false;
    try {
        fresh = std::make_unique<CWorldData>();
        SetWorldData(fresh.get());
        std::copy(selection.begin(), selection.end(), fresh->m_CountrySelection.begin());
        for (int stage = 0; stage <= 6; ++stage) fresh->NewGame(stage);
        FILE* f = OpenGameFile(path, "rb");
        if (f) {
            fresh->ShowProgress(kSaveProgressSteps, platform::LoadString(kLoadingText), 0, 0);
            ok = fresh->ReadSavedGame(f);
            ok = ok && std::equal(selection.begin(), selection.end(), fresh->m_CountrySelection.begin());
            ok = CloseGameFile(f) == kGameFileClosed && ok;
        }
    } catch (const DataFileError&) {
        ResetGameFileChannel();
        ok = false;
    }
    if (!ok) {
        SetWorldData(running);
        GetCurrencyDisplay() = display;
        fresh.reset();
        UserMessageBox(kNotASaveText, kBoxNotice, -1);
        return 0;
    }
    CWorldData* loaded = fresh.get();
    AdoptWorld(std::move(fresh));
    const int first = loaded->GetUserList().FindFirstWithManager();
    loaded->m_CurrentUser = first;
    SelectedUserSlot() = static_cast<uint8_t>(first < 0 ? 0 : first);
    if (first >= 0) GetUserPort().UpdateStatusBar();
    g_bGameInProgress = 1;
    g_bGameLoaded = 1;
    // The rolls of the game that ran before are never reused.
    g_bNewspaperRefresh = 1;
    return 1;
}

bool CWorldData::SaveGameDialog() const {
    for (;;) {
        std::string path;
        if (!GetUserPort().ChooseSaveFile(SaveDialogRequest(true), path)) return false;
        if (Extension(path) != kSaveExtension) path += std::string(".") + kSaveExtension;
        std::error_code ec;
        if (std::filesystem::exists(path, ec) &&
            UserMessageBoxEx(kOverwriteText, kBoxExYesNo, 0, "", "", "", -1, 1, -1, 1) == kAnswerNo)
            continue;
        return SaveGame(path);
    }
}

int CWorldData::ChooseSavedGame(std::string& path) {
    return GetUserPort().ChooseSaveFile(SaveDialogRequest(false), path) ? 1 : 0;
}

int CWorldData::LoadGameDialog() {
    SaveFileRequest request = SaveDialogRequest(false);
    request.defaultExt = kSaveExtension;
    std::string path;
    if (!GetUserPort().ChooseSaveFile(request, path)) return 0;
    if (Extension(path) != kSaveExtension) {
        UserMessageBoxText(platform::LoadString(kNotASaveText), kBoxNotice, -1);
        return 0;
    }
    return LoadGame(path);
}
