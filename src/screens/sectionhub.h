#pragma once
// The section hubs' common page: the staff who report on the section, the
// selected one's face and name, his advisor panel filled from the human
// manager's inbox by a table each hub gives, and the hub's section buttons
// that open its pages. The squad hub is the first; the news, club, finance,
// fixtures, information, manager and discipline hubs use the same class.
#include <cstdint>
#include <string>
#include <vector>

#include "shell/screenmanager.h"
#include "shell/screensinfo.h"
#include "soccerclasses/messagelines.h"
#include "ui/xmessagedisplay.h"

class CEmployee;
class CHumanManager;

// One inbox code the advisor is asked for, with the text its lines take.
struct HubAdvisorText {
    uint8_t code = 0;
    unsigned textId = 0;
};

// What one kind of staff shows. The first group is always asked; each later
// group only while nothing has been shown. When nothing was shown at all the
// fallback is asked (code 0: the hub's own AdvisorFallback runs instead).
struct HubAdvisorRule {
    uint8_t jobKind = 0;
    std::vector<std::vector<HubAdvisorText>> groups;
    HubAdvisorText fallback;
};

// A section button: its command (the control's id in the screen table), and
// the page class and screen it opens; most open only for a manager with a
// club, a page about the world at large opens for anyone.
struct HubSection {
    uint32_t command = 0;
    PageClass kind = PageClass::Count;
    int screen = 0;
    bool needsClub = true;
};

// Counts the lines an advisor gives while passing them to the panel.
class HubPanelLines : public CMessageLines {
public:
    explicit HubPanelLines(CXMessageDisplay* panel) : m_pPanel(panel) {}
    void AddLine(const std::string& line) override;
    int Count() const { return m_nLines; }
    const std::vector<std::string>& Lines() const { return m_Lines; }

private:
    CXMessageDisplay* m_pPanel;
    int m_nLines = 0;
    std::vector<std::string> m_Lines;
};

class CSectionHub : public CScreensInfo {
public:
    static constexpr int kFaceX = 39, kFaceY = 104;
    static constexpr int kNameX = 24, kNameY = 73;
    static constexpr platform::win::Rect kPanelRect{152, 109, 571, 221};
    static constexpr uint32_t kPanelId = 1064;
    static constexpr unsigned kNameFormat = 48001;  // "%1!s! - %2!s!"

    // The fallback rule every hub shares: ask the code; when the inbox
    // holds none, store one with empty texts and no id and ask again, so
    // the line stays from then on.
    static void AskFallback(CHumanManager& user, const HubAdvisorText& fallback, CMessageLines& lines);
    // Asks the rule's groups, then its fallback; false when the rule gave
    // nothing and names the hub's own fallback.
    static bool AskRule(CHumanManager& user, const HubAdvisorRule& rule, HubPanelLines& lines);

    CEmployee* GetAdvisor() const { return m_pAdvisor; }
    CXMessageDisplay& GetAdvisorPanel() { return m_AdvisorPanel; }
    // The hub's staff list and advisor-name label; null off a hub page.
    CListControl* GetStaffList();
    CXStatic* GetAdvisorLabel();
    // The advisor's lines as the panel got them on its last fill.
    const std::vector<std::string>& GetAdvisorLines() const { return m_AdvisorLines; }

    // Makes `e` the advisor and fills the panel again.
    void SelectAdvisor(CEmployee* e);
    // Runs a section command; true when `command` is one of the hub's.
    bool OpenSection(uint32_t command);

    void Show() override;
    void OnListClick(CListControl* list, int row, int column) override;

protected:
    // What each hub gives.
    virtual const std::vector<HubAdvisorRule>& AdvisorRules() const = 0;
    virtual const std::vector<HubSection>& Sections() const = 0;
    // The staff group the list shows (Part of the employee groups).
    virtual int StaffGroup() const = 0;
    // The tool-box button of the section, marked current while shown.
    virtual int ToolboxButton() const = 0;
    // The user's own staff join the list only while he is employed, unless
    // a hub asks for them always.
    virtual bool ListsOwnStaffAlways() const { return false; }
    // Whether the page now built is the hub (a class may serve other pages).
    virtual bool IsHubPage() const { return true; }
    // A kind whose rule names fallback code 0 reports here.
    virtual void AdvisorFallback(const CEmployee& /*advisor*/, CHumanManager& /*user*/, HubPanelLines& /*lines*/) {}

    // The hub's part of Initialise: the advisor panel and the staff list,
    // row 0 selected and its employee the advisor.
    void SetUpHub();
    // The face, the name label and the panel for the current advisor.
    void ShowAdvisor();
    // A right press on a hub's page: the employee menu over a staff row
    // while the manager is employed, else the menu of `page`'s group. A
    // press on a row comes back from the list relayed and shows its menu
    // there; the direct press then shows nothing more. A hub whose
    // OnRButtonDown calls this needs nothing else.
    void OnHubRightPress(uint32_t flags, platform::win::Point pt, int page);
    void OnLButtonDblClk(uint32_t flags, platform::win::Point pt) override;
    bool OnCommand(uint32_t id, uint32_t code, platform::win::Window* control) override;

private:
    CXMessageDisplay m_AdvisorPanel;
    CEmployee* m_pAdvisor = nullptr;
    std::vector<std::string> m_AdvisorLines;
    uint8_t m_bHubMenuShown = 0;
};

// Whether the current user's manager holds a club.
bool HubManagerEmployed();
