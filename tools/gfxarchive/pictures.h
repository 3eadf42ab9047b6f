#pragma once
// The pictures our own code draws, each as the 8-bit picture the archives
// hold. Deterministic: the same build draws the same bytes.
#include <algorithm>
#include <cmath>
#include <filesystem>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "platform/gfx/bmp.h"
#include "platform/gfx/canvas.h"

namespace art {

struct Picture {
    std::string archive;  // one of the 18
    std::string entry;    // lower case, "\"-separated
    bool keyed = false;   // uses the transparent colour
    platform::gfx::Bitmap8 bitmap;
};

platform::gfx::Bitmap8 TitleScreen();  // 788 x 550
platform::gfx::Bitmap8 TitleMenuScreen();  // the title page's "92.bmp": three menu plates
platform::gfx::Bitmap8 CreditScreen();     // a light band for the credits
platform::gfx::Bitmap8 PlainPage(int r, int g, int b);
platform::gfx::Bitmap8 Shirt();        // keyed
platform::gfx::Bitmap8 Trophy();       // keyed
platform::gfx::Bitmap8 ListBlobs();    // keyed
platform::gfx::Bitmap8 Movement(int kind);  // keyed: 0 up, 1 down, 2 same
platform::gfx::Bitmap8 TreeBox(int kind);   // opaque 9 x 9: 0 open, 1 close, 2 shortcut
platform::gfx::Bitmap8 ProgramIcon();  // 32 x 32, keyed: the window's and the about box's

// The widgets' pictures (widget_pictures.cpp).
std::vector<Picture> WidgetPictures();
std::vector<Picture> ToolBarPictures();
// The navigator's background, icons and flags (the flag table is in `assets`).
std::vector<Picture> TreePictures(const std::filesystem::path& assets);
// The flag table: each flag's code, pattern and colours.
struct FlagDesign {
    std::string code, pattern;
    std::vector<platform::gfx::Pixel> colours;
};
std::vector<FlagDesign> ReadFlagTable(const std::filesystem::path& assets);
// One flag of the table, w x h, with its one-pixel dark edge, unkeyed.
platform::gfx::Surface FlagSurface(const std::string& pattern, const std::vector<platform::gfx::Pixel>& colours,
                                   int w, int h);
// The new-game pages' pictures (country_pictures.cpp): both maps, the flag
// sheets and the country page's buttons.
std::vector<Picture> CountryPictures(const std::filesystem::path& assets);
// A map's country id under each pixel (788 x 550, row by row; 0 the sea
// and the page furniture, -1 land of no country of this map).
std::vector<int> CountryMapRaster(const std::filesystem::path& assets, bool europe);
// How a map places the outline table's land: plate carree, the affine
// transform nearest to taking each anchor to its flag's centre, and a
// thin-plate warp that puts every anchor exactly there.
class CountryMapProjection {
public:
    CountryMapProjection(const std::filesystem::path& assets, bool europe);
    // Degrees to the picture's pixels.
    std::pair<double, double> Map(double lon, double lat) const;

private:
    std::vector<std::pair<double, double>> anchors_;  // plate carree
    double affine_[6] = {};
    std::vector<std::pair<double, double>> weights_;  // per anchor, then the spline's affine part
};

// The photo-fit faces' layers, backdrops and the face surfaces' frame.
std::vector<Picture> FacePictures();
// The kit patterns in three sizes, the highlight and the printing mask.
std::vector<Picture> KitPictures();
// The pages' backgrounds from assets/screens/backgrounds.txt.
std::vector<Picture> PageBackgrounds(const std::filesystem::path& assets);

// The section hubs' animated buttons (hub_buttons.cpp): one generator for
// every hub. A button is its file-name stem (lower case), the caption its
// band carries and the painter of its subject, called at four times the
// size with the loop's phase t in [0, 1) (0 the resting look).
inline constexpr int HubButtonSize = 84;
// Shapes given in final-pixel units on a canvas drawn at four times the size
// (the hub buttons' and the section pictures' painters).
struct BigPen {
    static constexpr int kScale = 4;
    static int Big(double v) { return static_cast<int>(std::lround(v * kScale)); }
    platform::gfx::Canvas& cv;
    void Fill(platform::gfx::ColourRef c) {
        cv.SelectPen(platform::gfx::Pen::None());
        cv.SelectBrush(platform::gfx::Brush::Solid(c));
    }
    void Line(platform::gfx::ColourRef c, double w) {
        cv.SelectPen(platform::gfx::Pen::Solid(c, std::max(1, Big(w))));
        cv.SelectBrush(platform::gfx::Brush::None());
    }
    void Box(double x, double y, double w, double h) {
        cv.Rectangle(platform::gfx::Rect{Big(x), Big(y), Big(x + w), Big(y + h)});
    }
    void Ellipse(double x, double y, double w, double h) {
        cv.Ellipse(platform::gfx::Rect{Big(x), Big(y), Big(x + w), Big(y + h)});
    }
    void Poly(std::initializer_list<std::pair<double, double>> pts) {
        std::vector<platform::gfx::Point> p;
        for (auto [x, y] : pts) p.push_back({Big(x), Big(y)});
        cv.Polygon(p);
    }
    void Segment(double x1, double y1, double x2, double y2) {
        cv.MoveTo(Big(x1), Big(y1));
        cv.LineTo(Big(x2), Big(y2));
    }
};
inline constexpr int HubButtonFrames = 8;
struct HubColour {
    int r, g, b;
};
struct HubButtonArt {
    const char* name;
    const char* caption;
    void (*paint)(platform::gfx::Canvas& canvas, double t, const HubColour& colour);
};
platform::gfx::Bitmap8 HubButtonFrame(const HubColour& colour, const HubButtonArt& art, int frame);
// Every frame of every button as "animation" entries
// "<section>hub\<name>NN.bmp".
std::vector<Picture> HubButtons(const std::string& section, const HubColour& colour,
                                const std::vector<HubButtonArt>& buttons);
std::vector<Picture> SquadHubButtons();
// The squad pages' pictures (squad_pictures.cpp), the hub's buttons included.
std::vector<Picture> SquadPictures();
// The tactics editor's buttons, arrows, outline and tick (tactics_pictures.cpp).
std::vector<Picture> TacticsPictures();
// A shirt number, 1-16, for the 22-px or the 32-px kits.
platform::gfx::Bitmap8 ShirtNumberPicture(int n, int size);
// The player section's pictures (player_pictures.cpp).
std::vector<Picture> PlayerPictures();
// The match-day page's pictures (match_pictures.cpp).
std::vector<Picture> MatchPictures();
// The match page's background "65.bmp": the intro page's look.
platform::gfx::Bitmap8 MatchPageBackground();
// The news section's pictures (news_pictures.cpp): the hub's buttons, the
// message pages' date arrows.
std::vector<Picture> NewsHubButtons();
// The paper's sheets, page buttons, advert bar and masthead emblems.
std::vector<Picture> NewspaperFrames();
std::vector<Picture> NewsPictures();
// The paper's photographs (tools/art/press/): big\1-108 in colour, side\1-103
// and small\1-101 in grey, and the team photo "teamweek.bmp".
std::vector<Picture> PressPhotos();
// The competition sections' pictures (fixtures_pictures.cpp): the fixtures
// and discipline hubs' buttons, the blank list header.
std::vector<Picture> FixturesHubButtons();
std::vector<Picture> DisciplineHubButtons();
std::vector<Picture> ManagerHubButtons();
std::vector<Picture> CompetitionPictures();
// The information section's pictures (info_pictures.cpp): the hub's buttons
// and the match summary's ball and cards.
std::vector<Picture> InfoHubButtons();
std::vector<Picture> InfoPictures();
// The manager profile's lifestyle card, houses and cars (lifestyle_pictures.cpp).
std::vector<Picture> LifestylePictures();

// The club and finance sections' pictures (club_pictures.cpp), their hubs'
// buttons included.
std::vector<Picture> ClubHubButtons();
std::vector<Picture> ClubPictures();
// The finance hub's buttons and the Job Centre's filters (finance_pictures.cpp).
std::vector<Picture> FinanceHubButtons();
std::vector<Picture> FinancePictures();

// Every picture the tool ships, in archive order.
std::vector<Picture> AllPictures();

}  // namespace art
