// SPDX-License-Identifier: GPL-3.0-or-later
// The display-width columns. Input: a text, a fill, a field width and a blank
// count, separated by '|' (widths are cut to -300..300: callers use fields of
// a few dozen columns).
//
// Properties: the width is the number of code units plus one per unit in
// U+1000..U+9FA5; each aligning operation returns the text unchanged, with
// exactly max(0, width - DisplayWidth) copies of the fill added on its side(s)
// (the odd copy of a centred text on the left); with a one-column fill the
// result is max(width, DisplayWidth) columns wide.
#include <algorithm>

#include "fuzz/FuzzInput.h"
#include "reports/TextColumns.h"

using namespace pilecalc;
using pilecalc::fuzz::show;

namespace {

int boundedInteger(std::u16string_view text) {
    int value = 0;
    for (char16_t c : text) {
        if (c >= u'0' && c <= u'9') value = std::min(value * 10 + (c - u'0'), 300);
    }
    return text.find(u'-') != std::u16string_view::npos ? -value : value;
}

std::u16string repeated(std::u16string_view fill, int times) {
    std::u16string out;
    for (int i = 0; i < times; ++i) out.append(fill);
    return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto f = fuzz::fields(data, size, 4);
    const std::u16string& text = f[0];
    const std::u16string fill = f[1].substr(0, 8);
    const int width = boundedInteger(f[2]);
    const int count = boundedInteger(f[3]);
    const std::string context = show(text) + " fill " + show(fill) + " width " + std::to_string(width);

    int expectedWidth = 0;
    for (char16_t c : text) expectedWidth += c >= 0x1000 && c <= 0x9FA5 ? 2 : 1;
    const int textWidth = DisplayWidth(text);
    FUZZ_CHECK(textWidth == expectedWidth, context + ": DisplayWidth " + std::to_string(textWidth));

    const int n = std::max(0, width - textWidth);
    const int right = n / 2;
    const int left = n - right;
    const std::u16string leftAligned = AlignLeft(text, fill, width);
    const std::u16string rightAligned = AlignRight(text, fill, width);
    const std::u16string centred = AlignCentre(text, fill, width);
    FUZZ_CHECK(leftAligned == text + repeated(fill, n), context + ": AlignLeft " + show(leftAligned));
    FUZZ_CHECK(rightAligned == repeated(fill, n) + text, context + ": AlignRight " + show(rightAligned));
    FUZZ_CHECK(centred == repeated(fill, left) + text + repeated(fill, right),
               context + ": AlignCentre " + show(centred));
    if (DisplayWidth(fill) == 1) {
        const int columns = std::max(width, textWidth);
        FUZZ_CHECK(DisplayWidth(leftAligned) == columns && DisplayWidth(rightAligned) == columns &&
                       DisplayWidth(centred) == columns,
                   context + ": aligned texts not as wide as their field");
    }

    const std::u16string blanks = Blanks(count);
    FUZZ_CHECK(blanks == std::u16string(static_cast<std::size_t>(std::max(count, 0)), u' '),
               "Blanks(" + std::to_string(count) + ")");
    return 0;
}
