#pragma once
// A country's domestic cups. The competitions build the cups; the list
// keeps them in file order and saves them without a count.
#include <cstdio>

#include "soccerclasses/owninglist.h"

class CCup {
public:
    void Save(FILE*) const {}
    void Load(FILE*) {}
};

class CCupList : public OwningList<CCup> {
public:
    void Save(FILE* file) const {
        for (const auto& c : *this) c->Save(file);
    }
    void Load(FILE* file) {
        for (const auto& c : *this) c->Load(file);
    }
};
