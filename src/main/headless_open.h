#pragma once
// The client league file reader run on its own, on a fresh program with no
// user interface: for fuzz targets and tools that feed it arbitrary files.
// Each call builds its own program (test doubles for every service, a
// temporary program folder) and tears it down afterwards.

#include <string>
#include <string_view>
#include <vector>

namespace dravik {

struct HeadlessOpenResult {
    // The league was read and put in place ("LastLoadLeague" names the file).
    bool opened = false;
    // Every message box shown, in order (texts of the code page).
    std::vector<std::string> messages;
    // No file was left in the program folder but the league file itself.
    bool workingCopyRemoved = true;
};

// Opens the file at path as the main window's "&Open ..." would. With
// skipZip, the "SkipZIPClient" setting reads "YES": the file is read as it
// is, without unpacking.
HeadlessOpenResult OpenLeagueFileHeadless(const std::string& path, bool skipZip = false);

// The same for bytes, written first to a league file in the temporary
// program folder. Throws std::runtime_error only when no temporary folder
// can be made or written.
HeadlessOpenResult OpenLeagueBytesHeadless(std::string_view fileBytes, bool skipZip = false);

}  // namespace dravik
