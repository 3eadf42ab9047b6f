#include "soccerclasses/globals.h"

#include "platform/random.h"

int Random(int n) {
    int r = platform::Rand();
    if (n <= 0) return 0;
    return static_cast<int>(r / 32767.0 * n);
}
