#pragma once
// The save-file channel: every start-up file and every saved game passes
// through these functions, one file at a time, in blocks of 102,400 bytes.
//
// A reader never sees bytes that are not in the file: a read past the end
// gives zeros and marks the file damaged, and the mark stays until the next
// open, so a loader checks once, after the whole file. Writes go to a
// temporary file that replaces the target only when CloseGameFile has
// written and flushed everything.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <string>

inline constexpr size_t kGameFileBlock = 102400;

// CloseGameFile's results.
inline constexpr int kGameFileClosed = 0;      // closed, everything read or written well
inline constexpr int kGameFileFailed = 1;      // a write failed, or the file read was damaged
inline constexpr int kGameFileNotOpen = -1;    // there was no file to close

// Opens the one channel file with "rb" or "wb". NULL when it cannot be
// opened or another file is still open.
FILE* OpenGameFile(const std::string& path, const char* mode);
void ReadGameFile(void* dest, size_t count, FILE* file);
void SkipGameFile(void* ignored, size_t count, FILE* file);
void WriteGameFile(const void* source, size_t size, size_t count, FILE* file);
int CloseGameFile(FILE* file);

// Opens `path` for reading, runs `load` on it and closes it. False, with the
// reason in `why`, when the file cannot be opened, `load` fails, or the file
// turned out damaged or short.
bool ReadWholeGameFile(const std::string& path, const std::function<bool(FILE*)>& load,
                       std::string* why = nullptr);

bool GameFileIsOpen();
// True once the file read or written has gone wrong; cleared by the next open.
bool GameFileDamaged();
// For a reader that finds a field that makes no sense.
void MarkGameFileDamaged(const char* why);
// Bytes not yet read from the file open for reading; 0 otherwise.
uint64_t GameFileBytesLeft();
// Closes whatever is open (a write is abandoned) and clears the channel.
void ResetGameFileChannel();

// Fields of the record format: little-endian, fixed widths.
void SaveByte(FILE* file, uint8_t v);
void SaveWord(FILE* file, uint16_t v);
void SaveInt16(FILE* file, int16_t v);
void SaveInt32(FILE* file, int32_t v);
void SaveUInt32(FILE* file, uint32_t v);
void SaveDouble(FILE* file, double v);
uint8_t LoadByte(FILE* file);
uint16_t LoadWord(FILE* file);
int16_t LoadInt16(FILE* file);
int32_t LoadInt32(FILE* file);
uint32_t LoadUInt32(FILE* file);
double LoadDouble(FILE* file);

// Reads an int32 count of items that each take at least `minItemBytes` in
// the file. A negative count, or one the rest of the file could not hold,
// marks the file damaged and gives 0, before anything is allocated.
int32_t LoadCount(FILE* file, size_t minItemBytes);

// Section markers are text fields ("TEST1", "BXQT"); a different one marks
// the file damaged and gives false.
void SaveMarker(FILE* file, const char* marker);
bool LoadMarker(FILE* file, const char* marker);
