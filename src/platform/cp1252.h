#pragma once
// Windows-1252 <-> UTF-8. Game texts are Windows-1252 bytes; they become
// Unicode only to be drawn, and the UTF-8 asset tables become 1252 when built.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

// The Unicode code point of a Windows-1252 byte. The five bytes 1252 leaves
// undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the C1 controls of the same
// value, so every byte round-trips.
char32_t Cp1252ToCodePoint(uint8_t byte);

// The byte for a code point, or nothing when 1252 cannot hold it.
std::optional<uint8_t> CodePointToCp1252(char32_t cp);

std::string Cp1252ToUtf8(std::string_view text);

// Nothing when the input is not valid UTF-8 or holds a character 1252 lacks;
// `badOffset`, when given, receives the byte offset of the first such character.
std::optional<std::string> Utf8ToCp1252(std::string_view utf8, size_t* badOffset = nullptr);

// Decodes one UTF-8 sequence at `pos`, advancing it; nothing on a malformed sequence.
std::optional<char32_t> DecodeUtf8(std::string_view utf8, size_t& pos);
void AppendUtf8(std::string& out, char32_t cp);

// Case conversion for 1252 letters, accented ones included; the C locale's
// toupper would leave them alone.
uint8_t Cp1252ToUpper(uint8_t c);
uint8_t Cp1252ToLower(uint8_t c);
std::string Cp1252Upper(std::string_view text);
std::string Cp1252Lower(std::string_view text);
int Cp1252CompareNoCase(std::string_view a, std::string_view b);

}  // namespace platform
