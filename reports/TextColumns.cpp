// SPDX-License-Identifier: GPL-3.0-or-later
#include "reports/TextColumns.h"

namespace pilecalc {
namespace {

void appendRepeated(std::u16string& out, std::u16string_view fill, int times) {
    for (int i = 0; i < times; ++i) out.append(fill);
}

}  // namespace

int DisplayWidth(std::u16string_view text) {
    int wide = 0;
    for (char16_t unit : text) {
        if (unit >= 0x1000 && unit <= 0x9FA5) ++wide;
    }
    return static_cast<int>(text.size()) + wide;
}

std::u16string AlignLeft(std::u16string_view text, std::u16string_view fill, int width) {
    std::u16string out(text);
    appendRepeated(out, fill, width - DisplayWidth(text));
    return out;
}

std::u16string AlignRight(std::u16string_view text, std::u16string_view fill, int width) {
    std::u16string out;
    appendRepeated(out, fill, width - DisplayWidth(text));
    out.append(text);
    return out;
}

std::u16string AlignCentre(std::u16string_view text, std::u16string_view fill, int width) {
    const int n = width - DisplayWidth(text);
    const int right = n / 2;
    const int left = n - right;
    std::u16string out;
    appendRepeated(out, fill, left);
    out.append(text);
    appendRepeated(out, fill, right);
    return out;
}

std::u16string Blanks(int count) { return count > 0 ? std::u16string(static_cast<std::size_t>(count), u' ') : u""; }

}  // namespace pilecalc
