// The file names of the files written for a team: league texts are Windows-1252
// bytes, paths native UTF-8. Kept apart from the record code because Qt's
// headers take the word "slots" for themselves.
#include <QString>

#include "league/files.h"
#include "platform/codepage.h"
#include "team/lines_file.h"

namespace dravik {

std::optional<std::string> TeamFilePath(const std::string& programFolder, const TeamInfo& team,
                                        std::string_view extension) {
    const std::string name = StripBlanks(team.Name.raw());
    if (name.find('/') != std::string::npos) return std::nullopt;
    return programFolder + "/" + fromCp1252(name).toStdString() + std::string(extension);
}

std::optional<std::string> TeamLinesPath(const std::string& programFolder, const TeamInfo& team) {
    return TeamFilePath(programFolder, team, linesfile::Extension);
}

std::string PathText(const std::string& path) { return toCp1252(QString::fromStdString(path)); }

}  // namespace dravik
