// The game's message boxes: every kind's answers, keys, layout, pictures,
// help pages and the busy cursor.
#include <gtest/gtest.h>

#include <functional>

#include "page_fixture.h"
#include "platform/stringtable.h"
#include "soccerclasses/person.h"
#include "ui/usermessagebox.h"

using namespace platform::win;

namespace {

class BoxTest : public uitest::PageTest {
protected:
    // Shows a box for `r` and lets `act` drive it once it is up.
    int Ask(MessageBoxRequest r, std::function<void(CUserMessageBoxDlg&)> act) {
        backend->SetEndWhenScriptDone(false);
        backend->OnModalShown([&, act] {
            auto* box = dynamic_cast<CUserMessageBoxDlg*>(Ui::Get().GetActiveWindow());
            ASSERT_NE(box, nullptr);
            seen = box;
            if (act) act(*box);
        });
        // A ticking timer keeps the virtual clock going inside the box's loop.
        const uint32_t tick = Ui::Get().StartPeriodicTimer(5, [] {});
        int answer = ShowUserMessageBox(r);
        Ui::Get().StopPeriodicTimer(tick);
        return answer;
    }
    void ClickButton(CUserMessageBoxDlg& box, size_t i) {
        const Rect b = box.GetButtonRects()[i];
        Point p = main.ScreenToClient(box.ClientToScreen(Point{b.left + 10, b.top + 10}));
        backend->Click(p, MouseButton::Left, 10);
    }
    static MessageBoxRequest Req(unsigned type, std::vector<std::string> buttons = {}) {
        MessageBoxRequest r;
        r.text = "Your chairman would like a word.";
        r.type = type;
        r.buttons = std::move(buttons);
        return r;
    }
    CUserMessageBoxDlg* seen = nullptr;
};

TEST_F(BoxTest, EveryKindAnswersItsButtons) {
    struct Case {
        unsigned type;
        std::vector<std::string> buttons;
        size_t button;
        int answer;
    };
    const std::vector<Case> cases = {
        {3, {}, 0, 6},      {3, {}, 1, 7},         {3, {"", "", "Later"}, 2, 2},
        {4, {}, 0, 6},      {4, {}, 1, 7},         {6, {"A", "B", "C", "D"}, 3, 9},
        {6, {"A", "B", "C", "D"}, 2, 2},           {0x30, {}, 0, 1},
        {0, {}, 0, 1},      {7, {}, 0, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.type) + "/" + std::to_string(c.button));
        int answer = Ask(Req(c.type, c.buttons), [&](CUserMessageBoxDlg& b) { ClickButton(b, c.button); });
        EXPECT_EQ(answer, c.answer);
    }
}

TEST_F(BoxTest, EnterAndEscapeByKind) {
    struct Case {
        unsigned type;
        uint32_t key;
        int answer;  // -2: the key does nothing (the OK button ends it then)
    };
    for (Case c : {Case{0, VK_RETURN, 1}, {0, VK_ESCAPE, -2}, {4, VK_RETURN, 6}, {4, VK_ESCAPE, 7},
                   {3, VK_ESCAPE, 7}, {6, VK_RETURN, 6}}) {
        SCOPED_TRACE(std::to_string(c.type) + " key " + std::to_string(c.key));
        int answer = Ask(Req(c.type), [&](CUserMessageBoxDlg& b) {
            backend->Key(c.key, 10);
            if (c.answer == -2) ClickButton(b, 0);
        });
        EXPECT_EQ(answer, c.answer == -2 ? 1 : c.answer);
    }
    MessageBoxRequest help;
    help.stringId = 787;
    help.text = platform::LoadString(787);
    help.type = 5;
    EXPECT_EQ(Ask(help, [&](CUserMessageBoxDlg&) { backend->Key(VK_ESCAPE, 10); }), 2);
}

TEST_F(BoxTest, EmptyFirstTextsBecomeYesAndNo) {
    Ask(Req(6, {"", "", "Maybe", "Never"}), [&](CUserMessageBoxDlg& b) {
        EXPECT_EQ(b.GetButtonLabels(), (std::vector<std::string>{"Yes", "No", "Maybe", "Never"}));
        backend->Key(VK_RETURN, 10);
    });
}

TEST_F(BoxTest, TextAreasWithAndWithoutAPicture) {
    Ask(Req(0), [&](CUserMessageBoxDlg& b) {
        EXPECT_EQ(b.GetTextRect().left, 32);
        EXPECT_EQ(b.GetTextRect().right, 476);
        EXPECT_FALSE(b.HasPicture());
        EXPECT_EQ(b.GetBackgroundName(), "gfx\\messagebox\\message_box_text.bmp");
        backend->Key(VK_RETURN, 10);
    });
    MessageBoxRequest person = Req(4);
    person.picture = 3;
    Ask(person, [&](CUserMessageBoxDlg& b) {
        // The area 194-470 by 61-178, the text centred a little above its middle.
        EXPECT_EQ(b.GetTextRect().left, 194);
        EXPECT_EQ(b.GetTextRect().right, 470);
        EXPECT_GE(b.GetTextRect().top, 61);
        EXPECT_LE(b.GetTextRect().bottom, 178);
        EXPECT_EQ(b.GetBackgroundName(), "gfx\\messagebox\\message_box_pic.bmp");
        backend->Key(VK_RETURN, 10);
    });
    MessageBoxRequest longText = Req(4);
    longText.picture = 3;
    longText.text.clear();
    for (int i = 0; i < 30; ++i) longText.text += "The board have met and decided to back you. ";
    Ask(longText, [&](CUserMessageBoxDlg& b) {
        EXPECT_EQ(b.GetTextRect().top, 36);
        EXPECT_EQ(b.GetTextRect().bottom, 233);
        backend->Key(VK_RETURN, 10);
    });
}

TEST_F(BoxTest, APersonGivesTheFaceLayoutWithHisFaceAndNoTrophy) {
    CPerson manager;
    manager.Set("Alan", "Hatherley", 44, 0);
    manager.Face().SetRace(2);
    manager.Face().SetNose(4);
    manager.Face().SetHair(17);
    MessageBoxRequest r = Req(0);
    r.person = &manager;
    r.trophy = 3;  // a person wins over a trophy
    Ask(r, [&](CUserMessageBoxDlg& b) {
        ASSERT_NE(b.GetFace(), nullptr);
        EXPECT_EQ(*b.GetFace(), PhotofitFace::FromFace(manager.GetFace()));
        EXPECT_TRUE(b.HasPicture());
        EXPECT_EQ(b.GetTextRect().left, 194);
        EXPECT_EQ(b.GetTextRect().right, 470);
        EXPECT_EQ(b.GetBackgroundName(), "gfx\\messagebox\\message_box_pic.bmp");
        // His face at (50, 58): skin of his race down the middle of the face,
        // where a trophy would otherwise stand.
        main.UpdateNow();
        Ui::Get().PresentNow();
        auto at = [&](int x, int y) {
            Point p = main.ScreenToClient(b.ClientToScreen(Point{x, y}));
            return Ui::Get().MainPicture()->Get(p.x, p.y);
        };
        for (int y : {58 + 50, 58 + 60, 58 + 96}) {
            const uint32_t px = at(50 + 46, y);
            EXPECT_GT(platform::gfx::PixelR(px), platform::gfx::PixelB(px) + 40) << "skin at row " << y;
            EXPECT_GT(platform::gfx::PixelR(px), 120u) << y;
        }
        // The shirt below the face and the backdrop beside it are not skin.
        const uint32_t back = at(50 - 10, 58 + 60);
        EXPECT_LT(platform::gfx::PixelR(back), platform::gfx::PixelB(back) + 40);
        backend->Key(VK_RETURN, 10);
    });
    // Without a person or a trophy there is no face.
    Ask(Req(0), [&](CUserMessageBoxDlg& b) {
        EXPECT_EQ(b.GetFace(), nullptr);
        backend->Key(VK_RETURN, 10);
    });
}

TEST_F(BoxTest, TrophyWithoutAPersonIsDrawn) {
    MessageBoxRequest r = Req(0);
    r.trophy = 1;
    r.leagueTrophyFlag = 0;
    Ask(r, [&](CUserMessageBoxDlg& b) {
        EXPECT_TRUE(b.HasPicture());
        main.UpdateNow();
        Ui::Get().PresentNow();
        Save("message_box_trophy");
        // The trophy's star sits at (57 + 31, 76 + 18) of the box.
        Point star = main.ScreenToClient(b.ClientToScreen(Point{57 + 31, 76 + 18}));
        const uint32_t px = Ui::Get().MainPicture()->Get(star.x, star.y);
        EXPECT_GT(platform::gfx::PixelR(px) + platform::gfx::PixelG(px), 400u);
        backend->Key(VK_RETURN, 10);
    });
}

TEST_F(BoxTest, TypeFiveThroughTheTextEntryIsAnOkBox) {
    bool ok = false;
    MessageBoxRequest r = Req(5);  // no string id: the text entry
    EXPECT_EQ(Ask(r, [&](CUserMessageBoxDlg& b) {
                  ok = dynamic_cast<COkayUserMessageBoxDlg*>(&b) != nullptr;
                  backend->Key(VK_RETURN, 10);
              }),
              1);
    EXPECT_TRUE(ok);
}

TEST(HelpPages, CutAfterFullStopsElseAtSpacesElseAnywhere) {
    std::string text;
    for (int i = 0; i < 40; ++i) text += "Scouts report on players abroad. ";
    auto pages = CHelpUserMessageBoxDlg::MakePages(text, 443);
    ASSERT_GT(pages.size(), 1u);
    for (size_t i = 0; i + 1 < pages.size(); ++i) EXPECT_EQ(pages[i].back(), '.') << i;
    std::string noStop;
    for (int i = 0; i < 200; ++i) noStop += "word ";
    auto p2 = CHelpUserMessageBoxDlg::MakePages(noStop, 443);
    ASSERT_GT(p2.size(), 1u);
    EXPECT_EQ(p2[0].back(), 'd');  // cut at a space
    std::string bare;  // neither full stops nor spaces
    for (int i = 0; i < 40; ++i) bare += "xxxxxxxxxx\n";
    auto p3 = CHelpUserMessageBoxDlg::MakePages(bare, 443);
    ASSERT_GT(p3.size(), 1u);  // not one endless page
    std::string joined;
    for (auto& p : p3) joined += p;
    EXPECT_EQ(joined, bare);
    std::string huge;
    for (int i = 0; i < 1500; ++i) huge += "More text here. ";
    EXPECT_EQ(CHelpUserMessageBoxDlg::MakePages(huge, 443).size(), 20u);
}

TEST_F(BoxTest, HelpPagingGoesMorePreviousAndBack) {
    // A help text long enough for three pages, as the help entries are.
    std::string text;
    for (int i = 0; i < 40; ++i) text += "Scouts report on players abroad. ";
    CHelpUserMessageBoxDlg probe(0, 1);
    auto pages = CHelpUserMessageBoxDlg::MakePages(text, 443);
    ASSERT_GE(pages.size(), 2u);
    // Drive a real help box built on an entry of that text.
    struct Box : CHelpUserMessageBoxDlg {
        Box(std::string t) : CHelpUserMessageBoxDlg(0, 1) { m_strText = std::move(t); }
    } box(text);
    std::vector<std::string> labels;
    std::vector<int> shownPages;
    backend->SetEndWhenScriptDone(false);
    backend->OnModalShown([&] {
        auto click = [&](size_t i, uint64_t after) {
            const Rect b = box.GetButtonRects()[i];
            backend->Click(main.ScreenToClient(box.ClientToScreen(Point{b.left + 10, b.top + 10})), MouseButton::Left, after);
        };
        for (size_t k = 0; k + 1 < pages.size(); ++k) click(0, 600);
        click(0, 600);
        click(1, 600);
    });
    const uint32_t tick = Ui::Get().StartPeriodicTimer(5, [&] {
        if (box.IsAlive()) {
            if (shownPages.empty() || shownPages.back() != box.GetPage()) {
                shownPages.push_back(box.GetPage());
                labels.push_back(box.GetButtonLabels()[0]);
            }
        }
    });
    EXPECT_EQ(box.Run(), 1);
    Ui::Get().StopPeriodicTimer(tick);
    const int last = static_cast<int>(pages.size()) - 1;
    ASSERT_GE(shownPages.size(), 3u);
    EXPECT_EQ(shownPages.front(), 0);
    EXPECT_EQ(labels.front(), "More");
    EXPECT_EQ(shownPages[static_cast<size_t>(last)], last);
    EXPECT_EQ(labels[static_cast<size_t>(last)], "Previous");
    EXPECT_EQ(shownPages.back(), last - 1);
}

TEST_F(BoxTest, HelpBoxAnswersItsOkButtonEnterAndEscape) {
    struct Case {
        const char* how;
        int answer;
    };
    for (const Case& c : {Case{"OK", 1}, Case{"Enter", 1}, Case{"Escape", 2}}) {
        SCOPED_TRACE(c.how);
        MessageBoxRequest r;
        r.stringId = 787;
        r.text = platform::LoadString(787);
        r.type = 5;
        bool help = false;
        const int answer = Ask(r, [&](CUserMessageBoxDlg& b) {
            help = dynamic_cast<CHelpUserMessageBoxDlg*>(&b) != nullptr;
            const std::string how = c.how;
            if (how == "OK")
                ClickButton(b, 1);
            else
                backend->Key(how == "Enter" ? VK_RETURN : VK_ESCAPE, 10);
        });
        EXPECT_TRUE(help);
        EXPECT_EQ(answer, c.answer);
    }
}

TEST_F(BoxTest, BusyCursorComesBackAfterTheBox) {
    Ui::Get().SetCursor(1);  // the busy cursor
    Ask(Req(0), [&](CUserMessageBoxDlg&) {
        EXPECT_EQ(Ui::Get().CurrentCursor(), 0);  // the box shows the arrow
        backend->Key(VK_RETURN, 10);
    });
    EXPECT_EQ(Ui::Get().CurrentCursor(), 1);
    Ui::Get().SetCursor(0);
    Ask(Req(0), [&](CUserMessageBoxDlg&) { backend->Key(VK_RETURN, 10); });
    EXPECT_EQ(Ui::Get().CurrentCursor(), 0);
}

TEST(BoxNotShown, AnswersByKind) {
    // No session at all: the box cannot be shown.
    for (auto [type, answer] : {std::pair{3u, 2}, {6u, 2}, {4u, 7}, {0u, 1}, {0x30u, 1}}) {
        MessageBoxRequest r;
        r.text = "x";
        r.type = type;
        EXPECT_EQ(ShowUserMessageBox(r), answer) << type;
    }
}

}  // namespace
