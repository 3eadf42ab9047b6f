// Printing: pages drawn in logical units become PNG files in the documents
// folder, may be looked at first, and go to `lp` when a printer is set up.
#include <cstdlib>
#include <fstream>
#include <sstream>

#include <sys/stat.h>

#include "platform/gfx/png.h"
#include "platform/window/print.h"
#include "support/test_env.h"
#include "window_fixture.h"

namespace wintest {
namespace {

namespace fs = std::filesystem;
using platform::gfx::MakePixel;
using platform::gfx::RGB;

// A page as the game's printing draws it: 100 x 100 logical units on a
// 600 x 470 viewport, y up, with a filled box and a line of text.
void DrawTable(platform::gfx::Canvas& dc) {
    dc.SetMapMode(platform::gfx::MapMode::Anisotropic);
    dc.SetWindowExt({100, 100});
    dc.SetViewportExt({600, 470});
    dc.FillSolidRect(dc.DPtoLP(Rect{60, 47, 120, 94}), RGB(200, 0, 0));
    dc.TextOut(10, 40, "League Table");
}

class PrintTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        main.Move(Rect{0, 0, 800, 600});  // room for the preview
    }
    fs::path Folder() const { return fs::path(std::getenv("XDG_DOCUMENTS_DIR")) / "Vantorel 2000"; }
};

TEST_F(PrintTest, PagesBecomeFilesInTheDocumentsFolderAndAreSpooled) {
    PrintJob job("League Table: Division 1");
    DrawTable(job.StartPage());
    job.StartPage().FillSolidRect({0, 0, 10, 10}, RGB(0, 0, 255));  // starting a page ends the last
    PrintResult r = job.Finish(PrintMode::Direct);
    ASSERT_EQ(r.files.size(), 2u);
    EXPECT_FALSE(r.cancelled);
    EXPECT_TRUE(r.spooled);
    EXPECT_EQ(r.files[0], Folder() / "League Table_ Division 1 001.png");
    EXPECT_EQ(r.files[1], Folder() / "League Table_ Division 1 002.png");
    auto page = platform::gfx::ReadPng(r.files[0]);
    ASSERT_TRUE(page.has_value());
    EXPECT_EQ(page->Width(), kPrintPageSize.cx);
    EXPECT_EQ(page->Height(), kPrintPageSize.cy);
    EXPECT_EQ(page->Get(90, 70), MakePixel(200, 0, 0));
    EXPECT_EQ(page->Get(130, 70), MakePixel(255, 255, 255));  // outside the box: the white paper
    ASSERT_EQ(backend->Spooled().size(), 2u);
    EXPECT_EQ(backend->Spooled()[1].first, r.files[1].string());
    EXPECT_EQ(backend->Spooled()[1].second, "League Table: Division 1");
    // A second printout never overwrites the first.
    PrintJob again("League Table: Division 1");
    again.StartPage();
    EXPECT_EQ(again.Finish(PrintMode::Print).files.at(0), Folder() / "League Table_ Division 1 003.png");
}

TEST_F(PrintTest, PreviewClosedPrintsNothingAndPreviewPrintedGoesOn) {
    struct Case {
        uint32_t key;
        bool printed;
    };
    for (Case c : {Case{VK_ESCAPE, false}, Case{VK_RETURN, true}}) {
        PrintJob job("Squad");
        DrawTable(job.StartPage());
        job.StartPage();
        bool shown = false;
        uint32_t thumbnailRed = 0;
        backend->OnModalShown([&] {
            shown = true;
            Ui::Get().PresentNow();
            // The first page, shrunk, somewhere in the window's left half: its red box shows.
            const auto& pic = *Ui::Get().MainPicture();
            for (int y = 0; y < pic.Height(); ++y)
                for (int x = 0; x < pic.Width(); ++x)
                    if (pic.Get(x, y) == MakePixel(200, 0, 0)) ++thumbnailRed;
            backend->Key(VK_RIGHT, 10);  // the second page
            backend->Key(c.key, 10);
        });
        PrintResult r = job.Finish(PrintMode::Preview);
        EXPECT_TRUE(shown);
        EXPECT_GT(thumbnailRed, 0u);
        EXPECT_EQ(r.cancelled, !c.printed);
        EXPECT_EQ(r.files.size(), c.printed ? 2u : 0u);
    }
    EXPECT_EQ(backend->Spooled().size(), 2u);
    PrintJob empty("Nothing");
    EXPECT_TRUE(empty.Finish(PrintMode::Direct).cancelled);
}

TEST(PrintFileNames, TitlesAreMadeSafe) {
    const fs::path dir = testenv::TestFolder();
    EXPECT_EQ(NextPrintFile(dir, "../../etc/passwd"), dir / "______etc_passwd 001.png");
    EXPECT_EQ(NextPrintFile(dir, "Caf\xE9 Stats  "), dir / "Caf_ Stats 001.png");
    EXPECT_EQ(NextPrintFile(dir, ""), dir / "Printout 001.png");
}

// A folder of stand-ins for the desktop's printing commands, put first on
// the path for one test.
class FakeLp : public ::testing::Test {
protected:
    void SetUp() override {
        bin = testenv::TestFolder() / "bin";
        fs::create_directories(bin);
        oldPath = std::getenv("PATH") ? std::getenv("PATH") : "";
        setenv("PATH", bin.c_str(), 1);
        unsetenv("PRINTER");
        unsetenv("LPDEST");
    }
    void TearDown() override { setenv("PATH", oldPath.c_str(), 1); }
    void Script(const char* name, const std::string& body) {
        fs::path f = bin / name;
        std::ofstream(f) << "#!/bin/sh\n" << body << "\n";
        ::chmod(f.c_str(), 0755);
    }
    std::string Args() {
        std::ifstream in(bin / "args");
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }
    fs::path bin;
    std::string oldPath;
};

TEST_F(FakeLp, PrinterIsSetUpOnlyWithLpAndADestination) {
    EXPECT_FALSE(PrinterConfigured());  // no lp at all
    Script("lp", "echo \"$@\" > \"" + (bin / "args").string() + "\"");
    Script("lpstat", "echo 'no system default destination'");
    EXPECT_FALSE(PrinterConfigured());
    setenv("PRINTER", "office", 1);
    EXPECT_TRUE(PrinterConfigured());
    unsetenv("PRINTER");
    Script("lpstat", "echo 'system default destination: office'");
    EXPECT_TRUE(PrinterConfigured());
}

TEST_F(FakeLp, SendingGivesLpTheTitleAndTheFileAndReportsItsFailure) {
    Script("lp", "echo \"$@\" > \"" + (bin / "args").string() + "\"");
    EXPECT_TRUE(SendToPrinter("/tmp/page 001.png", "Caf\xE9"));
    EXPECT_EQ(Args(), "-t Caf\xC3\xA9 -- /tmp/page 001.png\n");  // the title in UTF-8
    Script("lp", "exit 1");
    EXPECT_FALSE(SendToPrinter("/tmp/page.png", "x"));
    fs::remove(bin / "lp");
    EXPECT_FALSE(SendToPrinter("/tmp/page.png", "x"));
}

}  // namespace
}  // namespace wintest
