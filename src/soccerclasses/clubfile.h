#pragma once
// Field-by-field little-endian access to the open game file for the club
// records, so no record is ever written as a raw struct.
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace clubfile {

void PutU8(FILE* f, uint8_t v);
void PutI8(FILE* f, int8_t v);
void PutU16(FILE* f, uint16_t v);
void PutI16(FILE* f, int16_t v);
void PutU32(FILE* f, uint32_t v);
void PutI32(FILE* f, int32_t v);
void PutF64(FILE* f, double v);
// A text field: i32 length, then the bytes.
void PutText(FILE* f, const std::string& s);
void PutBytes(FILE* f, const std::vector<uint8_t>& a);
void PutWords(FILE* f, const std::vector<uint16_t>& a);
void PutDWords(FILE* f, const std::vector<uint32_t>& a);

uint8_t GetU8(FILE* f);
int8_t GetI8(FILE* f);
uint16_t GetU16(FILE* f);
int16_t GetI16(FILE* f);
uint32_t GetU32(FILE* f);
int32_t GetI32(FILE* f);
double GetF64(FILE* f);
// A length outside 0..99,999 marks the file damaged and gives "".
std::string GetText(FILE* f);
// A count that is negative or larger than the format allows marks the file
// damaged and gives an empty array.
std::vector<uint8_t> GetBytes(FILE* f);
std::vector<uint16_t> GetWords(FILE* f);
std::vector<uint32_t> GetDWords(FILE* f);

}  // namespace clubfile
