#include "shell/setupstate.h"

#include <string>

#include "platform/profile.h"

SetupState g_SetupState;

void LoadManagerFaces(SetupState& state) {
    for (int slot = 0; slot < kManagerSlotCount; ++slot) {
        const std::string section = "manager" + std::to_string(slot);
        auto get = [&](const char* key) { return static_cast<int8_t>(platform::GetProfileInt(section, key, 0)); };
        PhotofitFace f;
        f.skin = get("Race");
        f.hairColour = get("Colour");
        f.hairStyle = get("Hair");
        f.eyes = get("Eye");
        f.nose = get("Nose");
        f.chin = get("Chin");
        f.mouth = get("Mouth");
        f.beard = get("Beard");
        // The ninth value is the pages' to leave alone: no backdrop choice is
        // stored, so every manager starts on the first.
        f.back = 0;
        // The hair length follows the stored style until the user changes it.
        f.GetHairPath(true);
        f.step = 0;
        state.managerFaces[static_cast<size_t>(slot)] = f;
    }
}
