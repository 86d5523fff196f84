// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Text in the Windows ANSI code page (the legacy multi-byte code page of the
// user's locale: 936 on a simplified Chinese system, 1252 on a western one).
// Standard C++ and the Win32 API only, so the conversion is checked by the
// cross-compiled tests without Qt; built for Windows only.
#include <string>
#include <string_view>

namespace pilecalc::platform::windows {

// The number of the system's ANSI code page (GetACP), 65001 where it is UTF-8.
unsigned ansiCodePage();

struct AnsiText {
    std::string bytes;  // the text in the code page, no terminating zero
    bool exact = true;  // false when a character became the default character
};

// UTF-16 text to the ANSI code page through WideCharToMultiByte(CP_ACP). A
// character the code page cannot represent, and a lone surrogate, become the
// code page's default character ('?' for 936 and 1252), as every Windows
// program converting to the ANSI code page writes it.
AnsiText toAnsiCodePage(std::u16string_view text);

}  // namespace pilecalc::platform::windows
