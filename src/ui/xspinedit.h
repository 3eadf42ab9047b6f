#pragma once
// The numeric field with a decrease and an increase arrow. The page relays
// its presses and releases to it; its value, arrows and repeat come with
// the field itself, in this class.
#include "ui/xwnd.h"

class CXSpinedit : public CXWnd {};
