#include "shell/screentables.h"

namespace screentables {

namespace {

template <class T>
const T* FindByNumber(const T* table, int count, int number) {
    for (int i = 0; i < count; ++i)
        if (table[i].number == number) return &table[i];
    return nullptr;
}

}  // namespace

int FirstControlRow(int page) {
    if (page < 0 || page >= kPageCount) return -1;
    int first = 0;
    for (int p = 0; p < page; ++p) first += kScreens[p].controlCount;
    return first;
}

const ListDefinition* FindList(int number) { return FindByNumber(kLists, kListCount, number); }
const EditDefinition* FindEdit(int number) { return FindByNumber(kEdits, kEditCount, number); }
const NormalButtonDefinition* FindNormalButton(int number) {
    return FindByNumber(kNormalButtons, kNormalButtonCount, number);
}
const PushButtonDefinition* FindPushButton(int number) { return FindByNumber(kPushButtons, kPushButtonCount, number); }
const PushButtonDefinition* FindCheckButton(int number) {
    return FindByNumber(kCheckButtons, kCheckButtonCount, number);
}
const AnimButtonDefinition* FindAnimButton(int number) { return FindByNumber(kAnimButtons, kAnimButtonCount, number); }

const TextDefinition* FindText(int number) {
    // Indexed by number; an empty place, or a number past the table, is none.
    if (number < 0 || number >= kTextDefinitions || kTexts[number].number != number) return nullptr;
    return &kTexts[number];
}

const char* FindEditText(int stringId) {
    for (int i = 0; i < kEditTextCount; ++i)
        if (kEditTexts[i].stringId == stringId) return kEditTexts[i].text;
    return nullptr;
}

}  // namespace screentables
