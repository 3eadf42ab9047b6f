#pragma once
// Printing: the pages draw on a printer canvas in logical units (the map
// modes of the canvas); each printed page becomes a PNG file in the user's
// documents folder, may first be looked at in a modal window, and goes to
// the desktop's `lp` when a printer is set up.
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/gfx/canvas.h"
#include "platform/gfx/surface.h"
#include "platform/window/geometry.h"

namespace platform::win {

// A printed page: A4 at 150 dots per inch.
inline constexpr Size kPrintPageSize{1240, 1754};

// Where printouts go: $XDG_DOCUMENTS_DIR, else ~/Documents when it exists,
// else the game's data folder; always in a "Vantorel 2000" sub-folder.
std::filesystem::path PrintFolder();

// True when `lp` is on the path and a printer is set up: $PRINTER or $LPDEST,
// or a default destination that `lpstat -d` names.
bool PrinterConfigured();
// Hands a file to `lp` under a job title; false when `lp` could not run or
// reported a failure.
bool SendToPrinter(const std::filesystem::path& file, std::string_view titleCp1252);

// What a print command asks for: print (the framework's dialog had nothing
// to ask on our desktop), print directly, or look at the pages first.
enum class PrintMode { Print, Direct, Preview };

struct PrintResult {
    std::vector<std::filesystem::path> files;  // the pages written
    bool spooled = false;                      // handed to the printer
    bool cancelled = false;                    // closed in the preview, or nothing to print
    bool failed = false;                       // a page could not be written
};

class PrintJob {
public:
    explicit PrintJob(std::string titleCp1252);
    ~PrintJob();
    PrintJob(const PrintJob&) = delete;
    PrintJob& operator=(const PrintJob&) = delete;

    // A new white page and a fresh canvas on it (text map mode, device
    // pixels); valid until EndPage.
    gfx::Canvas& StartPage();
    void EndPage();
    int PageCount() const { return int(pages_.size()); }
    const gfx::Surface& Page(int i) const { return *pages_[size_t(i)]; }
    const std::string& Title() const { return title_; }

    // Ends the job. Preview shows the pages in a modal window first; its
    // "Print" goes on, "Close" (or Escape) cancels. Then every page is
    // written to the print folder and, when a printer is set up, spooled.
    PrintResult Finish(PrintMode mode);

private:
    std::string title_;
    std::vector<std::unique_ptr<gfx::Surface>> pages_;
    std::unique_ptr<gfx::Canvas> canvas_;
};

// The next free file name for a printout of `title` in `folder`
// ("League Table 001.png"); titles keep letters, digits, spaces, '-' and '_'.
std::filesystem::path NextPrintFile(const std::filesystem::path& folder, std::string_view titleCp1252);

}  // namespace platform::win
