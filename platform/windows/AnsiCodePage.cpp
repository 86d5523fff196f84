// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/windows/AnsiCodePage.h"

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX  // std::min, not the min() macro
#endif
#include <windows.h>

#include <algorithm>
#include <climits>

namespace pilecalc::platform::windows {

unsigned ansiCodePage() { return GetACP(); }

AnsiText toAnsiCodePage(std::u16string_view text) {
    AnsiText result;
    if (text.empty()) return result;
    // Longer texts than an int can count are converted in pieces; a piece never
    // ends between the two halves of a surrogate pair.
    constexpr std::size_t kPiece = INT_MAX / 4;
    // The UTF-8 code page takes no default character; it still marks what it
    // could not convert (lone surrogates) with U+FFFD.
    const bool utf8 = GetACP() == CP_UTF8;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t count = std::min(kPiece, text.size() - start);
        if (start + count < text.size() && text[start + count - 1] >= 0xD800 && text[start + count - 1] <= 0xDBFF) {
            --count;
        }
        const auto* wide = reinterpret_cast<const wchar_t*>(text.data() + start);
        const int wideCount = static_cast<int>(count);
        BOOL usedDefault = FALSE;
        BOOL* usedDefaultOut = utf8 ? nullptr : &usedDefault;
        const int size = WideCharToMultiByte(CP_ACP, 0, wide, wideCount, nullptr, 0, nullptr, usedDefaultOut);
        if (size > 0) {
            const std::size_t used = result.bytes.size();
            result.bytes.resize(used + static_cast<std::size_t>(size));
            WideCharToMultiByte(CP_ACP, 0, wide, wideCount, result.bytes.data() + used, size, nullptr, usedDefaultOut);
        }
        if (usedDefault) result.exact = false;
        start += count;
    }
    return result;
}

}  // namespace pilecalc::platform::windows
