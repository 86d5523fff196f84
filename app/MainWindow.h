// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The calculator's one window. How a compute runs (cbt_computeClick -> runCompute):
//   1. the six input controls (cbe_dd, cbe_hr, edt_frk, ckb_/cbe_zhongfenghua, cbe_Gamacr)
//      -> pilecalc::readPileCase; a failed check colours its control, writes the status line
//      lb_shuoming and the stop message on lb_YHxingxi, and ends the run silently;
//   2. pilecalc::computePile -> PileResult; a result that is not finite is refused the same way;
//   3. showPileResult: six output edits and two share labels at the mode of popbox_jingdu;
//   4. only outside the optimisation layer, the record step: the pile goes into the run's
//      record (reports/RunRecord: a summary table row and a calculation book block), the
//      memos show the record's lines, cbt_View takes the place of cbt_compute.
// The window only moves texts between controls and those functions; every figure is
// computed in engine/ and every report line is built in reports/.
//
// The implementation is split by layer: MainLayer.cpp (compute and display),
// ChangeReactions.cpp (input edits), ResultsViewer.cpp and RecordStep.cpp (the two memos),
// Saving.cpp (result files), MainLayerControls.cpp and OtherLayerControls.cpp (building
// the controls) and Optimisation*.cpp (the optimisation layer).
//
// Every control carries its design name as objectName; tests and tools find them with
// findChild. The window's state is private and typed; captions follow the state.

#include <QDateTime>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <functional>
#include <string>
#include <vector>

#include "app/WindowState.h"
#include "engine/EditChecks.h"
#include "engine/NumberFormat.h"
#include "engine/PileCase.h"
#include "engine/PileResult.h"
#include "optimisation/ResultSorting.h"
#include "platform/Permissions.h"
#include "reports/ReportInputs.h"
#include "reports/RunRecord.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMessageBox;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QSlider;
class QTableView;
class QTableWidget;
class AboutWindow;

namespace pilecalc::app {
class ScaledLayer;
}

class MainWindow : public QWidget {
    Q_OBJECT
  public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    // ---- run state, read only ----
    const pilecalc::RunRecord& runRecord() const { return m_run; }
    int pileCount() const { return m_run.pileCount(); }                       // piles in the book and the table
    int unsavedTexts() const { return m_run.unsavedTexts(); }                 // 1 book, 2 table, 3 both unsaved
    const pilecalc::Lines& bookLines() const { return m_run.bookLines(); }    // meo_jisuanjieguo_Doc
    const pilecalc::Lines& tableLines() const { return m_run.tableLines(); }  // meo_jisuanjieguo_Xls
    pilecalc::app::OptimisationMode optimisationMode() const { return m_optimisationMode; }
    pilecalc::SortOrder dOrder() const { return m_sort.dOrder; }
    pilecalc::SortOrder QcdOrder() const { return m_sort.QcdOrder; }
    pilecalc::app::ViewerPage viewerPage() const { return m_viewerPage; }
    pilecalc::app::ListColumns listColumns() const { return m_listColumns; }
    // The about window once it has been opened; nullptr before.
    AboutWindow* aboutWindow() const { return m_aboutWindow; }
    // Name of the storage-write permission; the desktop leaves it empty.
    const QString& FPermissionWriteExternalStorage() const { return m_permissionWriteStorage; }

    // ---- hooks for tests and the screenshot tool ----
    void setClockForTesting(std::function<QDateTime()> clock);
    void setPermissionServiceForTesting(pilecalc::platform::PermissionService* service);
    // A platform that asks the user names the storage-write permission.
    void setWritePermissionNameForTesting(const QString& name) { m_permissionWriteStorage = name; }

    // The compute operation with its outcome: true when the pile was computed and shown
    // (and recorded outside optimisation mode), false when a check or the number range
    // refused it. cbt_computeClick runs exactly this.
    bool runCompute();

    // Precision mode selected in popbox_jingdu.
    pilecalc::PrecisionMode precisionMode() const;
    // Decimal separator of the default locale, used for every reading and writing of numbers.
    static char16_t decimalSeparator();

    // True while a batch run computes between the slices that keep the window alive;
    // "停止" (cbt_YHcompute relabelled), Esc or closing the window asks it to stop.
    bool optimisationRunning() const { return m_batchRunning; }
    void requestOptimisationStop() { m_batchStopRequested = true; }

  public slots:
    // ---- window and main layer ----
    void FormCreate();
    void FormClose();
    void cbt_tuichuClick();
    void cbt_YouHuaClick();
    void cbt_YHfanhuiClick();
    void cbt_computeClick();
    void cbe_ddChange();
    void cbe_hrChange();
    void edt_frkChange();
    void cbe_zhongfenghuaChange();
    void ckb_zhongfenghuaChange();
    void cbe_GamacrChange();
    void cbt_JingDuClick();
    void popbox_jingduChange();
    void cbt_CopyRightClick();

    // ---- results viewer ----
    void cbt_ViewClick();
    void cbt_ExitClick();
    void cbt_PageBookClick();
    void cbt_sanchuClick();
    void tcb_meoFontSizeChange();

    // ---- saving ----
    void cbt_SaveClick();
    void RequestSave();
    void DisplayRationale(QObject* sender, const QStringList& permissions, std::function<void()> proceed);
    void SaveResultFiles(QObject* sender, const QStringList& permissions,
                         const std::vector<pilecalc::platform::PermissionStatus>& grantResults);

    // ---- optimisation layer (app/Optimisation*.cpp) ----
    void Grid1_YouhuaxuanxiangSelectCell(int column, int row);
    void Grid1_YouhuaxuanxiangEditingDone(int column, int row);
    void cbt_YHcomputeClick();
    void cbt_YHsaixuanClick();
    void Grid2_YouhuajieguoHeaderClick(int column);
    void Grid3_YouhuasaixuanHeaderClick(int column);
    void Grid2_YouhuajieguoCellDblClick(int column, int row);
    void Grid3_YouhuasaixuanCellDblClick(int column, int row);
    void cbt_zhangkaiClick();
    void cbt_YHsaveClick();

  protected:
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    // ---- run state ----
    pilecalc::RunRecord m_run;
    pilecalc::app::OptimisationMode m_optimisationMode = pilecalc::app::OptimisationMode::Off;
    pilecalc::SortState m_sort;  // one pair of sort states serves both result lists
    pilecalc::app::ViewerPage m_viewerPage = pilecalc::app::ViewerPage::Book;
    pilecalc::app::ListColumns m_listColumns = pilecalc::app::ListColumns::Folded;
    QString m_permissionWriteStorage;
    QString m_permissionReadStorage;
    bool m_batchRunning = false;
    bool m_batchStopRequested = false;

    // ---- layers ----
    pilecalc::app::ScaledLayer* MainFormLayer = nullptr;
    pilecalc::app::ScaledLayer* YouHuaFormLayer = nullptr;
    pilecalc::app::ScaledLayer* JieGuo_DocLayer = nullptr;
    pilecalc::app::ScaledLayer* ComFormLayer = nullptr;
    QProgressBar* pb_YH_jingdu = nullptr;  // below the client area, never shown

    // ---- MainFormLayer ----
    QLabel* lb_cxm = nullptr;
    QPushButton* cbt_CopyRight = nullptr;
    QGroupBox* gpb_srcs = nullptr;
    QLabel* lb_dd = nullptr;
    QComboBox* cbe_dd = nullptr;
    QLabel* lb_hr = nullptr;
    QComboBox* cbe_hr = nullptr;
    QLabel* lb_frk = nullptr;
    QLineEdit* edt_frk = nullptr;
    QCheckBox* ckb_zhongfenghua = nullptr;
    QComboBox* cbe_zhongfenghua = nullptr;
    QLabel* lb_Gamacr = nullptr;
    QComboBox* cbe_Gamacr = nullptr;
    QGroupBox* gpb_scjg = nullptr;
    QPushButton* cbt_JingDu = nullptr;
    QComboBox* popbox_jingdu = nullptr;
    QLabel* lb_guifan = nullptr;
    QLabel* lb_guifan2 = nullptr;
    QLabel* lb_kesais = nullptr;
    QLineEdit* edt_kesais = nullptr;
    QLabel* lb_kesaip = nullptr;
    QLineEdit* edt_kesaip = nullptr;
    QLabel* lb_Qrs = nullptr;
    QLineEdit* edt_Qrs = nullptr;
    QLabel* lb_Qrp = nullptr;
    QLineEdit* edt_Qrp = nullptr;
    QLabel* lb_Qrk = nullptr;
    QLineEdit* edt_Qrk = nullptr;
    QLabel* lb_ra = nullptr;
    QLineEdit* edt_ra = nullptr;
    QPushButton* cbt_compute = nullptr;
    QPushButton* cbt_View = nullptr;
    QPushButton* cbt_YouHua = nullptr;
    QPushButton* cbt_tuichu = nullptr;
    QLabel* img_Logo = nullptr;
    QLabel* lb_shuoming = nullptr;

    // ---- JieGuo_DocLayer ----
    QLabel* lb_jisuanjieguo = nullptr;
    QPushButton* cbt_PageBook = nullptr;
    QPlainTextEdit* meo_jisuanjieguo_Doc = nullptr;
    QPlainTextEdit* meo_jisuanjieguo_Xls = nullptr;
    QPushButton* cbt_sanchu = nullptr;
    QPushButton* cbt_Exit = nullptr;
    QPushButton* cbt_Save = nullptr;
    QSlider* tcb_meoFontSize = nullptr;

    // ---- YouHuaFormLayer controls ----
    QLabel* lb_youhuabiaoti = nullptr;
    QTableWidget* Grid1_Youhuaxuanxiang = nullptr;
    QTableView* Grid2_Youhuajieguo = nullptr;
    QTableView* Grid3_Youhuasaixuan = nullptr;
    QLabel* lb_huzhu = nullptr;
    QPushButton* cbt_zhangkai = nullptr;
    QPushButton* cbt_YHcompute = nullptr;
    QPushButton* cbt_YHsaixuan = nullptr;
    QPushButton* cbt_YHsave = nullptr;
    QPushButton* cbt_YHfanhui = nullptr;
    QLabel* lb_YHxingxi = nullptr;

    AboutWindow* m_aboutWindow = nullptr;  // parentless, made on first use, deleted by ~MainWindow

    void buildMainLayer();
    void buildOptimisationLayer();
    void buildViewerLayer();
    void wireHandlers();
    void wireKeys();  // Keys.cpp
    // Every layer fills the client area (the layers keep their aspect ratio inside it).
    void placeLayers();
    // A transient notice naming the file a save has just written (SaveNotice.cpp).
    void announceSaved(const QString& path);
    void fillRangesGrid();
    // Creation steps of the optimisation layer run by FormCreate after the ranges grid is
    // filled: the 17 column headers of both result lists and their models.
    void createOptimisationLists();
    // The optimisation branch of SaveResultFiles: writes the visible result list.
    void saveOptimisationList();
    // The viewer's page, its caption and "保存" for the unsaved state of that page.
    void showViewerPage(pilecalc::app::ViewerPage page);
    // Optimisation layer helpers (Optimisation*.cpp).
    void pickBack(QTableView* list, int row);
    void resultHeaderClick(QTableView* list, int column);

    // Steps of the compute operation (MainLayer.cpp).
    void applyReading(const pilecalc::PileReading& reading);
    void reportFailure(const QString& message, QWidget* control);
    void showStatus(const QString& text, unsigned int argb);
    void showPileResult(const pilecalc::PileResult& result, pilecalc::PrecisionMode mode);

    // Record step and memo upkeep (RecordStep.cpp).
    void recordPile(const pilecalc::PileCase& pile, const pilecalc::PileResult& result, pilecalc::PrecisionMode mode);

    // Shared parts of the change reactions (ChangeReactions.cpp).
    void blankOutputs(bool coefficients, bool forces, bool designValue);
    void resetShareLabels();
    void bringBackCompute();
    void markChecked(QWidget* control, const pilecalc::EditCheck& check);

    // Leaving with unsaved piles: the open question, and the user's "退出" to it.
    QPointer<QMessageBox> m_leaveQuestion;
    bool m_leaveConfirmed = false;

    std::function<QDateTime()> m_clock;
    pilecalc::platform::PermissionService* m_permissions = nullptr;
};
