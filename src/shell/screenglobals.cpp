#include "shell/screenglobals.h"

int g_nScreenId = 0;
int g_nCurrentScreen = 0;
int g_nTreeSelectionLevel = 0;
uintptr_t g_nTreeSelectionData = 0;
int g_nTreeSelectionKind = 255;

CPlayer* g_pSelectedPlayer = nullptr;
CBasicEmployee* g_pSelectedEmployee = nullptr;

namespace {
std::function<bool(HelpModes&)> g_helpQuery;
}

int GetCurrentScreenId() {
    return g_nScreenId;
}

bool QueryHelpModes(HelpModes& modes) {
    return g_helpQuery && g_helpQuery(modes);
}

void SetHelpModesQuery(std::function<bool(HelpModes&)> query) {
    g_helpQuery = std::move(query);
}
