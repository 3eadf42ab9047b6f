#include "soccerclasses/indexedintarray.h"

#include <utility>

void CIndexedIntArray::SortDescending() {
    // Bubble passes, as the rankings were built: stable, and the lists are short.
    bool swapped = true;
    while (swapped) {
        swapped = false;
        for (size_t i = 0; i + 1 < pairs_.size(); ++i)
            if (pairs_[i].value < pairs_[i + 1].value) {
                std::swap(pairs_[i], pairs_[i + 1]);
                swapped = true;
            }
    }
}
