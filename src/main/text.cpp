#include "main/text.h"

#include <QString>

#include "platform/codepage.h"

namespace dravik {

std::string PathToText(std::string_view path) {
    return toCp1252(QString::fromUtf8(path.data(), static_cast<qsizetype>(path.size())));
}

std::string TextToPath(std::string_view text) { return fromCp1252(text).toStdString(); }

}  // namespace dravik
