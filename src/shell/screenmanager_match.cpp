// The screen manager's entry for a human manager's match.
#include "shell/screen.h"
#include "shell/screenmanager.h"

namespace {

MatchPageFactory& MatchPageMaker() {
    static MatchPageFactory maker = nullptr;
    return maker;
}

constexpr int kMatchActionScreen = 64;

}  // namespace

void RegisterMatchPageFactory(MatchPageFactory factory) { MatchPageMaker() = factory; }

bool CScreenManager::StartMatchScreen(CMatchPlay* engine) {
    if (!engine || !MatchPageMaker()) return false;
    g_nScreenId = kMatchActionScreen;
    CScreen* page = MatchPageMaker()(engine);
    if (!page) return false;
    page->SetBackground("gfx\\backgrounds\\65.bmp");
    return SetScreen(page, true, false, true, true, false);
}
