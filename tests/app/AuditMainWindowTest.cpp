// SPDX-License-Identifier: GPL-3.0-or-later
// The main window under the ways a user and other code really reach it: typing into a
// combo edit, picking a list item, writing texts from code, hostile texts, the comma
// locale, and the memos kept equal to the report lines through every operation.
#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <algorithm>
#include <cstdint>

#include "AppTests.h"
#include "WindowFixture.h"
#include "app/FontColour.h"

using pilecalc::app::fontColour;
using pilecalc::app::kBlack;
using pilecalc::app::kMagenta;
using pilecalc::app::kRed;

namespace {

QString joinedLines(const pilecalc::Lines& lines) {
    QStringList out;
    for (const auto& l : lines) out << QString::fromStdU16String(l);
    return out.join(u'\n');
}

// Every text the main layer shows to the user after a run.
QStringList shownTexts(MainWindow& w) {
    return {ui(w).edt_kesais->text(),
            ui(w).edt_kesaip->text(),
            ui(w).edt_Qrs->text(),
            ui(w).edt_Qrp->text(),
            ui(w).edt_Qrk->text(),
            ui(w).edt_ra->text(),
            ui(w).lb_Qrs->text(),
            ui(w).lb_Qrp->text(),
            ui(w).lb_shuoming->text(),
            ui(w).lb_YHxingxi->text(),
            ui(w).meo_jisuanjieguo_Doc->toPlainText(),
            ui(w).meo_jisuanjieguo_Xls->toPlainText()};
}

bool showsNoNonNumber(const QStringList& texts) {
    for (const QString& t : texts) {
        const QString lower = t.toLower();
        if (lower.contains("nan") || lower.contains("inf")) return false;
    }
    return true;
}

QComboBox* comboNamed(MainWindow& w, const QString& name) { return w.findChild<QComboBox*>(name); }

}  // namespace

class AuditMainWindowTest : public QObject {
    Q_OBJECT
    PILECALC_WINDOW_FIXTURE

    void memosFollowTheLines() {
        QCOMPARE(ui(w()).meo_jisuanjieguo_Doc->toPlainText(), joinedLines(w().bookLines()));
        QCOMPARE(ui(w()).meo_jisuanjieguo_Xls->toPlainText(), joinedLines(w().tableLines()));
    }

  private slots:
    void init() { fixture.start(); }
    void cleanup() { PILECALC_FINISH_WINDOW_TEST(); }

    // Each way of changing a combo edit's text reaches its reaction once per real change,
    // and a way that leaves the text as it is reaches it not at all.
    void comboEditReactsOncePerChange_data() {
        QTest::addColumn<QString>("combo");
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("value");
        QTest::addColumn<int>("reactions");
        for (const char* combo : {"cbe_dd", "cbe_hr", "cbe_zhongfenghua", "cbe_Gamacr"}) {
            const QString c(combo);
            QTest::newRow(qPrintable(c + " setEditText new")) << c << "setEditText"
                                                              << "7" << 1;
            QTest::newRow(qPrintable(c + " setCurrentText new")) << c << "setCurrentText"
                                                                 << "7" << 1;
            QTest::newRow(qPrintable(c + " setEditText same")) << c << "setEditText"
                                                               << "" << 0;
            QTest::newRow(qPrintable(c + " setCurrentText same")) << c << "setCurrentText"
                                                                  << "" << 0;
            QTest::newRow(qPrintable(c + " typed two keys")) << c << "type"
                                                             << "12" << 2;
            QTest::newRow(qPrintable(c + " list item picked")) << c << "pick"
                                                               << "other" << 1;
            QTest::newRow(qPrintable(c + " list item of the same text")) << c << "pick"
                                                                         << "same" << 0;
            QTest::newRow(qPrintable(c + " typed item text and Enter")) << c << "typeEnter"
                                                                        << "last" << 1;
        }
    }
    void comboEditReactsOncePerChange() {
        QFETCH(QString, combo);
        QFETCH(QString, how);
        QFETCH(QString, value);
        QFETCH(int, reactions);
        QComboBox* box = comboNamed(w(), combo);
        QVERIFY(box);
        w().show();
        QVERIFY(QTest::qWaitForWindowExposed(&w()));
        const QString before = box->currentText();
        const int items = box->count();
        QSignalSpy spy(box, &QComboBox::currentTextChanged);
        if (how == "setEditText") box->setEditText(value.isEmpty() ? before : value);
        if (how == "setCurrentText") box->setCurrentText(value.isEmpty() ? before : value);
        if (how == "type") {
            box->lineEdit()->setFocus();
            box->lineEdit()->end(false);
            QTest::keyClicks(box->lineEdit(), value);
        }
        if (how == "pick") {
            int other = 0;
            while (box->itemText(other) == before) ++other;
            box->setCurrentIndex(value == "same" ? box->findText(before) : other);
        }
        if (how == "typeEnter") {
            box->lineEdit()->setFocus();
            box->lineEdit()->selectAll();
            QTest::keyClicks(box->lineEdit(), box->itemText(box->count() - 1));
            spy.clear();
            box->lineEdit()->selectAll();
            QTest::keyClicks(box->lineEdit(), box->itemText(box->count() - 2));
            QTest::keyClick(box->lineEdit(), Qt::Key_Return);
            QCOMPARE(box->currentText(), box->itemText(box->count() - 2));
            // One change of text from selecting all and typing over it, one per further key.
            const int typed = box->itemText(box->count() - 2).size();
            QCOMPARE(spy.count(), typed);
            QCOMPARE(box->count(), items);
            return;
        }
        QCOMPARE(spy.count(), reactions);
        // The lists hold their suggestions only: nothing typed is added to them.
        QVERIFY(box->findText("7") < 0);
        QCOMPARE(box->count(), items);
    }

    // Hostile texts in every input: the window neither crashes nor shows a non-number,
    // in the outputs, the share labels, the status lines or the memos.
    void hostileTextsNeverShowNonNumbers_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("text");
        const QString longDigits = QString(5000, u'9');
        const QStringList texts{"1e308",
                                "1e309",
                                "-1e308",
                                "nan",
                                "NaN",
                                "inf",
                                "-inf",
                                "infinity",
                                "-0",
                                "",
                                "   ",
                                longDigits,
                                "1e-320",
                                "0x10",
                                "1e",
                                QString::fromUtf16(u"\uFF11\uFF10\uFF10\uFF10"),
                                QString::fromUtf16(u"\u0661\u0660\u0660\u0660"),
                                "1e200",
                                "5e-324",
                                "0.0"};
        for (const char* control : {"cbe_dd", "cbe_hr", "edt_frk", "cbe_zhongfenghua", "cbe_Gamacr"}) {
            for (int i = 0; i < texts.size(); ++i) {
                QTest::newRow(qPrintable(QString("%1 #%2").arg(control).arg(i))) << QString(control) << texts[i];
            }
        }
    }
    void hostileTextsNeverShowNonNumbers() {
        QFETCH(QString, control);
        QFETCH(QString, text);
        for (int mode = 0; mode < 5; ++mode) {
            ui(w()).popbox_jingdu->setCurrentIndex(mode);
            if (control == "edt_frk") {
                ui(w()).edt_frk->setText(text);
            } else {
                comboNamed(w(), control)->setEditText(text);
            }
            QVERIFY(showsNoNonNumber(shownTexts(w())));
            ui(w()).cbt_compute->click();
            QVERIFY2(showsNoNonNumber(shownTexts(w())), qPrintable(shownTexts(w()).join(" | ")));
            // A hostile hr in diameters too.
            if (control == "cbe_hr") {
                ui(w()).cbe_hr->setEditText(text + "d");
                ui(w()).cbt_compute->click();
                QVERIFY(showsNoNonNumber(shownTexts(w())));
            }
            memosFollowTheLines();
            fixture.finish();
            fixture.start();
        }
    }

    // The comma locale: figures, shares and the report rows use the comma; periods typed
    // into the inputs are still read.
    void commaLocaleShowsCommas() {
        QLocale::setDefault(QLocale(QLocale::German));
        ui(w()).popbox_jingdu->setCurrentIndex(0);
        ui(w()).cbt_compute->click();
        QCOMPARE(ui(w()).edt_kesais->text(), QString("0,0490"));
        QCOMPARE(ui(w()).edt_Qrs->text(), QString("3848,45"));
        QCOMPARE(ui(w()).edt_ra->text(), QString("7635,82"));
        QCOMPARE(ui(w()).lb_Qrs->text(), QString("侧阻力Qcs(kN) [ 28,00% ]"));
        QCOMPARE(ui(w()).lb_Qrp->text(), QString("端阻力Qcp(kN) [ 72,00% ]"));
        QVERIFY(ui(w()).meo_jisuanjieguo_Xls->toPlainText().contains("3848,45"));
        memosFollowTheLines();
        // hr with the locale's comma and frk checked by the reaction with the comma.
        ui(w()).cbe_hr->setEditText("1,5d");
        ui(w()).edt_frk->setText("2,5");
        QCOMPARE(fontColour(ui(w()).edt_frk), kBlack);
        ui(w()).cbt_compute->click();
        QCOMPARE(w().pileCount(), 1);  // frk is read with the period in the computation: refused
        QCOMPARE(ui(w()).lb_shuoming->text(), QString("岩石单轴抗压强度有错"));
        QCOMPARE(fontColour(ui(w()).edt_frk), kRed);
    }

    // A reduction of 0: the shares stay blank wherever they would be shown.
    void zeroReductionShowsNoShareAnywhere() {
        for (int mode = 0; mode < 5; ++mode) {
            ui(w()).popbox_jingdu->setCurrentIndex(mode);
            ui(w()).cbe_zhongfenghua->setEditText("0");
            ui(w()).cbt_compute->click();
            QCOMPARE(ui(w()).lb_Qrs->text(), QString("侧阻力Qcs(kN)"));
            QCOMPARE(ui(w()).lb_Qrp->text(), QString("端阻力Qcp(kN)"));
            QVERIFY(showsNoNonNumber(shownTexts(w())));
            ui(w()).cbe_zhongfenghua->setEditText("0.70");
        }
        QCOMPARE(w().pileCount(), 5);
        memosFollowTheLines();
    }

    // The memos equal their lines after every record, delete and re-record, down to empty.
    void memosFollowEveryOperation() {
        const QStringList ds{"1000", "1200", "1500", "1800"};
        for (int round = 0; round < 2; ++round) {
            for (const QString& d : ds) {
                ui(w()).cbe_dd->setEditText(d);
                ui(w()).cbt_compute->click();
                memosFollowTheLines();
            }
            ui(w()).cbt_View->click();
            for (int i = 0; i < 3; ++i) {
                ui(w()).cbt_sanchu->click();
                memosFollowTheLines();
            }
            ui(w()).cbt_Exit->click();
            ui(w()).cbe_dd->setEditText("1100");
            ui(w()).cbt_compute->click();
            memosFollowTheLines();
            ui(w()).cbt_View->click();
            ui(w()).cbt_sanchu->click();
            ui(w()).cbt_sanchu->click();
            memosFollowTheLines();
            QCOMPARE(ui(w()).meo_jisuanjieguo_Doc->toPlainText(), QString());
            QCOMPARE(ui(w()).meo_jisuanjieguo_Xls->toPlainText(), QString());
            QCOMPARE(w().pileCount(), 0);
            QVERIFY(!ui(w()).cbt_sanchu->isEnabled());
            QVERIFY(!ui(w()).cbt_Save->isEnabled());
            ui(w()).cbt_Exit->click();
        }
    }

    // A long text stays whole in every input: nothing is cut at a length limit, so the
    // typed text reaches the summary row exactly as written.
    void longTextsStayWhole_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("length");
        for (const char* control : {"cbe_dd", "cbe_hr", "edt_frk", "cbe_zhongfenghua", "cbe_Gamacr"}) {
            for (int length : {32767, 32768, 100000}) {
                QTest::newRow(qPrintable(QString("%1 %2").arg(control).arg(length))) << QString(control) << length;
            }
        }
    }
    void longTextsStayWhole() {
        QFETCH(QString, control);
        QFETCH(int, length);
        const QString text = QString(length, u'7');
        QLineEdit* edit = control == "edt_frk" ? ui(w()).edt_frk : comboNamed(w(), control)->lineEdit();
        if (control == "edt_frk") {
            ui(w()).edt_frk->setText(text);
        } else {
            comboNamed(w(), control)->setEditText(text);
        }
        QCOMPARE(edit->text().size(), length);
        // Typing one more key appends it.
        edit->end(false);
        QTest::keyClick(edit, Qt::Key_1);
        QCOMPARE(edit->text().size(), length + 1);
    }

    // "保存" is enabled at start, before anything is computed: saving then writes the empty
    // book, and switching pages afterwards offers nothing more to save on either page.
    void saveAtStartLeavesNothingToSave_data() {
        QTest::addColumn<int>("saves");
        QTest::newRow("one save") << 1;
        QTest::newRow("two saves") << 2;
    }
    void saveAtStartLeavesNothingToSave() {
        QFETCH(int, saves);
        QVERIFY(ui(w()).cbt_Save->isEnabled());
        for (int i = 0; i < saves; ++i) {
            ui(w()).cbt_Save->setEnabled(true);  // as it was at start
            ui(w()).cbt_Save->click();
            QVERIFY(!ui(w()).cbt_Save->isEnabled());
        }
        for (int i = 0; i < 4; ++i) {
            ui(w()).cbt_PageBook->click();
            QVERIFY2(!ui(w()).cbt_Save->isEnabled(), qPrintable(ui(w()).cbt_PageBook->text()));
        }
        // The next computation has both texts unsaved again.
        ui(w()).cbt_compute->click();
        QCOMPARE(w().unsavedTexts(), 3);
        QVERIFY(ui(w()).cbt_Save->isEnabled());
        ui(w()).cbt_PageBook->click();
        QVERIFY(ui(w()).cbt_Save->isEnabled());
    }

    // A disabled reduction field keeps its font colour in every colour group: clearing the
    // box greys nothing, and a colour set while disabled is the one read back.
    void disabledFactorKeepsItsColour_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<uint>("colour");
        QTest::newRow("untouched") << "" << uint(kBlack);
        QTest::newRow("failed while disabled") << "2" << uint(kRed);
        QTest::newRow("passed while disabled") << "1.00" << uint(kBlack);
    }
    void disabledFactorKeepsItsColour() {
        QFETCH(QString, text);
        QFETCH(uint, colour);
        ui(w()).ckb_zhongfenghua->setChecked(false);
        QVERIFY(!ui(w()).cbe_zhongfenghua->isEnabled());
        if (!text.isEmpty()) ui(w()).cbe_zhongfenghua->setEditText(text);
        for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
            QCOMPARE(uint(ui(w()).cbe_zhongfenghua->palette().color(group, QPalette::Text).rgba()), colour);
            QCOMPARE(uint(ui(w()).cbe_zhongfenghua->lineEdit()->palette().color(group, QPalette::Text).rgba()), colour);
        }
        QCOMPARE(uint(fontColour(ui(w()).cbe_zhongfenghua)), colour);
    }

    // Picking a mode in the open list of the precision pop-up records the pile once, in the
    // new mode, and hides the pop-up; picking the mode already shown records nothing.
    void precisionPickedFromItsOpenList_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("piles");
        QTest::addColumn<QString>("qcd");
        QTest::newRow("two decimals") << 0 << 1 << "7635.82";
        QTest::newRow("hundreds") << 4 << 1 << "7600";
        QTest::newRow("mode already selected") << 2 << 0 << "";
    }
    void precisionPickedFromItsOpenList() {
        QFETCH(int, mode);
        QFETCH(int, piles);
        QFETCH(QString, qcd);
        w().show();
        QVERIFY(QTest::qWaitForWindowExposed(&w()));
        ui(w()).cbt_JingDu->click();
        QVERIFY(!ui(w()).popbox_jingdu->isHidden());
        ui(w()).popbox_jingdu->showPopup();
        QAbstractItemView* list = ui(w()).popbox_jingdu->view();
        list->setCurrentIndex(list->model()->index(mode, 0));
        QTest::keyClick(list, Qt::Key_Return);
        QCOMPARE(w().pileCount(), piles);
        QCOMPARE(ui(w()).edt_ra->text(), qcd);
        QCOMPARE(ui(w()).popbox_jingdu->isHidden(), piles == 1);
        QCOMPARE(ui(w()).popbox_jingdu->currentIndex(), mode);
        QCOMPARE(ui(w()).cbt_View->isHidden(), piles == 0);
    }

    // Each coloured input reads back its colour through its own foreground role as well as
    // through the role that draws its text.
    void inputColourReadsTheSameThroughEveryRole_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("text");
        QTest::addColumn<uint>("colour");
        QTest::newRow("d fails") << "cbe_dd"
                                 << "0" << uint(kRed);
        QTest::newRow("d passes") << "cbe_dd"
                                  << "1200" << uint(kBlack);
        QTest::newRow("factor fails") << "cbe_zhongfenghua"
                                      << "2" << uint(kRed);
        QTest::newRow("gamma hint") << "cbe_Gamacr"
                                    << "1.6" << uint(kMagenta);
        QTest::newRow("gamma fails") << "cbe_Gamacr"
                                     << "1" << uint(kRed);
        QTest::newRow("frk fails") << "edt_frk"
                                   << "-1" << uint(kRed);
    }
    void inputColourReadsTheSameThroughEveryRole() {
        QFETCH(QString, control);
        QFETCH(QString, text);
        QFETCH(uint, colour);
        QWidget* widget = w().findChild<QWidget*>(control);
        QVERIFY(widget);
        if (control == "edt_frk") {
            ui(w()).edt_frk->setText(text);
        } else {
            comboNamed(w(), control)->setEditText(text);
        }
        QCOMPARE(uint(fontColour(widget)), colour);
        QCOMPARE(uint(widget->palette().color(widget->foregroundRole()).rgba()), colour);
        if (auto* combo = qobject_cast<QComboBox*>(widget)) {
            QLineEdit* edit = combo->lineEdit();
            QCOMPARE(uint(edit->palette().color(edit->foregroundRole()).rgba()), colour);
        }
    }

    // A long mixed session of edits, computations in every mode, page switches, saves and
    // deletions keeps the run state and both memos consistent after every step: the table
    // has pileCount + 9 lines, the book ends with its time line, and the memos show the lines.
    void mixedSessionKeepsTheTextsConsistent_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<quint32>("seed");
        QTest::newRow("period locale") << "C" << quint32(11);
        QTest::newRow("comma locale") << "de" << quint32(29);
    }
    void mixedSessionKeepsTheTextsConsistent() {
        QFETCH(QString, locale);
        QFETCH(quint32, seed);
        QLocale::setDefault(QLocale(locale));
        std::uint32_t state = seed;
        auto next = [&state](int n) {
            state = state * 1664525u + 1013904223u;
            return static_cast<int>((state >> 8) % static_cast<std::uint32_t>(n));
        };
        const QStringList ds{"1000", "1250", "800", "0", "abc", "2000"};
        const QStringList hrs{"1.0d", "2.5d", "1500", "0.5d", "9d", "x"};
        const QStringList frks{"25", "5", "60", "0", "1e-320"};
        const QStringList factors{"0.70", "0", "1", "1.5"};
        const QStringList gammas{"1.80", "1.6", "1", "2.5"};
        int mostPiles = 0;
        for (int step = 0; step < 400; ++step) {
            switch (next(9)) {
                case 0:
                    ui(w()).cbe_dd->setEditText(ds[next(ds.size())]);
                    break;
                case 1:
                    ui(w()).cbe_hr->setEditText(hrs[next(hrs.size())]);
                    break;
                case 2:
                    ui(w()).edt_frk->setText(frks[next(frks.size())]);
                    break;
                case 3:
                    ui(w()).cbe_zhongfenghua->setEditText(factors[next(factors.size())]);
                    break;
                case 4:
                    ui(w()).cbe_Gamacr->setEditText(gammas[next(gammas.size())]);
                    break;
                case 5:
                    ui(w()).ckb_zhongfenghua->click();
                    break;
                case 6:
                    ui(w()).popbox_jingdu->setCurrentIndex(next(5));
                    [[fallthrough]];
                case 7:
                    ui(w()).cbt_compute->click();
                    break;
                case 8:
                    ui(w()).cbt_View->click();
                    if (next(2) == 0) ui(w()).cbt_PageBook->click();
                    if (next(3) == 0) ui(w()).cbt_Save->click();
                    if (next(2) == 0) ui(w()).cbt_sanchu->click();
                    ui(w()).cbt_Exit->click();
                    break;
            }
            memosFollowTheLines();
            mostPiles = std::max(mostPiles, w().pileCount());
            if (w().pileCount() == 0) {
                QVERIFY(w().tableLines().empty());
                QVERIFY(w().bookLines().empty());
            } else {
                QCOMPARE(int(w().tableLines().size()), w().pileCount() + 9);
                QVERIFY(QString::fromStdU16String(w().bookLines().back()).startsWith("计算时间："));
                QCOMPARE(w().bookLines().back(), w().tableLines().back());
            }
            QVERIFY(showsNoNonNumber(shownTexts(w())));
        }
        QVERIFY2(mostPiles >= 3, "the session must build up several piles");
    }

    // The bottom strip: a passed reaction empties the status text but shows nothing new;
    // the first message replaces the logo for good.
    void statusStripFollowsItsRules() {
        ui(w()).cbe_dd->setEditText("1200");
        QVERIFY(!ui(w()).img_Logo->isHidden());
        QVERIFY(ui(w()).lb_shuoming->isHidden());
        ui(w()).cbe_dd->setEditText("0");
        QVERIFY(ui(w()).img_Logo->isHidden());
        QVERIFY(!ui(w()).lb_shuoming->isHidden());
        QCOMPARE(fontColour(ui(w()).lb_shuoming), kRed);
        ui(w()).cbe_dd->setEditText("1000");
        QCOMPARE(ui(w()).lb_shuoming->text(), QString());
        QVERIFY(ui(w()).img_Logo->isHidden());
        QVERIFY(!ui(w()).lb_shuoming->isHidden());
    }
};

namespace {
const pilecalc::test::RegisterTest<AuditMainWindowTest> registered;
}

#include "AuditMainWindowTest.moc"
