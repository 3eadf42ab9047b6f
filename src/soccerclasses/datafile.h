#pragma once
// Finding the start-up files: under the installation folder first, then the
// disc folder. A missing or damaged start-up file cannot be played around:
// the reader throws DataFileError, and the program shows its text and ends.
#include <stdexcept>
#include <string>

class DataFileError : public std::runtime_error {
public:
    enum Kind { kMissing, kDamaged };
    DataFileError(Kind kind, std::string gamePath, std::string message)
        : std::runtime_error(message), kind_(kind), path_(std::move(gamePath)) {}
    Kind GetKind() const { return kind_; }
    const std::string& GetPath() const { return path_; }

private:
    Kind kind_;
    std::string path_;
};

// "ERROR! Cannot find file : %s"
inline constexpr const char* kCannotFindFileText = "ERROR! Cannot find file : %s";
// The string-table id of "ERROR! Damaged file : %s".
inline constexpr unsigned kDamagedFileStringId = 60000;

// The full path of an existing start-up file; throws DataFileError (kMissing)
// naming the disc-folder path when neither folder holds it.
std::string FindDataFile(const std::string& gamePath);
// The same without the stop: the disc-folder path when neither holds it.
std::string FindDataFilePath(const std::string& gamePath);

// Throws DataFileError (kDamaged) for a start-up file that did not read well.
[[noreturn]] void ThrowDamagedDataFile(const std::string& gamePath);

// Opens a start-up file on the channel for reading: FindDataFile, then
// OpenGameFile. Throws when it is missing or cannot be opened.
FILE* OpenDataFile(const std::string& gamePath);
// Closes it; throws when the file was damaged or ended early.
void CloseDataFile(FILE* file, const std::string& gamePath);
