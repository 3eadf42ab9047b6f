#pragma once
// The game's message boxes: a drawn 510 x 300 box with an OK button, two to
// four question buttons, or paged help, optionally with a face or a trophy.
// They are the running program's answer to the model's message-box port.
#include <array>
#include <string>
#include <vector>

#include "platform/window/dialog.h"
#include "shell/photofit.h"
#include "soccerclasses/userport.h"
#include "ui/xbitmap.h"

class CUserMessageBoxDlg : public platform::win::Dialog {
public:
    static constexpr int kWidth = 510;
    static constexpr int kHeight = 300;

    explicit CUserMessageBoxDlg(std::string text);
    ~CUserMessageBoxDlg() override;

    // Shows the box over the main window; the box's own end code, -1 when it
    // could not be shown.
    int Run();

    const platform::win::Rect& GetTextRect() const { return m_TextRect; }
    const std::vector<platform::win::Rect>& GetButtonRects() const { return m_ButtonRects; }
    const std::vector<std::string>& GetButtonLabels() const { return m_Labels; }
    bool HasPicture() const { return m_bHasPicture; }
    const std::string& GetBackgroundName() const { return m_strBackground; }
    // The face drawn in the picture area, when the box shows a person.
    const PhotofitFace* GetFace() const { return m_bHasFace ? &m_Face : nullptr; }
    // The page of help text shown (the whole text for the other kinds).
    virtual std::string ShownText() const { return m_strText; }

    virtual void DrawMessage(platform::gfx::Canvas& dc);
    virtual void DrawBackground(platform::gfx::Canvas& dc);

protected:
    bool OnInitDialog() override;
    void OnPaint(const platform::win::PaintContext& pc) override;
    void OnLButtonDown(uint32_t flags, platform::win::Point pt) override;
    void OnLButtonUp(uint32_t flags, platform::win::Point pt) override;
    void OnKillFocus(platform::win::Window* next) override;
    void LayoutText();
    int ButtonAt(platform::win::Point pt) const;
    virtual void SetButtons() = 0;
    virtual void LoadBitmaps();
    virtual void Released(int button) = 0;
    virtual void DrawButtons(platform::gfx::Canvas& dc);

    std::string m_strText;
    platform::win::Rect m_TextRect, m_ShadowRect;
    bool m_bHasPicture = false;
    std::string m_strBackground;
    CXBitmap m_Background, m_Picture;
    std::vector<platform::win::Rect> m_ButtonRects;
    std::vector<std::string> m_Labels;
    std::vector<uint8_t> m_Pressed;
    std::vector<CXBitmap> m_Up, m_Down;
    bool m_bHadBusyCursor = false;
    int m_nTrophy = -1;
    bool m_bDivisionTrophy = true;
    PhotofitFace m_Face;
    bool m_bHasFace = false;

    friend int ShowUserMessageBox(const MessageBoxRequest& request);
};

class COkayUserMessageBoxDlg : public CUserMessageBoxDlg {
public:
    using CUserMessageBoxDlg::CUserMessageBoxDlg;

protected:
    void SetButtons() override;
    void Released(int button) override;
    void OnOK() override { EndDialog(1); }
    void OnCancel() override {}  // Escape does nothing here
    void OnLButtonDown(uint32_t flags, platform::win::Point pt) override;
    void DrawButtons(platform::gfx::Canvas& dc) override;
    bool m_bEnabled = true;
};

class CYesNoUserMessageBoxDlg : public CUserMessageBoxDlg {
public:
    CYesNoUserMessageBoxDlg(std::string text, std::vector<std::string> labels);

protected:
    void SetButtons() override;
    void Released(int button) override { EndDialog(button + 1); }
    void OnOK() override { EndDialog(1); }
    void OnCancel() override { EndDialog(2); }
};

class CHelpUserMessageBoxDlg : public CUserMessageBoxDlg {
public:
    static constexpr int kMaxPages = 20;
    CHelpUserMessageBoxDlg(unsigned firstId, int count);

    int GetPageCount() const { return static_cast<int>(m_Pages.size()); }
    int GetPage() const { return m_nPage; }
    std::string ShownText() const override;
    // Cuts a text into pages of under 206 pixels in the help font and area.
    static std::vector<std::string> MakePages(const std::string& text, int width);

protected:
    void SetButtons() override;
    void LoadBitmaps() override;
    void Released(int button) override;
    void OnOK() override { EndDialog(1); }
    void OnCancel() override { EndDialog(2); }
    void DrawButtons(platform::gfx::Canvas& dc) override;

private:
    std::vector<std::string> m_Pages;
    int m_nPage = 0;
};

// Shows the box a request asks for and returns the standard answer.
int ShowUserMessageBox(const MessageBoxRequest& request);
// What a box answers when it cannot be shown.
int AnswerWhenNotShown(unsigned type);
