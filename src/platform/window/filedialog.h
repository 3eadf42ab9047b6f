#pragma once
// What an open or save dialog works with, whoever draws it: the filter
// string of the old dialogs ("Text (*.ext)|*.ext; *.EXT;||"), the listing of
// a folder through a filter, and the path a typed name stands for (the
// default extension added, the folder checked).
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/window/backend.h"

namespace platform::win {

struct FileFilter {
    std::string description;            // Windows-1252, as shown
    std::vector<std::string> patterns;  // "*.qzs"; matched without regard to case
};

// "Desc|pat; pat|Desc2|pat||" into its pairs; a description without a
// pattern list matches everything.
std::vector<FileFilter> ParseFileFilter(std::string_view filter);

// '*' and '?' wildcards, letters of either case alike.
bool MatchesPattern(std::string_view name, std::string_view pattern);
bool MatchesFilter(std::string_view name, const FileFilter& filter);

struct FolderEntry {
    std::string name;
    bool folder = false;
};
// The sub-folders (".." first, unless at the root), then the files the
// filter lets through, each group sorted without regard to case. Nothing
// for a folder that cannot be read.
std::vector<FolderEntry> ListFolder(const std::filesystem::path& folder, const FileFilter& filter);

// The path a name given in the dialog stands for: relative names are taken
// in `folder`; a name without extension gets the request's default one.
// Nothing for an empty name, and, when the request says the path must
// exist, for a path whose folder does not.
std::optional<std::string> ResolveChosenPath(const FileDialogRequest& request, const std::filesystem::path& folder,
                                             std::string_view name);

}  // namespace platform::win
