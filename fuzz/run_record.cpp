// SPDX-License-Identifier: GPL-3.0-or-later
// Records, deletions and saves on the run record that feeds the memos and
// the files. Input: operations, one character each: "r" and the character
// after it record one of a few piles in one of the precision modes, "x"
// deletes the last pile, "b" and "t" save the book and the table (at most 20
// operations are taken).
//
// Properties: after any operations the record holds the texts of its
// remaining piles recorded afresh, the time lines keeping the time of the
// last record step; both texts are unsaved after a record and after a delete
// that leaves piles, neither after deleting the only pile, and a save clears
// its own mark; the leading lines reported as kept are the same before and
// after each change.
#include <algorithm>

#include "engine/NumberFormat.h"
#include "engine/PileCase.h"
#include "engine/PileResult.h"
#include "fuzz/FuzzInput.h"
#include "reports/CalculationBook.h"
#include "reports/RunRecord.h"

using namespace pilecalc;

namespace {

struct PileInputs {
    const char16_t* d;
    const char16_t* hr;
    const char16_t* frk;
    const char16_t* reduction;
    const char16_t* gammaCR;
    bool weathered;
};

constexpr PileInputs kPiles[] = {
    {u"1000", u"1.0d", u"25", u"0.70", u"1.80", true},
    {u"1200", u"3000", u"40", u"", u"1.75", false},
    {u"1000", u"6000", u"80", u"0.75", u"1.70", true},  // capped at 5 d: one book line more
    {u"800", u"2.5d", u"5", u"0", u"1.69", true},       // zero reduction, both hints
};

RecordedPile recordedPile(std::size_t variant, PrecisionMode mode, std::u16string time) {
    const PileInputs& in = kPiles[variant % std::size(kPiles)];
    RecordedPile p;
    p.inputs = PileInputTexts{in.d, in.hr, in.frk, in.reduction, in.gammaCR, in.weathered};
    const PileReading reading = readPileCase(p.inputs, u'.');
    FUZZ_CHECK(reading.ok(), "a fixed test pile fails its checks");
    p.pile = reading.pile;
    p.result = computePile(p.pile);
    p.mode = mode;
    p.time = std::move(time);
    return p;
}

bool samePrefix(const Lines& a, const Lines& b, std::size_t n) {
    return n <= a.size() && n <= b.size() &&
           std::equal(a.begin(), a.begin() + static_cast<std::ptrdiff_t>(n), b.begin());
}

void checkRunRecord(std::u16string_view ops) {
    RunRecord record;
    std::u16string lastTime;
    std::string trace;
    for (std::size_t i = 0; i < ops.size() && i < 20; ++i) {
        const Lines bookBefore = record.bookLines();
        const Lines tableBefore = record.tableLines();
        const int unsavedBefore = record.unsavedTexts();
        const int countBefore = record.pileCount();
        LinesChanged kept{0, 0};
        const char16_t op = ops[i];
        if (op == u'r') {
            const char16_t pick = i + 1 < ops.size() ? ops[++i] : u'0';
            lastTime = u"T" + formatInteger(i);
            kept = record.record(recordedPile(pick % 4, static_cast<PrecisionMode>((pick / 4) % 5), lastTime), u'.');
            trace += "r";
            FUZZ_CHECK(record.pileCount() == countBefore + 1 && record.unsavedTexts() == 3, trace + ": after a record");
        } else if (op == u'x') {
            kept = record.deleteLast();
            trace += "x";
            FUZZ_CHECK(record.pileCount() == std::max(countBefore - 1, 0) &&
                           record.unsavedTexts() == (countBefore > 1 ? 3 : 0),
                       trace + ": after a delete, unsaved " + std::to_string(record.unsavedTexts()));
        } else if (op == u'b' || op == u't') {
            record.markSaved(op == u'b' ? ReportText::Book : ReportText::Table);
            trace += static_cast<char>(op);
            FUZZ_CHECK(record.unsavedTexts() == (unsavedBefore & (op == u'b' ? 2 : 1)), trace + ": after a save");
            continue;
        } else {
            continue;
        }
        FUZZ_CHECK(samePrefix(bookBefore, record.bookLines(), kept.bookKept) &&
                       samePrefix(tableBefore, record.tableLines(), kept.tableKept),
                   trace + ": lines reported as kept changed");

        // The same piles recorded afresh; only the time lines may differ.
        RunRecord fresh;
        for (const RecordedPile& p : record.piles()) fresh.record(p, u'.');
        Lines book = fresh.bookLines();
        Lines table = fresh.tableLines();
        if (!book.empty()) book.back() = std::u16string(kTimeLabel) + lastTime;
        if (!table.empty()) table.back() = std::u16string(kTimeLabel) + lastTime;
        FUZZ_CHECK(record.bookLines() == book, trace + ": book differs from its piles recorded afresh");
        FUZZ_CHECK(record.tableLines() == table, trace + ": table differs from its piles recorded afresh");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    checkRunRecord(fuzz::decodeText({reinterpret_cast<const char*>(data), size}));
    return 0;
}
