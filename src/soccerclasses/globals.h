#pragma once
// The one buffered file channel of start-up files and saved games, and the
// game's random draws. Least form for the club code; the world core owns it.
#include <cstddef>
#include <cstdint>
#include <cstdio>

FILE* OpenGameFile(const char* path, const char* mode);
void ReadGameFile(void* destination, int32_t count, FILE* file);
void SkipGameFile(void* ignored, int32_t count, FILE* file);
void WriteGameFile(const void* source, size_t size, size_t count, FILE* file);
int CloseGameFile(FILE* file);
// Set by a read past the end; cleared by the next open.
bool IsGameFileDamaged();
void MarkGameFileDamaged();

// 0..n from the game's generator; n itself only on the top draw. n <= 0 gives 0.
int Random(int n);
