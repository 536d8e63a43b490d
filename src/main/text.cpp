#include "main/text.h"

#include <QString>
#include <utility>

#include "platform/codepage.h"

namespace dravik {
namespace {

// Letters that have no canonical decomposition but are written as a plain
// letter with a stroke, or are a ligature of one.
constexpr std::pair<char16_t, char16_t> kWrittenLike[] = {
    {u'\u00E6', u'a'}, {u'\u00DF', u's'}, {u'\u00F0', u'd'}, {u'\u00FE', u't'}, {u'\u0153', u'o'},
    {u'\u00F8', u'o'}, {u'\u0142', u'l'}, {u'\u0111', u'd'}, {u'\u0131', u'i'},
};

char16_t plainLetterOf(char16_t c) {
    for (const auto& [letter, plain] : kWrittenLike)
        if (letter == c) return plain;
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
