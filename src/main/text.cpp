#include "main/text.h"

#include <QString>

#include "platform/codepage.h"

namespace dravik {
namespace {

// Letters that have no canonical decomposition but are written as a plain
// letter with a stroke or a ligature of one.
char16_t plainLetterOf(char16_t c) {
    switch (c) {
        case u'\u00E6':
            return u'a';  // ae
        case u'\u00DF':
            return u's';  // sharp s
        case u'\u00F0':
            return u'd';  // eth
        case u'\u00FE':
            return u't';  // thorn
        case u'\u0153':
            return u'o';  // oe
        case u'\u00F8':
            return u'o';  // o stroke
        case u'\u0142':
            return u'l';  // l stroke
        case u'\u0111':
            return u'd';  // d stroke
        case u'\u0131':
            return u'i';  // dotless i
        default:
            break;
    }
    const QString nfd = QString(QChar(c)).normalized(QString::NormalizationForm_D);
    return nfd.isEmpty() ? c : nfd.at(0).unicode();
}

// The byte of a character, or `otherwise` when the code page lacks it.
unsigned char byteOr(const CodePage& page, char16_t c, unsigned char otherwise) {
    const std::string b = page.fromUnicode(QString(QChar(c)));
    return b.size() == 1 && (b[0] != '?' || c == u'?') ? static_cast<unsigned char>(b[0]) : otherwise;
}

}  // namespace

std::string PathToText(std::string_view path) {
    return toCodePage(QString::fromUtf8(path.data(), static_cast<qsizetype>(path.size())));
}

std::string TextToPath(std::string_view text) { return fromCodePage(text).toStdString(); }

ListOrderKeys ListOrderKeysOf(const CodePage& page) {
    ListOrderKeys keys{};
    for (int b = 0; b < 256; ++b) {
        const auto byte = static_cast<unsigned char>(b);
        keys.lower[b] = byteOr(page, QChar(page.toUnicode(byte)).toLower().unicode(), byte);
    }
    for (int b = 0; b < 256; ++b) {
        const unsigned char lower = keys.lower[b];
        keys.base[b] = byteOr(page, plainLetterOf(page.toUnicode(lower)), lower);
    }
    return keys;
}

}  // namespace dravik
