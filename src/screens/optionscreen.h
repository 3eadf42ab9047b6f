#pragma once
// The options pages and the pages that start a game: the Options hub (98),
// Game Options (6), the start page of a game (96), Manager Selection (111)
// and the new-manager set-up: Manager Generation (97), the club choice (90)
// and Manager Confirmation (61).
#include <cstdint>
#include <memory>
#include <string>

#include "shell/photofit.h"
#include "shell/screensinfo.h"
#include "ui/xspinedit.h"

class CClub;
class CCountry;
class CWorldData;
class CXButton;
class CXEdit;
class CXStatic;

class COptionScreen : public CScreensInfo {
public:
    COptionScreen();
    ~COptionScreen() override;

    void Initialise() override;
    void Show() override;
    void Close() override;
    PageFactory GetPageFactory() const override;
    bool OnCommand(uint32_t id, uint32_t code, platform::win::Window* control) override;
    void OnTreeSelect(const TreeNotice* item) override;
    void OnParentNotify(uint32_t event, platform::win::Point pt) override;
    void OnLButtonDown(uint32_t flags, platform::win::Point pt) override;
    void OnListClick(CListControl* list, int row, int column) override;
    bool GetToolTipText(int index, std::string& text) override;

    int GetScreen() const { return m_nScreen; }
    CXButton* FindButton(uint32_t id);
    CXStatic* FindLabel(int x, int y);
    CXEdit* FindEdit(uint32_t id);
    CXSpinedit& GetAgeField() { return m_AgeField; }
    // The face being edited: the edited slot's face record.
    static PhotofitFace& EditedFace();
    const CClub* GetChosenClub() const { return m_pChosenClub; }

    // Brings a face read from the profile into range: a skin outside 0-4
    // becomes 0, the other features wrap; a beard of 4 stays.
    static PhotofitFace NormaliseFace(PhotofitFace face);
    // One face step of the set-up page (a stepper's command id); false for
    // any other id.
    static bool StepFace(PhotofitFace& face, uint32_t command);
    // The race, colour and length rules after a change of one of them.
    static void ApplyFaceRules(PhotofitFace& face);
    // The age shown for a stored text: 35 unless it is a number from 6 to 65.
    static int AgeFromProfile(const std::string& text);
    // The world's country whose nationality word is `text`, or null.
    static CCountry* FindNationality(CWorldData& world, const std::string& text);
    // The checks of "OK" on Manager Generation, in order: 0 when all pass,
    // else the text of the refusal (582, 477, 478, 476).
    static unsigned CheckManagerEntry(CWorldData& world, const std::string& name, int age,
                                      const std::string& nationality);

private:
    void ShowGameOptions();
    void ShowStartPage();
    void ShowManagerSelection();
    void SelectManagerSlot(int slot);
    void SetUpManagerGeneration();
    void SetUpClubNegotiation();
    void SetUpConfirmation();
    void ShowConfirmationRow(int row);
    void RedrawFace();
    void ShowFaceChoices();
    void OnManagerGenerationOk();
    void ShowNationalityNote(bool typing);
    void OnClubChosen(CClub* club, int index);
    void OnClubNegotiationOk();
    void OnClubNegotiationCancel();
    void OnAddManager();
    void OnDeleteManager();
    void OnConfirmationOk();
    void OnLoadGame();
    void OnSaveGame();
    void OnNewGame();
    void SetCurrencyControls();
    // Opens a new options page as `screen`, as the set-up pages are shown:
    // not recorded, beside the tree, with the tool bar off.
    void OpenSetUpPage(int screen);

    int m_nScreen = -1;
    CXSpinedit m_AgeField;
    CClub* m_pChosenClub = nullptr;
    int m_nChosenClub = -1;
    uint8_t m_bLoadedBefore = 0;
};

void RegisterOptionScreen();
