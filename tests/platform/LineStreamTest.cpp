// SPDX-License-Identifier: GPL-3.0-or-later
// The streaming writer on its own: pieces encode to the bytes of the whole, character
// sets that cannot be cut into pieces keep their old path, and a failure on a
// formatting thread or on a full disk keeps the earlier file.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cerrno>
#include <csignal>
#include <stdexcept>

#include "support/TestFiles.h"
#include "platform/LineStream.h"
#include "platform/ResultFile.h"
#include "platform/TextEncoding.h"

namespace pilecalc::platform {
namespace {

using pilecalc::test::readFile;
using pilecalc::test::writeFile;

struct PieceCase {
    const char* name;
    const char* codeset;
    std::u16string text;
};
void PrintTo(const PieceCase& c, std::ostream* os) { *os << c.name; }

class Pieces : public ::testing::TestWithParam<PieceCase> {};

// Encoding the text in pieces of every length gives the bytes of encoding it whole.
TEST_P(Pieces, giveTheBytesOfTheWhole) {
    const PieceCase& c = GetParam();
    const ResultEncoder whole(c.codeset, ResultFileKind::OptimisationTable);
    const QByteArray expected = whole.encode(QString::fromStdU16String(c.text));
    for (std::size_t piece = 1; piece <= c.text.size(); ++piece) {
        StreamEncoder stream(c.codeset, ResultFileKind::OptimisationTable);
        ASSERT_TRUE(stream.streamsPieces());
        std::string out;
        for (int round = 0; round < 2; ++round) {  // the second round comes from the remembered runs
            out.clear();
            std::size_t at = 0;
            // Pieces never split a surrogate pair: the writer hands over whole lines.
            while (at < c.text.size()) {
                std::size_t n = std::min(piece, c.text.size() - at);
                if (n < c.text.size() - at && c.text[at + n - 1] >= 0xD800 && c.text[at + n - 1] <= 0xDBFF) ++n;
                stream.append(out, std::u16string_view(c.text).substr(at, n));
                at += n;
            }
            EXPECT_EQ(QByteArray::fromStdString(out), expected) << "piece " << piece << " round " << round;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Codesets, Pieces,
    ::testing::Values(PieceCase{"utf8_row", "UTF-8", u" ZH-001    圆  桩    1000    是      0.70  γcR ζs"},
                      PieceCase{"gbk_row", "GBK", u" ZH-001    圆  桩    1000    是      0.70  γcR ζs"},
                      PieceCase{"gb18030_row", "GB18030", u"嵌岩桩 ZH1 计算时间：2025/3/14"},
                      PieceCase{"gbk_lacks_emoji", "GBK", u"桩\U0001F600桩 a"},
                      PieceCase{"utf8_emoji", "UTF-8", u"a\U0001F600b桩"},
                      PieceCase{"gbk_lone_surrogate", "GBK", std::u16string{u'a', char16_t(0xD800), u'b', u'桩'}},
                      PieceCase{"gb2312_alias", "GB2312", u"嵌岩桩 ZH1"}),
    [](const auto& info) { return std::string(info.param.name); });

// A set that is not known to be stateless and ASCII-transparent keeps the old path: the
// memo encoded in one piece, each list line on its own.
TEST(StreamFallback, unusualCodesetGivesTheBytesOfTheOldWriter) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::vector<std::u16string> lines{u"嵌岩桩计算书", u"ZH1", u"计算时间：2025/3/14 9:26:53"};
    for (const char* codeset : {"UTF-16", "ISO-2022-CN"}) {
        // UTF-16 does not write ASCII as itself, so result files fall back to UTF-8 and may
        // stream; a stateful set never does.
        if (std::string_view(codeset) == "ISO-2022-CN") {
            EXPECT_FALSE(StreamEncoder(codeset, ResultFileKind::Memo).streamsPieces()) << codeset;
        }
        const LinesSource source(lines);
        const SaveOutcome memoOld = saveMemoFile({dir.path(), codeset}, "old.txt", lines);
        const SaveOutcome memoNew = streamResultFile({dir.path(), codeset}, "new.txt", ResultFileKind::Memo, source);
        ASSERT_TRUE(memoOld.ok && memoNew.ok) << codeset;
        EXPECT_EQ(readFile(memoNew.path), readFile(memoOld.path)) << codeset;

        const SaveOutcome listOld = saveOptimisationFile({dir.path(), codeset}, "old.txt", lines.size(),
                                                         [&](std::size_t k) { return lines[k]; });
        const SaveOutcome listNew =
            streamResultFile({dir.path(), codeset}, "new.txt", ResultFileKind::OptimisationTable, source);
        ASSERT_TRUE(listOld.ok && listNew.ok) << codeset;
        EXPECT_EQ(readFile(listNew.path), readFile(listOld.path)) << codeset;
    }
}

// Lines made on demand; one of them can fail.
class Numbered final : public LineSource {
  public:
    Numbered(std::size_t count, std::size_t failAt) : m_count(count), m_failAt(failAt) {}
    std::size_t lineCount() const override { return m_count; }
    std::unique_ptr<LineFormatter> formatter() const override { return std::make_unique<Lines>(m_failAt); }

  private:
    struct Lines final : LineFormatter {
        explicit Lines(std::size_t failAt) : failAt(failAt) {}
        void appendLine(std::size_t k, std::u16string& out) override {
            if (k == failAt) throw std::runtime_error("grid changed");
            const std::string number = std::to_string(k);
            out += u" ZH-";
            out += std::u16string(number.begin(), number.end());
            out += u"  圆  桩  1000  1.0d  25.00  是  0.70  3848  28%";
        }
        std::size_t failAt;
    };
    std::size_t m_count;
    std::size_t m_failAt;
};

class StreamFailure : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(m_dir.isValid());
        m_path = QDir(m_dir.path()).filePath("list.txt");
        ASSERT_TRUE(writeFile(m_path, "earlier list"));
    }
    void expectEarlierFileOnly() {
        EXPECT_EQ(readFile(m_path), QByteArray("earlier list"));
        EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"list.txt"});
    }
    QTemporaryDir m_dir;
    QString m_path;
};

TEST_F(StreamFailure, lineThatFailsOnAFormattingThreadKeepsTheEarlierFile) {
    for (const std::size_t failAt : {std::size_t(3), std::size_t(150000), std::size_t(199999)}) {
        const Numbered source(200000, failAt);
        const SaveOutcome outcome =
            streamResultFile({m_dir.path(), "GBK"}, "list.txt", ResultFileKind::OptimisationTable, source);
        EXPECT_FALSE(outcome.ok);
        EXPECT_FALSE(outcome.stopped);
        EXPECT_TRUE(outcome.error.contains(QStringLiteral("生成内容时出错（grid changed）")))
            << outcome.error.toStdString();
        expectEarlierFileOnly();
    }
}

TEST_F(StreamFailure, fullDiskOnOneThreadOrManyKeepsTheEarlierFile) {
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    // 20 lines fit one block and one thread; 200,000 lines take the threads.
    for (const std::size_t lines : {std::size_t(20), std::size_t(200000)}) {
        for (const rlim_t limit : {rlim_t(1000), rlim_t(3 << 20)}) {
            if (lines == 20 && limit > 1000) continue;
            rlimit small = saved;
            small.rlim_cur = limit;
            ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
            const Numbered source(lines, ~std::size_t(0));
            const SaveOutcome outcome =
                streamResultFile({m_dir.path(), "UTF-8"}, "list.txt", ResultFileKind::OptimisationTable, source);
            setrlimit(RLIMIT_FSIZE, &saved);
            EXPECT_FALSE(outcome.ok);
            EXPECT_TRUE(outcome.error.contains("list.txt"));
            EXPECT_TRUE(outcome.error.contains(qt_error_string(EFBIG))) << outcome.error.toStdString();
            expectEarlierFileOnly();
        }
    }
    std::signal(SIGXFSZ, oldHandler);
}

TEST_F(StreamFailure, progressCountsEveryLineOfACompleteSave) {
    const Numbered source(50000, ~std::size_t(0));
    SaveControl control;
    const SaveOutcome outcome =
        streamResultFile({m_dir.path(), "GBK"}, "list.txt", ResultFileKind::OptimisationTable, source, &control);
    ASSERT_TRUE(outcome.ok) << outcome.error.toStdString();
    EXPECT_EQ(control.lineTotal.load(), 50000u);
    EXPECT_EQ(control.linesWritten.load(), 50000u);
    const QByteArray bytes = readFile(m_path);
    EXPECT_EQ(bytes.count("\r\n"), 50000);
    EXPECT_TRUE(bytes.startsWith(" ZH-0  \xD4\xB2  \xD7\xAE"));  // 圆  桩 in GBK
    EXPECT_TRUE(bytes.contains(" ZH-49999  "));
}

}  // namespace
}  // namespace pilecalc::platform
