// A new game from the start-up database, in seven stages.
#include "platform/random.h"
#include "platform/stringtable.h"
#include "soccerclasses/clublist.h"
#include "soccerclasses/competitionfiles.h"
#include "soccerclasses/datafile.h"
#include "soccerclasses/fixture.h"
#include "soccerclasses/gameflags.h"
#include "soccerclasses/matchevent.h"
#include "soccerclasses/worlddata.h"

namespace {

// Every league country needs referees for its matches.
void RefuseCountriesWithoutReferees(CWorldData& w) {
    for (const auto& c : w.GetCountryList())
        if (c->GetDivisionCount() > 0 && c->GetRefereeCount() == 0)
            throw DataFileError(DataFileError::kDamaged, CSoccerRefereeList::kFileName,
                                "ERROR! " + std::string(c->GetName()) + " has no referees in " +
                                    CSoccerRefereeList::kFileName);
}

}  // namespace

void CWorldData::NewGame(int stage) {
    switch (stage) {
        case 0:
            // A world that held a game lets it go first.
            ClearGame();
            m_Clock.Set(0, 0, 0, 1999, 7, 3);
            ReadFederations();
            m_Stadiums->ReadDataFile();
            ReadCountries();
            SetDisplayCurrencyFromExchange();
            break;
        case 1:
            ReadDivisionsIntoWorld(*this);
            m_ClubCount = 0;
            platform::SeedRandomFromTime();
            m_Clubs->ReadDataFile();
            ReadFederationCupsIntoWorld(*this);
            break;
        case 2:
            m_Players->LoadDatabase(m_Clubs->GetRealCount());
            m_Clubs->UpdatePositionFigures();
            platform::SeedRandomFromTime();
            m_Clubs->CreateInitialStaff();
            ReadRefereesIntoWorld(*this);
            RefuseCountriesWithoutReferees(*this);
            m_StadiumPlans->ReadDataFile();
            ReadPlayOffsIntoWorld(*this);
            ReadShieldsIntoWorld(*this);
            ReadCupsIntoWorld(*this);
            NumberCompetitionPictures(*this);
            m_Clock.NextMatchDay();
            m_Divisions->StartNewSeason();
            break;
        case 3:
            m_Countries->PrepareDivisions();
            break;
        case 4:
            m_Countries->BuildClubRankings();
            break;
        case 5:
            // The replay flag holds the computer clubs back from hiring and
            // trading while the calendar-year seasons catch up.
            m_NewGameFlag = 1;
            m_Countries->StartCalendarYearSeasons();
            m_NewGameFlag = 0;
            // The new game's paper draws rolls of its own.
            g_bNewspaperRefresh = 1;
            break;
        default:
            break;
    }
}
