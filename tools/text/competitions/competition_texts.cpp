#include "competition_texts.h"

#include <cstdint>

#include "soccerclasses/charityshield.h"
#include "soccerclasses/country.h"
#include "soccerclasses/cup.h"
#include "soccerclasses/division.h"
#include "soccerclasses/federation.h"
#include "soccerclasses/federationcup.h"
#include "soccerclasses/playoff.h"
#include "soccerclasses/worlddata.h"

namespace competitiontexts {
namespace {

// A stable number from a name, to vary the wording and the years.
uint32_t NameHash(const std::string& s) {
    uint32_t h = 2166136261u;
    for (unsigned char c : s) h = (h ^ c) * 16777619u;
    return h;
}

std::string Num(int n) { return std::to_string(n); }

std::string Plural(int n, const std::string& one, const std::string& many) {
    return Num(n) + " " + (n == 1 ? one : many);
}

const char* Ordinal(int level) {
    static const char* const kWords[] = {"top", "second", "third", "fourth", "fifth", "sixth", "seventh", "eighth"};
    return level >= 0 && level < 8 ? kWords[level] : "lower";
}

std::string Times(int k) {
    switch (k) {
        case 1: return "once";
        case 2: return "twice, home and away";
        case 3: return "three times";
        case 4: return "four times, twice at each ground";
        default: return Num(k) + " times";
    }
}

std::string Paragraphs(const std::vector<std::string>& paragraphs) {
    std::string text;
    for (size_t i = 0; i < paragraphs.size(); ++i) {
        if (i) text += "\r\n";
        text += paragraphs[i] + "\r\n";
    }
    return text;
}

std::string SubstitutesSentence(int named, int used) {
    return "Clubs name " + Num(named) + " substitutes for a match and may use " + Num(used) + " of them.";
}

int DivisionLevel(const CCountry& c, const CDivision& d) {
    for (int i = 0; i < c.GetDivisionCount(); ++i)
        if (c.GetDivision(i) == &d) return i;
    return 0;
}

std::string DivisionCharacter(const CCountry& country, const CDivision& d, int level) {
    const std::string name = d.GetName();
    const uint32_t h = NameHash(name);
    const int year = level == 0 ? 1888 + int(h % 32) : 1905 + level * 8 + int(h % 30);
    const std::string where = std::string(country.GetName());
    if (level == 0) {
        static const char* const kTrophies[] = {
            "a broad silver shield engraved with every champion's name",
            "a heavy silver trophy crowned with a footballer in full stride",
            "a gilded cup on an ebony plinth, kept at the league's offices between seasons",
        };
        return "The " + name + " is the " + Ordinal(level) + " level of league football in " + where +
               ". Founded in " + Num(year) +
               ", it gathers the country's best-supported clubs, and a title won here is the honour every "
               "player and manager measures himself against. The champions receive " +
               kTrophies[h % 3] + ".";
    }
    static const char* const kCharacter[] = {
        "It is a hard-fought league of proud old towns and ambitious newcomers, where a good run can carry a "
        "club upwards in a single season.",
        "Crowds are smaller than at the top, but the rivalries are just as fierce and many of the country's "
        "finest players learned their trade here.",
        "Its clubs are the backbone of the game in their towns, and promotion days are remembered for "
        "generations.",
    };
    return "The " + name + " is the " + Ordinal(level) + " level of league football in " + where +
           ", formed in " + Num(year) + " when the league took in more clubs. " + kCharacter[h % 3];
}

}  // namespace

Catalogue Collect(CWorldData& world) {
    Catalogue c;
    for (const auto& country : world.GetCountryList()) {
        for (int i = 0; i < country->GetDivisionCount(); ++i)
            if (const CDivision* d = country->GetDivision(i)) c.divisions[d->GetPictureNumber()].push_back(d);
        for (const auto& cup : country->GetCups()) c.cups[cup->m_PictureNumber].push_back(cup.get());
    }
    for (const auto& s : world.GetCharityShieldList()) c.cups[s->m_PictureNumber].push_back(s.get());
    for (const auto& p : world.GetPlayOffList()) c.cups[p->m_PictureNumber].push_back(p.get());
    for (const auto& f : world.GetFederationCupList()) c.cups[f->m_PictureNumber].push_back(f.get());
    return c;
}

std::string DivisionText(CWorldData& world, const CDivision& d) {
    const CCountry* country = world.GetCountry(d.GetCountry());
    if (!country) return {};
    const int level = DivisionLevel(*country, d);
    const int clubs = d.GetClubCount();
    const int rounds = clubs + clubs % 2 - 1;
    const int days = d.CountLeagueSlots();
    const int meetings = rounds > 0 && days % rounds == 0 ? days / rounds : 0;
    std::string format = "The " + std::string(d.GetName()) + " has " + Num(clubs) + " clubs";
    if (meetings > 0)
        format += ", who meet each other " + Times(meetings) + ": " + Num(meetings * (clubs - 1)) +
                  " league matches for each club over the season.";
    else
        format += ", who play " + Num(days) + " league match days over the season.";
    const int rule = d.m_PointsRule;
    if (rule < 254)
        format += " A win is worth " + Num(rule) + " points and a draw 1.";
    else
        format += std::string(" A win is worth 3 points; a level match goes to ") +
                  (rule == 255 ? "extra time, worth 2 points to its winner, and then " : "") +
                  "a penalty shoot-out, worth 1.";
    if (level > 0 && d.GetAutoPromotionPlaces() > 0)
        format += " The top " + Num(d.GetAutoPromotionPlaces()) + " clubs are promoted automatically.";
    if (const CPlayOff* p = d.HasPlayOff() ? d.GetPlayOff() : nullptr)
        format += d.GetPlayOffKindFlag()
                      ? " The top " + Num(d.m_PromotionPlayOffClubs) + " clubs meet in the " +
                            std::string(p->m_Name) + " to decide the champions."
                      : " The next " + Num(d.m_PromotionPlayOffClubs) + " clubs go into the " +
                            std::string(p->m_Name) + " for a further place.";
    if (d.GetTierValue() > 0) format += " The bottom " + Num(d.GetTierValue()) + " clubs are relegated.";
    if (const CPlayOff* p = d.HasRelegationPlayOff() ? d.GetRelegationPlayOff() : nullptr)
        format += " The " + Num(d.m_RelegationPlayOffClubs) + " clubs above them must fight for their place in the " +
                  std::string(p->m_Name) + ".";
    if (d.GetShieldQualification())
        if (const CCharityShield* shield = country->GetCharityShield())
            format += " The champions open the next season in the " + std::string(shield->m_Name) + ".";
    format += " " + SubstitutesSentence(d.m_SubsNamed, d.m_SubsAllowed);
    return Paragraphs({DivisionCharacter(*country, d, level), format});
}

std::string CupText(CWorldData& world, const CCup& cup) {
    const std::string name = cup.m_Name;
    const uint32_t h = NameHash(name);
    const CCountry* country = cup.GetCountry();
    const std::string where = country ? std::string(country->GetName()) : std::string();
    bool federation = false, shield = false, playOff = false, leagueCup = false;
    for (const auto& f : world.GetFederationCupList()) federation |= f.get() == &cup;
    for (const auto& s : world.GetCharityShieldList()) shield |= s.get() == &cup;
    for (const auto& p : world.GetPlayOffList()) playOff |= p.get() == &cup;
    if (country && !shield && !playOff && country->GetCups().GetSize() > 1) leagueCup = country->GetCups().GetAt(0) != &cup;

    std::string character;
    if (federation) {
        const auto* fc = static_cast<const CFederationCup*>(&cup);
        const CFederation* fed = world.GetFederation(fc->m_Federation);
        character = "The " + name + " brings together the leading clubs of " +
                    (fed ? std::string(fed->GetName()) : std::string("the union")) + ". First played in " +
                    Num(1955 + int(h % 6)) +
                    ", it is the stage on which reputations are made abroad, and its nights under the floodlights "
                    "draw the biggest crowds of the season. The winners carry home a tall silver cup with great "
                    "looping handles.";
    } else if (shield) {
        character = "The " + name + " raises the curtain on the season in " + where + ", first contested in " +
                    Num(1908 + int(h % 20)) +
                    ". It pits the league champions against the cup winners, the gate going to good causes, and "
                    "although managers call it a friendly, no side has ever enjoyed losing it.";
    } else if (playOff) {
        character = "The " + name + " were introduced in " + Num(1986 + int(h % 9)) + " to keep the race for " +
                    "promotion in " + where +
                    " alive until the last day of the season. Loved by neutrals and dreaded by managers, they "
                    "reward the side that holds its nerve rather than the one that led the way.";
    } else if (leagueCup) {
        character = "The " + name + " was introduced in " + Num(1958 + int(h % 25)) + " for the clubs of " + where +
                    "'s league alone. Every tie is settled on the night, and the smaller clubs treat it as a rare "
                    "chance of a day out at the final. The winners lift a squat two-handled cup on a wooden base.";
    } else {
        character = "The " + name + " is " + where + "'s oldest knock-out competition, first played in " +
                    Num(1872 + int(h % 40)) +
                    ". Clubs from every level of the game take part, non-league sides included, and a giant-"
                    "killing is what its supporters remember most. The winners are presented with a tall silver "
                    "trophy that has been recast only once in its long history.";
    }

    int rounds = 0;
    bool twoLegs = false, replays = false, groups = false;
    for (int i = 0; i < cup.GetRoundCount(); ++i) {
        const CCupRound* r = cup.GetRound(i);
        if (r->m_Kind == CCupRound::kPlaceholderKind) continue;
        if (r->IsReplayOfPrevious(cup.GetPreviousRound(r))) continue;
        ++rounds;
        twoLegs |= CCupRound::IsFirstLegKind(r->m_Kind);
        replays |= r->HasReplaySlot();
        groups |= CCupRound::IsGroupKind(r->m_Kind);
    }
    std::string format = "The " + name + " is played over " + Plural(rounds, "round", "rounds") + ".";
    if (groups) format += " Its group stages are played as mini-leagues, the best placed going through.";
    if (twoLegs) format += " Its two-legged ties are decided on aggregate, away goals counting double when it is level.";
    if (replays) format += " A drawn tie is replayed at the other side's ground.";
    const CCupRound* last = cup.GetRoundCount() > 0 ? cup.GetRound(cup.GetRoundCount() - 1) : nullptr;
    if (last && CCupRound::IsNeutralKind(last->m_Kind)) format += " The final is played at a neutral venue.";
    if (cup.m_ShieldIndex >= 0)
        if (const CCharityShield* s = cup.GetShield())
            format += " The winners qualify for the " + std::string(s->m_Name) + ".";
    if (playOff) {
        const auto* p = static_cast<const CPlayOff*>(&cup);
        if (p->m_LeaguePointsShare)
            format += " The clubs start with " + Num(p->m_LeaguePointsShare) + "% of their league points.";
        format += " " + Plural(p->m_ExtraPlaces, "club is", "clubs are") + " promoted through them.";
    }
    format += " " + SubstitutesSentence(cup.m_SubsNamed, cup.m_SubsAllowed);
    return Paragraphs({character, format});
}

}  // namespace competitiontexts
