// SPDX-License-Identifier: GPL-3.0-or-later
// The ranges grid of the optimisation layer: which cells take edits, the editor that
// opens as soon as an editable cell becomes current, and which button an accepted edit
// enables again, also after the user has moved columns.
#include <QApplication>
#include <QCoreApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <memory>
#include <utility>

#include "AppTests.h"
#include "WindowFixture.h"

class OptimisationRangesGridTest : public QObject {
    Q_OBJECT
    PILECALC_WINDOW_FIXTURE

    QTableWidget* grid() { return ui(w()).Grid1_Youhuaxuanxiang; }
    QLineEdit* editorAt(int row, int column) {
        return qobject_cast<QLineEdit*>(grid()->indexWidget(grid()->model()->index(row, column)));
    }
    void openLayer() {
        w().show();
        w().cbt_YouHuaClick();
        // Both buttons off, as after a complete batch followed by a filter run.
        ui(w()).cbt_YHcompute->setEnabled(false);
        ui(w()).cbt_YHsaixuan->setEnabled(false);
    }
    // Return in the editor: the delegate stores the text on the next turn of the event loop.
    static void accept(QLineEdit* editor) {
        QTest::keyClick(editor, Qt::Key_Return);
        QCoreApplication::processEvents();
    }
    // Clicks the cell where it is shown now, wherever its column has been moved.
    void clickCell(int row, int column) {
        const QRect place = grid()->visualItemRect(grid()->item(row, column));
        QTest::mouseClick(grid()->viewport(), Qt::LeftButton, {}, place.center());
    }

  private slots:
    void init() { fixture.start(); }
    void cleanup() { PILECALC_FINISH_WINDOW_TEST(); }

    // Closing the program while a range cell is being edited: the editor commits as
    // it loses focus during teardown, and no handler of the window may run then
    // (the sanitizer build catches a call into the half-destroyed window).
    void destroyingTheWindowWithAnOpenEditorRunsNoHandler() {
        auto window = std::make_unique<MainWindow>();
        window->show();
        QApplication::setActiveWindow(window.get());
        window->cbt_YouHuaClick();
        QTableWidget* ranges = ui(*window).Grid1_Youhuaxuanxiang;
        for (const auto& [row, column] : {std::pair{0, 1}, std::pair{4, 2}}) {
            ranges->setCurrentCell(row, column);
            auto* editor = qobject_cast<QLineEdit*>(ranges->indexWidget(ranges->model()->index(row, column)));
            QVERIFY(editor);
            editor->setFocus();
            QTest::keyClicks(editor, "9");
        }
        QWidget* open = ranges->indexWidget(ranges->currentIndex());
        QVERIFY(open != nullptr);
        QVERIFY(open->hasFocus());
        window.reset();
    }

    void onlyRangeAndBoundCellsOpenAnEditor_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("column");
        QTest::addColumn<bool>("editable");
        QTest::newRow("item name") << 0 << 0 << false;
        QTest::newRow("description") << 1 << 4 << false;
        QTest::newRow("spacer row") << 3 << 2 << false;
        QTest::newRow("filter step") << 4 << 3 << false;
        QTest::newRow("filter caption") << 4 << 0 << false;
        QTest::newRow("d minimum") << 0 << 1 << true;
        QTest::newRow("hr maximum") << 1 << 2 << true;
        QTest::newRow("frk step") << 2 << 3 << true;
        QTest::newRow("filter minimum") << 4 << 1 << true;
        QTest::newRow("filter maximum") << 4 << 2 << true;
    }
    void onlyRangeAndBoundCellsOpenAnEditor() {
        QFETCH(int, row);
        QFETCH(int, column);
        QFETCH(bool, editable);
        openLayer();
        // From a read-only cell and from an editable one: the editor opens at once.
        for (const auto& from : {std::pair{3, 0}, std::pair{2, 2}}) {
            grid()->setCurrentCell(from.first, from.second);
            grid()->setCurrentCell(row, column);
            QCOMPARE(grid()->currentRow(), row);  // every cell can be selected
            QCOMPARE(editorAt(row, column) != nullptr, editable);
            QCOMPARE(grid()->editTriggers() != QAbstractItemView::NoEditTriggers, editable);
        }
        if (editable) QCOMPARE(editorAt(row, column)->text(), grid()->item(row, column)->text());
    }

    void acceptedEditEnablesItsButton_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("compute");
        QTest::addColumn<bool>("filter");
        QTest::newRow("d maximum, new text") << 0 << 2 << "2500" << true << false;
        QTest::newRow("hr step, same text again") << 1 << 3 << "1.0d" << true << false;
        QTest::newRow("frk minimum, not a number") << 2 << 1 << "abc" << true << false;
        QTest::newRow("filter minimum") << 4 << 1 << "9000" << false << true;
        QTest::newRow("filter maximum, same text again") << 4 << 2 << "15000" << false << true;
    }
    void acceptedEditEnablesItsButton() {
        QFETCH(int, row);
        QFETCH(int, column);
        QFETCH(QString, typed);
        QFETCH(bool, compute);
        QFETCH(bool, filter);
        openLayer();
        grid()->setCurrentCell(row, column);
        QLineEdit* editor = editorAt(row, column);
        QVERIFY(editor);
        editor->setText(typed);
        accept(editor);
        QCOMPARE(grid()->item(row, column)->text(), typed);
        QCOMPARE(ui(w()).cbt_YHcompute->isEnabled(), compute);
        QCOMPARE(ui(w()).cbt_YHsaixuan->isEnabled(), filter);
    }

    void cancelledEditChangesNothing() {
        openLayer();
        grid()->setCurrentCell(0, 1);
        QLineEdit* editor = editorAt(0, 1);
        QVERIFY(editor);
        editor->setText("1200");
        QTest::keyClick(editor, Qt::Key_Escape);
        QCoreApplication::processEvents();
        QCOMPARE(grid()->item(0, 1)->text(), QString("1000"));
        QVERIFY(!ui(w()).cbt_YHcompute->isEnabled());
        QVERIFY(!ui(w()).cbt_YHsaixuan->isEnabled());
    }

    // Moving away from an open editor accepts it, like Return.
    void leavingAnEditorAcceptsIt() {
        openLayer();
        grid()->setCurrentCell(4, 2);
        editorAt(4, 2)->setText("16000");
        grid()->setCurrentCell(0, 0);
        QCOMPARE(grid()->item(4, 2)->text(), QString("16000"));
        QVERIFY(ui(w()).cbt_YHsaixuan->isEnabled());
        QVERIFY(!ui(w()).cbt_YHcompute->isEnabled());
    }

    // A text written into an editable cell through the model counts as an accepted edit;
    // one written into a read-only cell enables nothing.
    void textWrittenThroughTheModel_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("column");
        QTest::addColumn<bool>("compute");
        QTest::addColumn<bool>("filter");
        QTest::newRow("d step") << 0 << 3 << true << false;
        QTest::newRow("filter minimum") << 4 << 1 << false << true;
        QTest::newRow("description") << 0 << 4 << false << false;
    }
    void textWrittenThroughTheModel() {
        QFETCH(int, row);
        QFETCH(int, column);
        QFETCH(bool, compute);
        QFETCH(bool, filter);
        openLayer();
        QVERIFY(grid()->model()->setData(grid()->model()->index(row, column), "777"));
        QCOMPARE(ui(w()).cbt_YHcompute->isEnabled(), compute);
        QCOMPARE(ui(w()).cbt_YHsaixuan->isEnabled(), filter);
    }

    // The user drags the description column to the front and the minimum column to the
    // end: the rules follow each column, not its place on screen.
    void rulesFollowMovedColumns() {
        openLayer();
        QHeaderView* header = grid()->horizontalHeader();
        header->moveSection(header->visualIndex(4), 0);
        header->moveSection(header->visualIndex(1), 4);
        QCOMPARE(header->logicalIndex(0), 4);
        QCOMPARE(header->logicalIndex(4), 1);

        clickCell(0, 4);  // shown first: the description of d
        QCOMPARE(grid()->currentColumn(), 4);
        QVERIFY(!editorAt(0, 4));

        clickCell(4, 1);  // shown last: the filter minimum
        QCOMPARE(grid()->currentColumn(), 1);
        QLineEdit* editor = editorAt(4, 1);
        QVERIFY(editor);
        editor->setText("8000");
        accept(editor);
        QCOMPARE(grid()->item(4, 1)->text(), QString("8000"));
        QVERIFY(ui(w()).cbt_YHsaixuan->isEnabled());
        QVERIFY(!ui(w()).cbt_YHcompute->isEnabled());

        clickCell(2, 3);  // the frk step
        editor = editorAt(2, 3);
        QVERIFY(editor);
        accept(editor);
        QVERIFY(ui(w()).cbt_YHcompute->isEnabled());
    }

    // Leaving the layer and coming back shows the ranges as the user left them.
    void rangesSurviveLeavingTheLayer() {
        openLayer();
        grid()->item(0, 2)->setText("2400");
        w().cbt_YHfanhuiClick();
        w().cbt_YouHuaClick();
        QCOMPARE(grid()->item(0, 2)->text(), QString("2400"));
        QCOMPARE(grid()->item(1, 1)->text(), QString("1.0d"));
    }
};

static pilecalc::test::RegisterTest<OptimisationRangesGridTest> registerOptimisationRangesGrid;
#include "OptimisationRangesGridTest.moc"
