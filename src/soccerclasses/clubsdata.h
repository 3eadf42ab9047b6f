#pragma once
// Opening a start-up file of the club data at a given path (tests and tools
// read files outside the installation too).
#include <cstdio>
#include <string>

// Throws DataFileError (missing) when the file cannot be opened.
FILE* OpenStartupPath(const std::string& path);
