// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Test helper: decodes file bytes back to text with the C library's
// converter, independently of the encoder under test.
#include <iconv.h>

#include <QByteArray>
#include <QString>
#include <cerrno>

namespace pilecalc::test {

// Bytes in `codeset` to a QString; a null QString when they do not decode.
inline QString decodeWithIconv(const QByteArray& bytes, const char* codeset) {
    iconv_t cd = iconv_open("UTF-8", codeset);
    if (cd == reinterpret_cast<iconv_t>(-1)) return {};
    QByteArray out(bytes.size() * 4 + 16, '\0');
    char* in = const_cast<char*>(bytes.constData());
    std::size_t inLeft = static_cast<std::size_t>(bytes.size());
    char* dst = out.data();
    std::size_t dstLeft = static_cast<std::size_t>(out.size());
    const bool ok = iconv(cd, &in, &inLeft, &dst, &dstLeft) != static_cast<std::size_t>(-1);
    iconv_close(cd);
    if (!ok) return {};
    out.resize(dst - out.data());
    return QString::fromUtf8(out);
}

}  // namespace pilecalc::test
