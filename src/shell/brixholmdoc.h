#pragma once
// The empty document the single-document frame requires; games are saved
// and loaded by the world itself.
#include "platform/window/framewnd.h"

class CBrixholmDoc : public platform::win::CommandTarget {
public:
    bool OnCmdMsg(uint32_t, uint32_t) override { return false; }
};
