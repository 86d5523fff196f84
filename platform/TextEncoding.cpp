// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/TextEncoding.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <string_view>

#ifdef _WIN32
#include "platform/windows/AnsiCodePage.h"
#else
#include <langinfo.h>
#include <locale.h>
#endif

namespace pilecalc::platform {

namespace {

// Characters every report contains; a character set that cannot write them
// cannot hold the reports.
const char16_t kReportProbe[] = u"嵌岩桩计算书港口工程桩基规范计算时间：";
// The figures, pile names and separators of the reports: a set that does not
// write them as ASCII bytes (UTF-16, EBCDIC) would garble every number.
const char16_t kAsciiProbe[] =
    u" !\"#$%&'()*+,-./0123456789:;<=>?@"
    u"ABCDEFGHIJKLMNOPQRSTUVWXYZ[\\]^_`abcdefghijklmnopqrstuvwxyz{|}~\r\n";

bool isUtf8Name(QByteArray name) {
    name = name.toUpper().replace("-", "").replace("_", "");
    return name == "UTF8";
}

bool isHighSurrogate(char16_t u) { return u >= 0xD800 && u <= 0xDBFF; }
bool isLowSurrogate(char16_t u) { return u >= 0xDC00 && u <= 0xDFFF; }

// The Chinese sets of Linux locales, whose bytes the files have always had
// (the C library's tables). Qt's converter (ICU) differs from those tables in
// a few places, evened out below so that a file's bytes do not depend on the
// converter: its GB2312 holds GBK's additions and reads the middle dot and
// dash as other characters, its GBK maps the private use area, and its
// GB18030 keeps the 2000 edition's codes for the characters the 2005 edition
// moved. The tables below were checked against the C library for every code
// point.
enum class Family { Other, Gbk, Gb2312, Gb18030 };

Family familyOf(QByteArray name) {
    name = name.toUpper().replace("-", "").replace("_", "");
    if (name == "GBK" || name == "CP936" || name == "MS936" || name == "WINDOWS936") return Family::Gbk;
    if (name == "GB2312" || name == "EUCCN" || name == "CSGB2312" || name == "GB231280") return Family::Gb2312;
    if (name == "GB18030") return Family::Gb18030;
    return Family::Other;
}

// A character, or a range of them, whose bytes in a family differ from what
// Qt's converter writes. `bytes` null: the set lacks it ('?'); empty: the
// character is written as nothing (the C library drops language tags).
struct Rule {
    unsigned families;  // bit mask of (1 << Family)
    char32_t first;
    char32_t last;
    const char* bytes;
};

constexpr unsigned kGbk = 1u << static_cast<int>(Family::Gbk);
constexpr unsigned kGb2312 = 1u << static_cast<int>(Family::Gb2312);
constexpr unsigned kGb18030 = 1u << static_cast<int>(Family::Gb18030);

constexpr Rule kRules[] = {
    // No private use characters, no C1 controls, tags dropped.
    {kGbk | kGb2312, 0x0080, 0x009F, nullptr},
    {kGbk | kGb2312, 0xE000, 0xF8FF, nullptr},
    {kGbk | kGb2312, 0xE0000, 0xE007F, ""},
    // GB 2312 proper: the middle dot and the dash are the katakana dot and
    // the horizontal bar; the GBK additions within its rows are missing.
    {kGb2312, 0x30FB, 0x30FB, "\xA1\xA4"},
    {kGb2312, 0x2015, 0x2015, "\xA1\xAA"},
    {kGb2312, 0x00B7, 0x00B7, nullptr},
    {kGb2312, 0x2014, 0x2014, nullptr},
    {kGb2312, 0x0144, 0x0144, nullptr},
    {kGb2312, 0x0148, 0x0148, nullptr},
    {kGb2312, 0x0251, 0x0251, nullptr},
    {kGb2312, 0x0261, 0x0261, nullptr},
    {kGb2312, 0x2170, 0x2179, nullptr},
    {kGb2312, 0xFE31, 0xFE31, nullptr},
    {kGb2312, 0xFE33, 0xFE44, nullptr},
    // GB18030-2005: these characters left the private use area for the codes
    // that had held them there; the private use codes they had are gone.
    {kGb18030, 0x9FB4, 0x9FB4, "\xFE\x59"},
    {kGb18030, 0x9FB5, 0x9FB5, "\xFE\x61"},
    {kGb18030, 0x9FB6, 0x9FB6, "\xFE\x66"},
    {kGb18030, 0x9FB7, 0x9FB7, "\xFE\x67"},
    {kGb18030, 0x9FB8, 0x9FB8, "\xFE\x6D"},
    {kGb18030, 0x9FB9, 0x9FB9, "\xFE\x7E"},
    {kGb18030, 0x9FBA, 0x9FBA, "\xFE\x90"},
    {kGb18030, 0x9FBB, 0x9FBB, "\xFE\xA0"},
    {kGb18030, 0xFE10, 0xFE10, "\xA6\xD9"},
    {kGb18030, 0xFE11, 0xFE11, "\xA6\xDB"},
    {kGb18030, 0xFE12, 0xFE12, "\xA6\xDA"},
    {kGb18030, 0xFE13, 0xFE13, "\xA6\xDC"},
    {kGb18030, 0xFE14, 0xFE14, "\xA6\xDD"},
    {kGb18030, 0xFE15, 0xFE15, "\xA6\xDE"},
    {kGb18030, 0xFE16, 0xFE16, "\xA6\xDF"},
    {kGb18030, 0xFE17, 0xFE17, "\xA6\xEC"},
    {kGb18030, 0xFE18, 0xFE18, "\xA6\xED"},
    {kGb18030, 0xFE19, 0xFE19, "\xA6\xF3"},
    {kGb18030, 0x20087, 0x20087, "\xFE\x51"},
    {kGb18030, 0x20089, 0x20089, "\xFE\x52"},
    {kGb18030, 0x200CC, 0x200CC, "\xFE\x53"},
    {kGb18030, 0x215D7, 0x215D7, "\xFE\x6C"},
    {kGb18030, 0x2298F, 0x2298F, "\xFE\x76"},
    {kGb18030, 0x241FE, 0x241FE, "\xFE\x91"},
    {kGb18030, 0xE78D, 0xE796, nullptr},
    {kGb18030, 0xE816, 0xE818, nullptr},
    {kGb18030, 0xE81E, 0xE81E, nullptr},
    {kGb18030, 0xE826, 0xE826, nullptr},
    {kGb18030, 0xE82B, 0xE82C, nullptr},
    {kGb18030, 0xE831, 0xE832, nullptr},
    {kGb18030, 0xE83B, 0xE83B, nullptr},
    {kGb18030, 0xE843, 0xE843, nullptr},
    {kGb18030, 0xE854, 0xE855, nullptr},
    {kGb18030, 0xE864, 0xE864, nullptr},
};

struct Charset {
    QByteArray qtName;  // the name Qt's converter is opened with
    Family family = Family::Other;
};

Charset charsetOf(const QByteArray& codeset) {
    const Family family = familyOf(codeset);
    // GB2312 is the GBK table restricted to the GB 2312 rows (checked below).
    return {family == Family::Gb2312 ? QByteArray("GBK") : codeset, family};
}

// The rule for a character in a family, null when Qt's converter writes it
// as the C library does.
const Rule* ruleFor(Family family, char32_t c) {
    const unsigned bit = 1u << static_cast<int>(family);
    for (const Rule& rule : kRules) {
        if ((rule.families & bit) && c >= rule.first && c <= rule.last) return &rule;
    }
    return nullptr;
}

// GB 2312 bytes: ASCII, or two bytes in rows 0xA1-0xF7, columns 0xA1-0xFE.
bool inGb2312Rows(const QByteArray& bytes) {
    for (qsizetype k = 0; k < bytes.size(); ++k) {
        const auto lead = static_cast<unsigned char>(bytes[k]);
        if (lead < 0x80) continue;
        if (k + 1 >= bytes.size()) return false;
        const auto trail = static_cast<unsigned char>(bytes[++k]);
        if (lead < 0xA1 || lead > 0xF7 || trail < 0xA1 || trail > 0xFE) return false;
    }
    return true;
}

// Qt's converter either writes a character exactly or substitutes something
// of the set's own choice (0x1A, a full-width blank, or a look-alike through
// a one-way mapping). A character counts as written only when its bytes read
// back as the same character.
bool writesExactly(const Charset& set, QStringView text, QByteArray& bytes) {
    QStringEncoder encoder(set.qtName.constData(), QStringConverter::Flag::Stateless);
    bytes = encoder.encode(text);
    if (encoder.hasError()) return false;
    if (set.family == Family::Gb2312 && !inGb2312Rows(bytes)) return false;
    QStringDecoder decoder(set.qtName.constData(), QStringConverter::Flag::Stateless);
    const QString back = decoder.decode(bytes);
    return !decoder.hasError() && back == text;
}

// One character (a surrogate pair counts as one) the long way.
void appendCharacter(const Charset& set, QStringView character, QByteArray& out) {
    const char32_t c =
        character.size() == 2 ? QChar::surrogateToUcs4(character[0], character[1]) : char32_t{character[0].unicode()};
    if (const Rule* rule = ruleFor(set.family, c)) {
        out += rule->bytes ? rule->bytes : "?";
        return;
    }
    QByteArray piece;
    if (writesExactly(set, character, piece)) {
        out += piece;
    } else {
        out += '?';
    }
}

// The text in the named set, '?' for each character the set lacks and for a
// lone surrogate. Returns false when anything had to be replaced.
bool convert(const Charset& set, const QString& text, QByteArray& out) {
    const char16_t* units = reinterpret_cast<const char16_t*>(text.utf16());
    const qsizetype count = text.size();
    // Rows of figures are ASCII only: every accepted set writes ASCII as itself.
    qsizetype firstNonAscii = 0;
    while (firstNonAscii < count && units[firstNonAscii] < 0x80) ++firstNonAscii;
    if (firstNonAscii == count) {
        out = text.toLatin1();
        return true;
    }
    bool plain = true;  // nothing that needs a rule of its own
    for (qsizetype k = firstNonAscii; k < count && plain; ++k) {
        if (units[k] < 0x80) continue;
        if (isHighSurrogate(units[k]) && k + 1 < count && isLowSurrogate(units[k + 1])) {
            plain = !ruleFor(set.family, QChar::surrogateToUcs4(units[k], units[k + 1]));
            ++k;
        } else {
            plain = !ruleFor(set.family, units[k]);
        }
    }
    if (plain && writesExactly(set, text, out)) return true;
    // Something is missing or special: character by character, so each gap is
    // one '?'. Plain ASCII is passed on as it is (the encoder takes only sets
    // that write ASCII as itself).
    out.clear();
    out.reserve(text.size() * 2);
    bool exact = true;
    for (qsizetype k = 0; k < count;) {
        if (units[k] < 0x80) {
            out += static_cast<char>(units[k]);
            ++k;
            continue;
        }
        qsizetype width = 1;
        if (isHighSurrogate(units[k]) && k + 1 < count && isLowSurrogate(units[k + 1])) width = 2;
        const bool lone = width == 1 && (isHighSurrogate(units[k]) || isLowSurrogate(units[k]));
        const qsizetype before = out.size();
        if (lone) {
            out += '?';
        } else {
            appendCharacter(set, QStringView(units + k, width), out);
        }
        if (lone || (out.size() == before + 1 && out.back() == '?')) exact = false;
        k += width;
    }
    return exact;
}

}  // namespace

// How the text of one character set is made: Qt's converter for the set's
// name, or, on Windows, the system's own conversion to its ANSI code page.
struct ResultEncoder::Converter {
    Charset set;
    bool windowsAnsi = false;
};

QByteArray environmentLocaleName() {
    // The order in which the C library looks for the character-type locale.
    for (const char* variable : {"LC_ALL", "LC_CTYPE", "LANG"}) {
        const QByteArray value = qgetenv(variable);
        if (!value.isEmpty()) return value;
    }
    return {};
}

QByteArray codesetOfLocaleName(const QByteArray& localeName) {
    const qsizetype dot = localeName.indexOf('.');
    if (dot < 0) return {};
    QByteArray codeset = localeName.mid(dot + 1);
    const qsizetype modifier = codeset.indexOf('@');
    if (modifier >= 0) codeset.truncate(modifier);
    return codeset;
}

#ifdef _WIN32

QByteArray systemCodeset() {
    const unsigned page = windows::ansiCodePage();
    if (page == 65001) return QByteArray("UTF-8");
    return "CP" + QByteArray::number(page);
}

#else

QByteArray systemCodeset() {
    locale_t loc = newlocale(LC_CTYPE_MASK, "", nullptr);
    if (!loc) {
        // A locale named but not installed ("zh_CN.GBK" on a machine without
        // it): its name still says which character set the user works in.
        const QByteArray named = codesetOfLocaleName(environmentLocaleName());
        if (!named.isEmpty() && QStringEncoder(named.constData()).isValid()) return named;
        loc = newlocale(LC_CTYPE_MASK, "C", nullptr);
    }
    if (!loc) return QByteArray("ANSI_X3.4-1968");
    QByteArray codeset(nl_langinfo_l(CODESET, loc));
    freelocale(loc);
    return codeset;
}

#endif

ResultEncoder::ResultEncoder(QByteArray codeset, ResultFileKind kind) : m_kind(kind) {
    if (codeset.isEmpty() || isUtf8Name(codeset)) return;
    auto converter = std::make_shared<Converter>();
    converter->set = charsetOf(codeset);
#ifdef _WIN32
    converter->windowsAnsi = codeset == systemCodeset();
    if (converter->windowsAnsi) {
        if (!windows::toAnsiCodePage(kReportProbe).exact) return;  // cannot hold Chinese: UTF-8
        m_converter = std::move(converter);
        return;
    }
#endif
    const Charset& set = converter->set;
    if (!QStringEncoder(set.qtName.constData()).isValid()) return;  // unknown set: UTF-8
    QByteArray probe;
    const QString ascii = QString::fromUtf16(kAsciiProbe);
    if (!writesExactly(set, ascii, probe) || probe != ascii.toLatin1()) return;
    if (!convert(set, QString::fromUtf16(kReportProbe), probe)) return;  // cannot hold Chinese: UTF-8
    m_converter = std::move(converter);
}

QByteArray ResultEncoder::prefix() const {
    if (writesUtf8() && m_kind == ResultFileKind::Memo) return QByteArray("\xEF\xBB\xBF");
    return {};
}

QByteArray ResultEncoder::encode(const QString& text) const {
    if (writesUtf8()) return text.toUtf8();
#ifdef _WIN32
    if (m_converter->windowsAnsi) {
        const std::u16string_view units(reinterpret_cast<const char16_t*>(text.utf16()),
                                        static_cast<std::size_t>(text.size()));
        const std::string bytes = windows::toAnsiCodePage(units).bytes;
        return QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size()));
    }
#endif
    QByteArray out;
    convert(m_converter->set, text, out);
    return out;
}

}  // namespace pilecalc::platform
