#pragma once
// The screen tables every game page is built from: one row a page (caption,
// colour, background, layout), the pages' control rows in page order, and
// the definitions and names the rows point at. They are written as text
// under assets/screens/ and compiled in by tools/screentables.
#include <cstdint>

namespace screentables {

inline constexpr int kPageCount = 120;
inline constexpr int kNoBackground = 75;
inline constexpr int kMaxColumns = 13;
inline constexpr int kTextDefinitions = 500;
inline constexpr int kBackgroundSlots = 100;
inline constexpr int kBitmapSlots = 1000;
inline constexpr int kFaceSlots = 10;
inline constexpr int kHeaderSlots = 10;
inline constexpr int kColours = 12;

struct ScreenRow {
    int32_t controlCount;
    int32_t caption;     // string id
    int32_t colour;      // index of kColourTable
    int32_t background;  // index of kBackgroundNames; kNoBackground for none
    uint8_t fullPage;    // shown full page (only the check reads it)
};

struct ControlRow {
    int32_t definition;
    int32_t stringId;  // the text, and the control's id
    int32_t x, y;
    uint32_t flags;
};

struct ColumnDefinition {
    uint32_t format;       // 0 ends the columns
    int32_t headerBitmap;  // index of kHeaderNames, -1 none
    int32_t width;
    int32_t heading;       // string ids
    int32_t text2;
};

struct RGBWords {
    int32_t r, g, b;
};

struct ListDefinition {
    int32_t number;
    int32_t width, height;
    int32_t rowHeight;
    int32_t gap;  // between columns
    int32_t rowFace, rowSize, rowStyle;
    RGBWords rowColour;  // given to the rows the list holds
    RGBWords selectedColour;
    int32_t headerFace, headerSize, headerStyle;
    RGBWords headerColour;
    int32_t barLeft, barTop, barHeight, barWidth;
    uint32_t listFlags;
    ColumnDefinition columns[kMaxColumns];
};

struct EditDefinition {
    int32_t number;
    int32_t width, height;
    int32_t controlId;
    int32_t unused;
    uint32_t style;  // 0x100 read-only
    int32_t face, size, fontStyle;
    RGBWords textColour, background;
    int32_t further;
};

struct TextDefinition {
    int32_t number;  // its index; -1 for an empty place
    int32_t width, height;
    RGBWords colour;
    int32_t fontStyle;
    int32_t face, size;
    uint32_t labelStyle;
    RGBWords background;
};

struct NormalButtonDefinition {
    int32_t number;  // also its picture's bitmap index
    int32_t width, height;
};

// Push and check buttons: three bitmap indexes and a size.
struct PushButtonDefinition {
    int32_t number;  // the first bitmap index
    int32_t second, third;
    int32_t width, height;
};

struct AnimButtonDefinition {
    int32_t number;  // also the bitmap index of its frame-name format
    int32_t frames;
    int32_t width, height;
    int32_t pauseMs;
    int32_t passMs;
};

struct EditText {
    int32_t stringId;
    const char* text;
};

extern const ScreenRow kScreens[kPageCount];
extern const ControlRow kControls[];
extern const int kControlCount;
extern const ListDefinition kLists[];
extern const int kListCount;
extern const EditDefinition kEdits[];
extern const int kEditCount;
extern const TextDefinition kTexts[kTextDefinitions];
extern const NormalButtonDefinition kNormalButtons[];
extern const int kNormalButtonCount;
extern const PushButtonDefinition kPushButtons[];
extern const int kPushButtonCount;
extern const PushButtonDefinition kCheckButtons[];
extern const int kCheckButtonCount;
extern const AnimButtonDefinition kAnimButtons[];
extern const int kAnimButtonCount;
extern const char* const kBackgroundNames[kBackgroundSlots];
extern const char* const kBitmapNames[kBitmapSlots];
extern const char* const kFaceNames[kFaceSlots];
extern const char* const kHeaderNames[kHeaderSlots];
extern const EditText kEditTexts[];
extern const int kEditTextCount;
extern const uint32_t kColourTable[kColours];  // COLORREF

// The index of page n's first control row (the rows of pages 0 to n - 1
// come first); -1 outside the pages.
int FirstControlRow(int page);
// Look-ups by definition number; null when there is none.
const ListDefinition* FindList(int number);
const EditDefinition* FindEdit(int number);
const TextDefinition* FindText(int number);
const NormalButtonDefinition* FindNormalButton(int number);
const PushButtonDefinition* FindPushButton(int number);
const PushButtonDefinition* FindCheckButton(int number);
const AnimButtonDefinition* FindAnimButton(int number);
// The initial text of an edit box whose row names `stringId`; null for none.
const char* FindEditText(int stringId);

}  // namespace screentables
