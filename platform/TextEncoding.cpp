#include "platform/TextEncoding.h"

#include <iconv.h>
#include <langinfo.h>
#include <locale.h>

#include <QSysInfo>
#include <cerrno>
#include <cstdlib>
#include <clocale>

namespace pilecalc::platform {
namespace {

constexpr const char* kUtf16 = QSysInfo::ByteOrder == QSysInfo::LittleEndian ? "UTF-16LE" : "UTF-16BE";

// Characters every report contains; a character set that cannot write them
// cannot hold the reports.
const char16_t kReportProbe[] = u"嵌岩桩计算书港口工程桩基规范计算时间：";

bool isUtf8Name(QByteArray name) {
    name = name.toUpper().replace("-", "").replace("_", "");
    return name == "UTF8";
}

iconv_t asIconv(const std::shared_ptr<void>& handle) { return static_cast<iconv_t>(handle.get()); }

// Converts UTF-16 text with the converter; a character that the target set
// lacks becomes '?'. Returns false when anything had to be replaced.
bool convert(iconv_t cd, const QString& text, QByteArray& out) {
    iconv(cd, nullptr, nullptr, nullptr, nullptr);  // initial shift state
    const auto* units = reinterpret_cast<const char16_t*>(text.utf16());
    const qsizetype unitCount = text.size();
    out.resize(unitCount * 4 + 16);
    char* in = const_cast<char*>(reinterpret_cast<const char*>(units));
    std::size_t inLeft = static_cast<std::size_t>(unitCount) * 2;
    char* dst = out.data();
    std::size_t dstLeft = static_cast<std::size_t>(out.size());
    bool exact = true;

    const auto grow = [&]() {
        const qsizetype used = dst - out.data();
        out.resize(out.size() * 2);
        dst = out.data() + used;
        dstLeft = static_cast<std::size_t>(out.size() - used);
    };
    const auto replace = [&]() {
        exact = false;
        if (dstLeft == 0) grow();
        *dst++ = '?';
        --dstLeft;
        // Skip one whole character: a valid surrogate pair is two units.
        const char16_t first = *reinterpret_cast<const char16_t*>(in);
        std::size_t skip = 2;
        if (first >= 0xD800 && first <= 0xDBFF && inLeft >= 4) {
            const char16_t second = *reinterpret_cast<const char16_t*>(in + 2);
            if (second >= 0xDC00 && second <= 0xDFFF) skip = 4;
        }
        in += skip;
        inLeft -= skip;
    };

    while (inLeft > 0) {
        if (iconv(cd, &in, &inLeft, &dst, &dstLeft) != static_cast<std::size_t>(-1)) break;
        if (errno == E2BIG) {
            grow();
        } else if (errno == EILSEQ || errno == EINVAL) {
            replace();  // unrepresentable, or a lone surrogate
        } else {
            return false;
        }
    }
    while (iconv(cd, nullptr, nullptr, &dst, &dstLeft) == static_cast<std::size_t>(-1) && errno == E2BIG) grow();
    out.resize(dst - out.data());
    return exact;
}

}  // namespace

QByteArray environmentLocaleName() {
    // The order in which the C library looks for the character-type locale.
    for (const char* variable : {"LC_ALL", "LC_CTYPE", "LANG"}) {
        const char* value = std::getenv(variable);
        if (value && *value) return QByteArray(value);
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

QByteArray systemCodeset() {
    locale_t loc = newlocale(LC_CTYPE_MASK, "", nullptr);
    if (!loc) {
        // A locale named but not installed ("zh_CN.GBK" on a machine without
        // it): its name still says which character set the user works in.
        const QByteArray named = codesetOfLocaleName(environmentLocaleName());
        if (!named.isEmpty()) {
            iconv_t cd = iconv_open(named.constData(), kUtf16);
            if (cd != reinterpret_cast<iconv_t>(-1)) {
                iconv_close(cd);
                return named;
            }
        }
        loc = newlocale(LC_CTYPE_MASK, "C", nullptr);
    }
    if (!loc) return QByteArray("ANSI_X3.4-1968");
    QByteArray codeset(nl_langinfo_l(CODESET, loc));
    freelocale(loc);
    return codeset;
}

ResultEncoder::ResultEncoder(QByteArray codeset, ResultFileKind kind) : m_kind(kind) {
    if (codeset.isEmpty() || isUtf8Name(codeset)) return;
    iconv_t cd = iconv_open(codeset.constData(), kUtf16);
    if (cd == reinterpret_cast<iconv_t>(-1)) return;  // unknown set: UTF-8
    std::shared_ptr<void> handle(cd, [](void* h) { iconv_close(static_cast<iconv_t>(h)); });
    QByteArray probe;
    if (!convert(cd, QString::fromUtf16(kReportProbe), probe)) return;  // cannot hold Chinese: UTF-8
    m_converter = std::move(handle);
}

QByteArray ResultEncoder::prefix() const {
    if (writesUtf8() && m_kind == ResultFileKind::Memo) return QByteArray("\xEF\xBB\xBF");
    return {};
}

QByteArray ResultEncoder::encode(const QString& text) const {
    if (writesUtf8()) return text.toUtf8();
    QByteArray out;
    convert(asIconv(m_converter), text, out);
    return out;
}

}  // namespace pilecalc::platform
