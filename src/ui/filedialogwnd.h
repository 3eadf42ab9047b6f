#pragma once
// The game's own open and save dialog: a box like the message boxes over
// the page, with the folder's games in a list, a name field, and OK and
// Cancel. Clicking a game puts its name in the field; a folder opens; a
// double click on a game takes it. The platform's file dialog runs it once
// installed (InstallGameFileDialog).
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/gfx/surface.h"
#include "platform/window/dialog.h"
#include "platform/window/filedialog.h"
#include "ui/xbitmap.h"

class CListControl;
class CXEdit;

class CFileDialogWnd : public platform::win::Dialog {
public:
    static constexpr int kWidth = 510;
    static constexpr int kHeight = 300;
    static constexpr uint32_t kListId = 101;
    static constexpr uint32_t kNameId = 102;

    explicit CFileDialogWnd(platform::win::FileDialogRequest request);
    ~CFileDialogWnd() override;

    // Shows the dialog over the main window; the path chosen, nothing when
    // cancelled or when there is no window to show it in.
    std::optional<std::string> Run();

    // What OK does: the name in the field (else the selected game) as a
    // path; an open needs the game to exist. False, staying open, when the
    // name stands for nothing usable.
    bool Choose();
    // A click on row `row`: a game's name goes into the field, a folder opens.
    void ClickRow(int row);
    // The folder shown; its listing replaces the list's rows.
    void ShowFolder(const std::filesystem::path& folder);

    const std::filesystem::path& GetFolder() const { return m_Folder; }
    const std::vector<platform::win::FolderEntry>& GetEntries() const { return m_Entries; }
    CListControl* GetList() const { return m_pList.get(); }
    CXEdit* GetNameField() const { return m_pName.get(); }
    const platform::win::Rect& GetOkRect() const { return m_ButtonRects[0]; }
    const platform::win::Rect& GetCancelRect() const { return m_ButtonRects[1]; }

protected:
    bool OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override { EndDialog(2); }
    void OnPaint(const platform::win::PaintContext& pc) override;
    bool OnEraseBackground(const platform::win::PaintContext&) override { return true; }
    void OnLButtonDown(uint32_t flags, platform::win::Point pt) override;
    void OnLButtonUp(uint32_t flags, platform::win::Point pt) override;
    void OnLButtonDblClk(uint32_t flags, platform::win::Point pt) override;
    intptr_t OnMessage(uint32_t msg, uintptr_t w, intptr_t l) override;

private:
    void BuildBackground();
    void DrawButtons();
    int ButtonAt(platform::win::Point pt) const;

    platform::win::FileDialogRequest m_Request;
    platform::win::FileFilter m_Filter;
    std::filesystem::path m_Folder;
    std::vector<platform::win::FolderEntry> m_Entries;
    std::optional<std::string> m_Chosen;
    std::unique_ptr<CListControl> m_pList;
    std::unique_ptr<CXEdit> m_pName;
    // The background alone, and the picture the widgets draw into.
    platform::gfx::Surface m_Back, m_Work;
    std::vector<std::unique_ptr<platform::gfx::Canvas>> m_WorkDCs;
    CXBitmap m_Background, m_Button;
    platform::win::Rect m_ButtonRects[2];
    std::string m_Labels[2];
    int m_nPressed = -1;
};

// Runs the dialog for a request: a scripted headless answer waiting for the
// next dialog is taken as the user's choice, as without the dialog.
std::optional<std::string> RunGameFileDialog(const platform::win::FileDialogRequest& request);
// Makes the dialog the platform's file dialog, or puts the backend's back.
void InstallGameFileDialog(bool install);
