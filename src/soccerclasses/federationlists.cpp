// The federation's list fillers: each member country fills its own rows.
#include "soccerclasses/country.h"
#include "soccerclasses/federation.h"
#include "soccerclasses/worlddata.h"

namespace {

template <typename Fill>
void EachMember(const CFederation& f, Fill fill) {
    CWorldData* w = GetWorldData();
    for (int i = 0; w && i < f.GetCountryCount(); ++i)
        if (const CCountry* c = w->GetCountry(static_cast<int>(f.GetCountryIndex(i)))) fill(*c);
}

}  // namespace

void CFederation::FillPlayerSearchList(CListRows& rows, const CPlayerSearch& search) const {
    EachMember(*this, [&](const CCountry& c) { c.FillPlayerSearchList(rows, search); });
}
void CFederation::FillClubInfoList(CListRows& rows, int withCountry) const {
    EachMember(*this, [&](const CCountry& c) { c.FillClubInfoList(rows, 0, withCountry); });
}
void CFederation::FillDisciplineList(CListRows& rows) const {
    EachMember(*this, [&](const CCountry& c) { c.FillDisciplineList(rows); });
}
void CFederation::FillRefereeList(CListRows& rows) const {
    EachMember(*this, [&](const CCountry& c) { c.FillRefereeList(rows); });
}
void CFederation::FillClubList(CListRows& rows) const {
    EachMember(*this, [&](const CCountry& c) { c.FillClubList(rows); });
}
void CFederation::FillFixtureList(CListRows& rows) const {
    EachMember(*this, [&](const CCountry& c) { c.FillFixtureList(rows); });
}
void CFederation::FillTopScorerList(CListRows& rows) const {
    EachMember(*this, [&](const CCountry& c) { c.FillTopScorerList(rows); });
}
void CFederation::FillPlayerCountList(CListRows& rows) const {
    EachMember(*this, [&](const CCountry& c) { c.FillPlayerCountList(rows); });
}
void CFederation::FillManagerList(CListRows& rows) const {
    EachMember(*this, [&](const CCountry& c) { c.FillManagerList(rows); });
}

void CFederationList::FillClubInfoList(CListRows& rows) const {
    for (const auto& f : *this) f->FillClubInfoList(rows, 1);
}
void CFederationList::FillDisciplineList(CListRows& rows) const {
    for (const auto& f : *this) f->FillDisciplineList(rows);
}
void CFederationList::FillRefereeList(CListRows& rows) const {
    for (const auto& f : *this) f->FillRefereeList(rows);
}
