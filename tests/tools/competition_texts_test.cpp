// The competition descriptions the build ships: one file for each picture
// number that exactly one division or cup uses, naming it, with its format
// as the start-up data give it, in the page's plain-text form.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>

#include "competition_texts.h"
#include "platform/files.h"
#include "platform/random.h"
#include "soccerclasses/charityshield.h"
#include "soccerclasses/country.h"
#include "soccerclasses/cup.h"
#include "soccerclasses/division.h"
#include "soccerclasses/worlddata.h"
#include "support/test_env.h"

namespace {

namespace fs = std::filesystem;

class CompetitionTexts : public ::testing::Test {
protected:
    void SetUp() override {
        platform::SetInstallFolder(testenv::GameDir());
        platform::SetRandomClock([] { return int64_t(936000000); });
        SetWorldData(&world);
        world.ClearGame();
        for (int stage = 0; stage <= 2; ++stage) world.NewGame(stage);
        catalogue = competitiontexts::Collect(world);
    }
    void TearDown() override {
        SetWorldData(nullptr);
        platform::SetRandomClock(nullptr);
        platform::ResetFolders();
    }
    static std::string Read(const fs::path& p) {
        std::ifstream in(p, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    // The numbers of the folder's files.
    static std::set<int> Numbers(const fs::path& dir) {
        std::set<int> out;
        for (const auto& e : fs::directory_iterator(dir)) out.insert(std::stoi(e.path().stem().string()));
        return out;
    }
    // The form every file keeps.
    static void CheckForm(const std::string& text, const std::string& what) {
        SCOPED_TRACE(what);
        EXPECT_LT(text.size(), competitiontexts::kMaxBytes);
        EXPECT_EQ(text.find('\0'), std::string::npos);
        for (size_t i = 0; i < text.size(); ++i) {
            if (text[i] == '\n') {
                ASSERT_TRUE(i > 0 && text[i - 1] == '\r') << "a line end without CR at " << i;
            }
            if (text[i] == '\r') {
                ASSERT_TRUE(i + 1 < text.size() && text[i + 1] == '\n');
            }
        }
        EXPECT_NE(text.find("\r\n\r\n"), std::string::npos) << "two paragraphs at least";
        EXPECT_EQ(text.find("\r\n\r\n\r\n"), std::string::npos) << "one empty line between paragraphs";
    }
    static std::string Subs(int named, int used) {
        return "Clubs name " + std::to_string(named) + " substitutes for a match and may use " + std::to_string(used);
    }

    CWorldData world;
    competitiontexts::Catalogue catalogue;
};

TEST_F(CompetitionTexts, EachDivisionWithANumberOfItsOwnHasAFileThatNamesItAndGivesItsFormat) {
    const fs::path dir = testenv::GameDir() / "text" / "division";
    ASSERT_TRUE(fs::is_directory(dir));
    std::set<int> own;
    for (const auto& [n, list] : catalogue.divisions)
        if (list.size() == 1) own.insert(n);
    ASSERT_FALSE(own.empty());
    EXPECT_EQ(Numbers(dir), own) << "a file for each number one division uses, none for a shared one";
    for (int n : own) {
        const CDivision& d = *catalogue.divisions[n][0];
        const std::string text = Read(dir / (std::to_string(n) + ".dat"));
        SCOPED_TRACE(std::string(d.GetName()));
        CheckForm(text, d.GetName());
        EXPECT_NE(text.find(std::string(d.GetName())), std::string::npos);
        EXPECT_NE(text.find(" has " + std::to_string(d.GetClubCount()) + " clubs"), std::string::npos);
        const std::string up = "The top " + std::to_string(d.GetAutoPromotionPlaces()) + " clubs are promoted";
        EXPECT_EQ(text.find(up) != std::string::npos, !d.IsTopDivision() && d.GetAutoPromotionPlaces() > 0);
        EXPECT_EQ(text.find("are promoted automatically") != std::string::npos,
                  !d.IsTopDivision() && d.GetAutoPromotionPlaces() > 0);
        const std::string down = "The bottom " + std::to_string(d.GetTierValue()) + " clubs are relegated";
        EXPECT_EQ(text.find(down) != std::string::npos, d.GetTierValue() > 0);
        EXPECT_NE(text.find(Subs(d.m_SubsNamed, d.m_SubsAllowed)), std::string::npos);
        EXPECT_EQ(text, competitiontexts::DivisionText(world, d)) << "the same text every build";
    }
}

TEST_F(CompetitionTexts, EachCupWithANumberOfItsOwnHasAFileThatNamesItAndGivesItsFormat) {
    const fs::path dir = testenv::GameDir() / "text" / "cup";
    ASSERT_TRUE(fs::is_directory(dir));
    std::set<int> own;
    for (const auto& [n, list] : catalogue.cups)
        if (list.size() == 1) own.insert(n);
    EXPECT_EQ(Numbers(dir), own);
    int shields = 0;
    for (int n : own) {
        const CCup& cup = *catalogue.cups[n][0];
        const std::string text = Read(dir / (std::to_string(n) + ".dat"));
        SCOPED_TRACE(std::string(cup.m_Name));
        CheckForm(text, cup.m_Name);
        EXPECT_NE(text.find(std::string(cup.m_Name)), std::string::npos);
        EXPECT_NE(text.find(Subs(cup.m_SubsNamed, cup.m_SubsAllowed)), std::string::npos);
        const CCharityShield* shield = cup.m_ShieldIndex >= 0 ? cup.GetShield() : nullptr;
        if (shield) {
            ++shields;
            EXPECT_NE(text.find("The winners qualify for the " + std::string(shield->m_Name)), std::string::npos);
        }
        EXPECT_EQ(text, competitiontexts::CupText(world, cup));
    }
    EXPECT_GT(shields, 0);
}

}  // namespace
