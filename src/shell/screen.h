#pragma once
// The base of every page: a 788 x 550 child of the screen area that composes
// its picture off screen (background, then what the widgets draw over it)
// and copies it to the window. Widgets draw through its messages: 0x5FB
// hands out the work buffer, 0x5F8 restores the background under a
// rectangle, 0x600 closes the drawing.
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/gfx/canvas.h"
#include "platform/gfx/font.h"
#include "platform/gfx/surface.h"
#include "platform/window/video.h"
#include "shell/archive.h"
#include "shell/flcplayer.h"
#include "shell/surfacewidgets.h"
#include "shell/history.h"
#include "shell/pageparams.h"
#include "shell/screenglobals.h"
#include "soccerclasses/matchtime.h"
#include "ui/xbitmap.h"
#include "ui/xwnd.h"

class CKits;
class CListControl;
class CManager;
class CXButton;
struct TreeNotice;

// A picture drawn over the page's background, keyed; later ones on top.
struct OverlayBitmap {
    CXBitmap bitmap;
    int x = 0, y = 0;
    uint8_t hidden = 0;
};

// A line drawn over the page after the overlays.
struct LineRecord {
    platform::gfx::ColourRef colour = 0;
    int width = 1;
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    uint8_t hidden = 0;
};

// The six small pictures shown over the page after every paint.
enum PictureSlot : int {
    kSlotKit = 0,
    kSlotBadge = 1,
    kSlotFace = 2,
    kSlotEurope = 3,  // Europe or the rest of the world
    kSlotFlag = 4,
    kSlotTrophy = 5,
    kPictureSlotCount = 6,
};
// Where each slot's picture goes on the page, and its size.
platform::win::Rect PictureSlotRect(int slot);

// The kinds of picture a tree item or list row shows beside the title.
enum ContextKind : int {
    kContextWorld = 0,
    kContextFederation = 1,
    kContextCountry = 2,
    kContextDivision = 3,
    kContextClub = 4,
};

// What a page is asked to print: the page of the job (from 1).
struct PrintInfo {
    int page = 1;
    int pageCount = 1;
};

// The four numbers of the archive record a page found last, kept for the
// loader that follows the lookup.
struct ArchiveBitmapState {
    uint32_t packed = 0;
    uint32_t offset = 0;
    uint32_t storedSize = 0;
    uint32_t unpackedSize = 0;
};

// The match states the banner knows (the match-day page sets them).
enum MatchBannerState : int {
    kBannerNone = 0,
    kBannerPaused = 1,
    kBannerHalfTime = 2,
    kBannerFullTime = 3,
    kBannerInjury = 4,
    kBannerPenalty = 5,
    kBannerExtraTime = 6,
    kBannerShootout = 7,
    kBannerFullTimeAet = 8,
};

class CScreen : public CXWnd {
public:
    // The page's own timer. The game cannot run on without it: the user is
    // told ("No more timers available") and the program quits; 0 then.
    uint32_t StartPageTimer(uint32_t id, uint32_t intervalMs);
    static constexpr int kWidth = 788;
    static constexpr int kHeight = 550;

    CScreen();
    ~CScreen() override;

    // Created over the parent's client, disabled until Enable.
    virtual bool Create(platform::win::Window* parent);
    virtual void Initialise() {}
    virtual void Show() { platform::win::Window::Show(true); }
    virtual void Enable() { platform::win::Window::Enable(true); }
    // Kills the page's timers, releases its pictures and buffers; the page
    // is destroyed next.
    virtual void Close();
    // The navigator tree's notices, passed on by the screen manager.
    virtual void OnTreeSelect(const TreeNotice* /*item*/) {}
    virtual void OnTreeNotify1(const TreeNotice* /*item*/) {}
    virtual void OnTreeNotify2(const TreeNotice* /*item*/) {}
    // The view's print commands: the page draws itself on the printer canvas.
    virtual void Print(platform::gfx::Canvas* /*dc*/, PrintInfo* /*info*/) {}
    // The ambient spots run on the page's timer 4; pages with timers of
    // their own pass on the ids they do not handle.
    virtual void OnTimerTick(uint32_t id);
    // The state a history entry keeps of the page (who or what it shows, by
    // identity); -1 when the page keeps nothing.
    virtual int GetHistoryParams(HistoryState* /*block*/) { return -1; }
    virtual void SetHistoryParams(const HistoryState* /*block*/) {}
    // What the screen manager's opener gives the page, before it is created.
    virtual void SetPageParams(const PageParams& /*params*/) {}
    // The states the page's help context depends on (the modes it knows).
    virtual void GetHelpModes(HelpModes& /*modes*/) const {}
    virtual int HasGraph() { return 0; }
    virtual void GetHeadings(std::string& /*title*/, std::string& /*heading1*/, std::string& /*heading2*/,
                             std::string& /*heading3*/) {}
    virtual void DrawContent(platform::gfx::Canvas* /*dc*/) {}

    // The factory that makes a page of this class again (for the history).
    virtual PageFactory GetPageFactory() const { return nullptr; }

    const std::string& GetTitle() const { return m_strTitle; }
    void SetTitle(const std::string& title) { m_strTitle = title; }

    // --- overlays and lines, drawn over the background in order ---
    // Appends a visible overlay (also when the picture is missing, so the
    // indexes the page counts on stay); its index.
    int AddOverlayBitmap(const std::string& name, int x, int y);
    void SetOverlayBitmap(const std::string& name, int x, int y, int index);
    void ShowOverlayBitmap(int index, bool show);
    void ShowAllOverlayBitmaps(bool show);
    // Removes the overlays from `index` on, and every line.
    void RemoveOverlayBitmapsFrom(int index);
    int GetOverlayCount() const { return static_cast<int>(m_Overlays.size()); }
    const OverlayBitmap* GetOverlay(int index) const;
    int AddLine(int x1, int y1, int x2, int y2, platform::gfx::ColourRef colour, int width);
    void ShowLine(int index, bool show);
    void ShowAllLines(bool show);
    int GetLineCount() const { return static_cast<int>(m_Lines.size()); }
    const LineRecord* GetLine(int index) const;

    // --- the six picture slots ---
    // The slot's surface, or null when nothing is present.
    platform::gfx::Surface* GetPictureSurface(int slot) const;
    bool IsPicturePresent(int slot) const;
    // Takes the surface into the slot (replacing what was there).
    void SetPictureSurface(int slot, std::unique_ptr<platform::gfx::Surface> surface);
    void ReleasePictureSurface(int slot);
    // Loads an archived picture into the slot; false when it cannot.
    bool LoadPictureSurface(int slot, const std::string& path);

    // --- context pictures (a tree item or list row beside the title) ---
    // `data` is the item's model object as the tree carries it; `mode` 1
    // marks a competition item.
    void ShowContextPicture(int kind, uintptr_t data, bool releaseFirst, int mode);
    void ShowFlagPicture(int n);
    void ShowCupTrophy(int n);
    void ShowDivisionTrophy(int n);
    // --- kits (a club's kit bytes recoloured onto the pattern pictures) ---
    // The size-kind flags: dimmed, tiny (22 px), full (128 px, with shorts
    // on the highlight); neither size flag gives the small 32-px kit.
    enum KitFlags : int { kKitDimmed = 1, kKitTiny = 2, kKitFull = 4 };
    // Builds the kit into `surface` (replacing it).
    void BuildKitSurface(std::unique_ptr<platform::gfx::Surface>& surface, int flags, const CKits& kit);
    // The club's (a CClub, as the tree carries it) home kit at full size in
    // the kit slot, or in the second club-picture slot.
    virtual void BuildClubKitSurface(uintptr_t club);
    void BuildSecondKitSurface(uintptr_t club);
    // Releases the slot; with `repaint` its rectangle is drawn again at once.
    void ReleaseKitSurface(bool repaint);
    void ReleaseSecondKitSurface(bool repaint);
    // n entries of blue, green, red, reserved from the colour down, each
    // step a further n-th of it; nothing for n below 1.
    static void BuildColourRamp(uint8_t* table, double red, double green, double blue, int n);
    // Prints the 128-px kit through the shirt mask: every pixel that is not
    // black, at (x + column, -(y + row)) of the printing canvas.
    int PrintKitWithMask(platform::gfx::Canvas* dc, int x, int y, platform::gfx::Surface* kit);

    // --- faces ---
    // A face as page overlays at (x, y): a photo when `photo` is not 0, else
    // its layers (the back only when `back` is not -1). Unless `keep`, the
    // page's overlays are removed first.
    void AddFaceOverlay(int photo, bool keep, int x, int y, int race, int colour, int hair, int eyes, int nose,
                        int chin, int mouth, int beard, int back);
    // The same face on the page's face picture, built on the face frame.
    void BuildFaceSurface(int x, int y, int photo, int race, int colour, int hair, int eyes, int nose, int chin,
                          int mouth, int beard, int back);
    // A manager's face on the given surface (the match-day page's panels);
    // a missing manager gets the bare frame.
    void BuildManagerFaceSurface(int photo, const CManager* manager,
                                 std::unique_ptr<platform::gfx::Surface>& surface);

    // --- video, in a child window of the page, on the layer's clock ---
    // Plays the clip (the caller's reader of `path`), centred on the page.
    bool PlayVideo(const std::string& path, std::unique_ptr<platform::win::ClipSource> clip);
    // 1 when the video has stopped (its window is then closed), 0 while it plays.
    int CheckVideoFinished();
    void StopVideo();
    bool IsVideoPlaying() const { return m_bVideoPlaying != 0; }

    // --- the tool bar, through the screen manager ---
    void EnableToolboxButton(int index, bool enable);
    void NotifyToolboxState(bool enable);

    // --- ambient sound ---
    void StartAmbientSound();
    void PauseAmbientSound();
    void ResumeAmbientSound();
    uint32_t GetAmbientTimer() const { return m_nAmbientTimer; }
    int GetAmbientCountdown() const { return m_nAmbientCountdown; }
    bool IsAmbientPaused() const { return m_bAmbientPaused != 0; }

    // --- archived pictures ---
    // 0 when the entry exists; `entry` then names it and the page keeps its
    // record's numbers. 1 when the archive or the entry is unknown.
    int OpenArchiveEntry(std::string_view path, ArchiveEntryRef& entry);
    // An 8-bit picture: its palette (256 entries of blue, green, red,
    // reserved; the file's n entries, the rest left as they were) and its
    // rows, top row first, width bytes each. 0 on success, 1 on failure,
    // reported to the user once per path.
    int LoadBitmap8(std::string_view path, uint8_t* palette, std::vector<uint8_t>& pixels, int* width = nullptr,
                    int* height = nullptr);
    const ArchiveBitmapState& GetArchiveBitmapState() const { return m_ArchiveBitmap; }

    // --- surfaces ---
    // An archived 8- or 24-bit picture as a new surface in `surface`. 0 on
    // success; 1 when it cannot be found, read or held (`surface` unchanged).
    int BuildSurfaceFromBitmap(std::string_view path, std::unique_ptr<platform::gfx::Surface>& surface);
    // As BuildBitmapSurface, leaving the surface's pixel wherever the picture
    // holds the page's transparent animation index.
    void BuildMixBitmapSurface(const uint8_t* pixels, platform::gfx::Surface* surface, const uint8_t* palette,
                               int width, int height);
    // `destination` becomes a copy of `source`.
    void CopySurface(platform::gfx::Surface* source, std::unique_ptr<platform::gfx::Surface>& destination);

    // Blits to the page's window, in client coordinates, cut to its client.
    void BlitSurfaceToScreen(platform::gfx::Surface* surface, int x, int y);
    void BlitSurfaceRectToScreen(platform::gfx::Surface* surface, int x, int y, int w, int h);
    void BlitSurfaceToScreenKeyed(platform::gfx::Surface* surface, int x, int y, int w, int h);
    // Blits between surfaces, clipped to both. The keyed ones leave out the
    // transparent colour RGB(255, 0, 143), set as the source's key first.
    void BlitSurfaceToSurface(int x, int y, platform::gfx::Surface* source, platform::gfx::Surface* destination);
    void CopySurfaceRect(int left, int top, int right, int bottom, platform::gfx::Surface* source,
                         platform::gfx::Surface* destination);
    void CopySurfaceRectTo(int x, int y, int w, int h, platform::gfx::Surface* source, int dx, int dy,
                           platform::gfx::Surface* destination);
    void BlitSurfaceKeyedAt(int x, int y, platform::gfx::Surface* source, platform::gfx::Surface* destination);
    void BlitSurfaceRectKeyed(int dx, int dy, int sx, int sy, int w, int h, platform::gfx::Surface* source,
                              platform::gfx::Surface* destination);
    void BlitSurfaceFastKeyed(int x, int y, platform::gfx::Surface* source, platform::gfx::Surface* destination);
    // Stretched into the rectangle at (x, y); note the height comes first.
    void BlitSurfaceKeyed(int x, int y, int h, int w, platform::gfx::Surface* source,
                          platform::gfx::Surface* destination);
    int FillSurfaceRect(platform::gfx::Surface* surface, int x, int y, int w, int h, int red, int green, int blue);

    // The match state's banner on the scratch surface, then the scratch
    // surface on the window (stretched over the page in the enlarged view).
    void DrawMatchStateBanner();

    // --- fonts and text on surfaces ---
    static constexpr int kPageFontCount = 6;
    void CreateFonts(platform::gfx::Surface* surface);
    void DeleteFonts();
    platform::gfx::FontRef GetPageFont(int index) const;
    void DrawShadowText(int font, unsigned align, platform::gfx::Surface* surface, const std::string& text, int x,
                        int y);
    void DrawShadowTextSz(int font, unsigned align, platform::gfx::Surface* surface, const char* text, int x,
                          int y);
    void DrawColourText(int font, unsigned align, platform::gfx::Surface* surface, const std::string& text, int x,
                        int y, int red, int green, int blue);
    void DrawColourTextSz(int font, unsigned align, platform::gfx::Surface* surface, const char* text, int x,
                          int y, int red, int green, int blue);
    void DrawClippedText(int width, int font, unsigned align, platform::gfx::Surface* surface,
                         const std::string& text, int x, int y, int red, int green, int blue);
    void DrawWrappedShadowText(int font, unsigned align, platform::gfx::Surface* surface, const std::string& text,
                               int x, int y, int width, int height);
    void DrawFramedRect(platform::gfx::Surface* surface, int x, int y, int w, int h, int red, int green, int blue);
    void DrawShareBar(platform::gfx::Surface* surface, int x, int y, int a, int b, int red1, int green1, int blue1,
                      int red2, int green2, int blue2);

    // --- surface widgets (buttons, scroll bars, tables, the edit field, the tip) ---
    void DrawSurfaceButtons(platform::gfx::Surface* surface, SurfaceButton* buttons, int count);
    // The button pressed (or released, with `onRelease`) at the point, or -1.
    int HitTestSurfaceButtons(SurfaceButton* buttons, int count, int x, int y, bool onRelease);
    // 1 when the point is over a button; its tip becomes the candidate, with
    // source id base + index.
    int HoverSurfaceButtons(SurfaceButton* buttons, int count, int x, int y, int sourceBase);
    void ReleaseSurfaceButtons(SurfaceButton* buttons, int count);
    void ClearCurrentSurfaceButton() { m_SurfaceWidgets.currentButton = -1; }
    int GetCurrentSurfaceButton() const { return m_SurfaceWidgets.currentButton; }
    void SetSurfaceTableCell(SurfaceTable& table, int column, int row, const std::string& text, int colourIndex);
    int TrackSurfaceTableHeaderTip(const SurfaceTable& table, int x, int y, int sourceBase);
    void BeginSurfaceTableEdit(SurfaceTable& table, const SurfaceScrollBar& bar, int column, int row);
    void DrawSurfaceEdit(platform::gfx::Surface* surface);
    // True when the field took the key.
    bool OnSurfaceEditKey(uint32_t key, uint32_t repeat, uint32_t flags, bool isCharacter);
    void TrackToolTip(int x, int y);
    int StepToolTip();
    void DrawToolTip(platform::gfx::Surface* surface);
    void ClearToolTipText();
    SurfaceWidgetState& SurfaceWidgets() { return m_SurfaceWidgets; }
    // The widgets' shared pictures, loaded once for the whole run; null
    // when the picture cannot be had.
    platform::gfx::Surface* SharedPicture(const std::string& path);

    // --- the animation player ---
    // Takes the next clip that opens (filling an empty queue from the
    // pending substitutions or the extra clip first): 0, or -1 when none.
    int StartFlcClip();
    // Opens a clip and shows its first frame; false when it cannot be had.
    bool OpenFlc(const std::string& path);
    // -1 while the clip goes on; at its end the finished clip's number when
    // another started, else that number plus 1,000.
    int NextFlcFrame();
    void CloseFlc(bool resetQueue);
    // False (and nothing queued) when the queue already holds 79 clips.
    bool PushFlcEvent(int clip, int side);
    int GetFlcClipKind(int clip) const;
    void SetFlcMatch(CMatchPlay* match) { m_Flc.match = match; }
    // A substitution to show when the queue runs dry; false when the list is full.
    bool AddFlcSubstitution(int flags, int position);
    void SetFlcInjury(bool injury) { m_Flc.injury = injury ? 1 : 0; }
    // The clip shown when nothing else is queued; side -1 asks the engine.
    void SetFlcExtraClip(int clip, int side = -1);
    void ReadFlcPalette(int componentKind, const uint8_t* data, size_t size);
    bool DecodeFlcBrun(const uint8_t* data, size_t size, uint8_t* frame, int width, int height);
    bool DecodeFlcDelta(const uint8_t* data, size_t size, uint8_t* frame, int width, int height);
    void ConvertFlcPalette(const uint8_t* clipPalette, uint8_t* converted);
    const FlcPlayerState& FlcState() const { return m_Flc; }
    FlcPlayerState& FlcState() { return m_Flc; }

    // The page's animation and match fields the drawing reads; the
    // animation player and the match-day page set them.
    int m_nTransparentIndex = -1;  // palette index of an animation frame's see-through pixels
    int m_nMatchState = kBannerNone;
    uint8_t m_bEnlargedView = 0;
    int m_nMatchMinute = 0;
    std::array<std::string, 4> m_strBanner;  // two "%s %s" lines of the enlarged view

    void SetBackground(const std::string& name);
    const std::string& GetBackgroundName() const { return m_strBackground; }
    // Background into the work buffer.
    void RebuildWorkBuffer();
    // Composes, then shows (the wipe only with the "Fade" option on).
    void Repaint(int wipe);
    // The two halves of Repaint, for the page switch.
    void RepaintHidden();
    void RepaintWithWipe(int wipe);
    int GetWipeMode() const { return m_nWipeMode; }
    // The strips a wipe copies, in order (mode 0: the whole page at once).
    // Together they cover every pixel of the page exactly once.
    static std::vector<platform::win::Rect> WipeStrips(int mode, int width, int height);

    // A click or release a list passed back to its page.
    virtual void OnListClick(CListControl* /*list*/, int /*row*/, int /*column*/) {}
    CListControl* GetListUnderMouse() const;

    const platform::gfx::Surface& GetWorkBuffer() const { return m_Work; }
    const platform::gfx::Surface& GetBackBuffer() const { return m_Back.GetSurface(); }
    CXButton* GetHoveredButton() const { return m_pHoveredButton; }
    // The button under a point of the page, invisible ones skipped.
    CXButton* ButtonAtPoint(int x, int y);

protected:
    void OnPaint(const platform::win::PaintContext& pc) override;
    void OnTimer(uint32_t id) override { OnTimerTick(id); }
    void OnMouseMove(uint32_t flags, platform::win::Point pt) override;
    void OnLButtonDown(uint32_t flags, platform::win::Point pt) override;
    void OnLButtonUp(uint32_t flags, platform::win::Point pt) override;
    void OnRButtonDown(uint32_t flags, platform::win::Point pt) override;
    void OnRButtonDblClk(uint32_t flags, platform::win::Point pt) override;
    void OnRButtonUp(uint32_t flags, platform::win::Point pt) override;
    void OnChar(uint8_t ch, uint32_t repeatCount) override;
    void OnKeyDown(uint32_t vk, uint32_t repeatCount, intptr_t flags) override;
    intptr_t OnNotify(uintptr_t w, intptr_t l) override;
    void OnDestroy() override;
    intptr_t OnMessage(uint32_t msg, uintptr_t w, intptr_t l) override;

public:
    // Pages that draw themselves through surfaces (match day, kit, tactics,
    // title, training): the paint does no copying, only the focus.
    uint8_t m_bDirectDrawPage = 0;
    // What a history entry gave the page back: its value and sub-value (set
    // flag first), and its calendar position.
    uint8_t m_bHistoryValueSet = 0;
    intptr_t m_nHistoryValue = 0;
    uint8_t m_nHistorySubValue = 255;
    CMatchTime m_HistoryTime;

protected:
    uint32_t m_nAnimationTimer = 0;
    uint32_t m_nThirdTimer = 0;
    uint32_t m_nAmbientTimer = 0;
    int m_nAmbientCountdown = 0;
    uint8_t m_bAmbientPaused = 0;
    int m_nWipeMode = 0;
    uint8_t m_bShow = 1;

private:
    void LoadBackground();
    void DrawOverlaysAndLines();
    void DrawPictureSlots();
    void StopHover();
    void CopyToWindow(const platform::win::PaintContext& pc);
    // Passes a mouse message to a child, the point mapped into it.
    void Relay(platform::win::Window* child, uint32_t msg, uint32_t flags, platform::win::Point pt);
    // Copies `from` of a surface into the window's picture at the client
    // rectangle `to` (stretched when the sizes differ), cut to the client.
    void PresentToWindow(const platform::gfx::Surface& source, const platform::win::Rect& from,
                         const platform::win::Rect& to, bool keyed);
    // A text in one colour, with the shadow first when asked.
    void DrawTextOnSurface(int font, unsigned align, platform::gfx::Surface* surface, std::string_view text, int x,
                           int y, platform::gfx::ColourRef colour, bool shadow);

    std::string m_strTitle;
    CXBitmap m_Back;
    platform::gfx::Surface m_Work;
    std::vector<std::unique_ptr<OverlayBitmap>> m_Overlays;
    std::vector<LineRecord> m_Lines;
    struct PictureSlotRecord {
        std::unique_ptr<platform::gfx::Surface> surface;
        uint8_t present = 0;
    };
    std::array<PictureSlotRecord, kPictureSlotCount> m_Pictures;
    std::unique_ptr<platform::win::VideoWindow> m_pVideo;
    uint8_t m_bVideoPlaying = 0;
    // The canvases handed out by 0x5FB, innermost last; 0x600 closes one.
    std::vector<std::unique_ptr<platform::gfx::Canvas>> m_WorkDCs;
    std::string m_strBackground;
    ArchiveBitmapState m_ArchiveBitmap;
    std::array<platform::gfx::FontRef, kPageFontCount> m_Fonts;
    uint8_t m_bBackgroundDirty = 0;
    uint8_t m_bWorkBuilt = 0;
    CXButton* m_pHoveredButton = nullptr;
    platform::win::WindowHandle m_hListUnderMouse = 0;
    uint8_t m_bListPassedRightPress = 0;
    uint8_t m_bNoHover = 1;
    int m_nWidth = 0, m_nHeight = 0;
    SurfaceWidgetState m_SurfaceWidgets;
    FlcPlayerState m_Flc;
    // The player's steps.
    void FlcCueCheck();
    void FlcCountFrame();
    bool FlcFillQueue();
};

// A picture a loader could not give: the first time for a path the user is
// told in a box, later only the trace hears of it, so a page that paints a
// missing picture cannot raise a box at every paint.
void ReportPictureFailure(const char* format, std::string_view path);
// Forgets which paths were reported (a new session, tests).
void ForgetReportedPictures();
