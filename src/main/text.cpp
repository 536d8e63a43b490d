#include "main/text.h"

#include <QString>

#include "platform/codepage.h"

namespace dravik {

std::string PathToText(std::string_view path) {
    return toCodePage(QString::fromUtf8(path.data(), static_cast<qsizetype>(path.size())));
}

std::string TextToPath(std::string_view text) { return fromCodePage(text).toStdString(); }

}  // namespace dravik
