#pragma once
// What the screen manager hands to the pages it opens with data: the
// person pages of the pop-up menus and of model code, the manager
// vacancies, the match summary and the progress page. A page takes them
// before it is created (CScreen::SetPageParams) and keeps them in its own
// fields; a page class that takes none ignores them.
#include <cstdint>
#include <string>
#include <variant>

#include "soccerclasses/matchtime.h"

// A person page (pages 22, 23, 60, 62): the subject and what goes with it.
struct PersonPageParams {
    void* subject = nullptr;  // the model's person object (player, employee, youth, referee)
    intptr_t value = 0;       // travels with the subject: the fee of a contract, the bid of a sale
    int kind = 0;             // 0 player, 1 club employee, 2 employee hired, 3 youth, 4 market youth, 5 referee
    uint8_t loan = 0;         // the offer is a loan
    uint8_t sellOn = 0;       // the buyer's sell-on (23) or the agreed one (62)
    intptr_t club = -1;       // the buying club's index (23)
};

// The manager vacancies page (116): the club that offers the post.
struct VacancyPageParams {
    void* club = nullptr;
};

// The match summary (16): one match of the day.
struct MatchSummaryParams {
    int first = 0;  // the fixture, when given
    int last = 0;   // else this one
    std::string text;
    int a = 0, b = 0, c = 0, d = 0;
    CMatchTime date;
};

// The progress page (114): its caption (a step count), its text by id or
// as given, and its flag byte.
struct ProgressPageParams {
    int caption = 0;
    unsigned textId = 0;
    std::string text;
    uint8_t flag = 0;
};

using PageParams = std::variant<std::monostate, PersonPageParams, VacancyPageParams, MatchSummaryParams,
                                ProgressPageParams>;

// The operations the model's progress calls reach on the progress page;
// the page class that shows it gives them.
class ProgressPage {
public:
    virtual ~ProgressPage() = default;
    // A new step (and count, when not 0) redraws the page at once.
    virtual void SetProgress(int step, int count) = 0;
    virtual void StepProgress() = 0;
    virtual void DrawProgress() = 0;
};
