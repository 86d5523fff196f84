// SPDX-License-Identifier: GPL-3.0-or-later
// The window itself: construction, creation handler, movement between layers, exit.
#include "app/MainWindow.h"

#include <QCloseEvent>
#include <QMessageBox>
#include <QLinearGradient>
#include <QPainter>
#include <QProgressBar>
#include <QTableWidget>

#include "app/AboutWindow.h"
#include "app/RangesGridDelegate.h"
#include "app/ScaledLayer.h"
#include "app/ScreenFit.h"
#include "platform/Clock.h"
#include "platform/MessageDialog.h"

using pilecalc::app::ScaledLayer;

namespace {
constexpr QSize kDesignSize(330, 692);
}

MainWindow::MainWindow(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      m_clock(&pilecalc::platform::currentDateTime),
      m_permissions(&pilecalc::platform::permissionService()) {
    setObjectName(QStringLiteral("MainWindow"));
    setWindowTitle(QStringLiteral("嵌岩桩承载力计算 (JTS167-4-2012)"));
    setFixedSize(kDesignSize);

    MainFormLayer = new ScaledLayer(QStringLiteral("MainFormLayer"), kDesignSize, this);
    YouHuaFormLayer = new ScaledLayer(QStringLiteral("YouHuaFormLayer"), kDesignSize, this);
    JieGuo_DocLayer = new ScaledLayer(QStringLiteral("JieGuo_DocLayer"), kDesignSize, this);
    ComFormLayer = new ScaledLayer(QStringLiteral("ComFormLayer"), QSize(331, 726), this);
    for (ScaledLayer* layer : {MainFormLayer, YouHuaFormLayer, JieGuo_DocLayer, ComFormLayer}) {
        layer->setGeometry(rect());
    }
    YouHuaFormLayer->hide();
    JieGuo_DocLayer->hide();
    ComFormLayer->hide();

    buildMainLayer();
    buildOptimisationLayer();
    buildViewerLayer();

    // Lies below the client area: the batch run keeps its range and value, nobody sees it.
    pb_YH_jingdu = new QProgressBar(this);
    pb_YH_jingdu->setObjectName(QStringLiteral("pb_YH_jingdu"));
    pb_YH_jingdu->setOrientation(Qt::Horizontal);
    pb_YH_jingdu->setGeometry(20, 704, 280, 10);
    pb_YH_jingdu->hide();

    // Wholly inside the screen, centred; shrunk uniformly where the design does not fit.
    pilecalc::app::keepFittedToScreen(this, kDesignSize);
    placeLayers();

    FormCreate();
    wireHandlers();
    wireKeys();
}

MainWindow::~MainWindow() {
    // The children outlive this destructor by a moment: ~QWidget deletes them after
    // the MainWindow part is gone. An open cell editor commits when it loses focus
    // there, and any handler it reached would run on a half-destroyed window, so
    // every path from a child back into this window is cut first.
    if (Grid1_Youhuaxuanxiang) {
        if (auto* delegate = qobject_cast<pilecalc::app::RangesGridDelegate*>(Grid1_Youhuaxuanxiang->itemDelegate()))
            delegate->detach();
    }
    for (QObject* child : findChildren<QObject*>()) QObject::disconnect(child, nullptr, this, nullptr);
    delete m_aboutWindow;
}

void MainWindow::setClockForTesting(std::function<QDateTime()> clock) { m_clock = std::move(clock); }

void MainWindow::setPermissionServiceForTesting(pilecalc::platform::PermissionService* service) {
    m_permissions = service ? service : &pilecalc::platform::permissionService();
}

void MainWindow::FormCreate() {
    m_run = {};
    m_optimisationMode = pilecalc::app::OptimisationMode::Off;
    m_sort = {};
    fillRangesGrid();
    createOptimisationLists();
}

void MainWindow::fillRangesGrid() {
    static const char16_t* const cells[5][5] = {
        {u"桩身直径 d(mm)", u"1000", u"2000", u"500", u"桩径取值范围"},
        {u"嵌岩深度 hr(mm)", u"1.0d", u"3.0d", u"1.0d", u"也可直接输入数值(不可混用)"},
        {u"岩石强度 frk(MPa)", u"30.00", u"50.00", u"10.00", u"岩石单轴抗压强度标准值应大于0"},
        {u"", u"", u"", u"", u""},
        {u"筛选 Qcd(kN)", u"10000", u"15000", u"", u"输入0不起控制作用"},
    };
    for (int row = 0; row < 5; ++row) {
        for (int column = 0; column < 5; ++column) {
            auto* item = new pilecalc::app::RangesGridItem(QString::fromUtf16(cells[row][column]));
            const bool rangeCell = row <= 2 && column >= 1 && column <= 3;
            const bool filterCell = row == 4 && (column == 1 || column == 2);
            Qt::ItemFlags flags = Qt::ItemIsSelectable | Qt::ItemIsEnabled;
            if (rangeCell || filterCell) flags |= Qt::ItemIsEditable;
            item->setFlags(flags);
            if (column >= 1 && column <= 3) item->setTextAlignment(Qt::AlignCenter);
            Grid1_Youhuaxuanxiang->setItem(row, column, item);
        }
    }
}

void MainWindow::FormClose() {
    // Nothing is saved; the about window goes with the main window.
    if (m_aboutWindow) m_aboutWindow->hide();
}

// Every way of leaving ("退出", the window's close, Alt+F4) comes here. With piles not yet
// saved the window stays and asks first; only "退出" in that question closes it.
void MainWindow::closeEvent(QCloseEvent* event) {
    if (unsavedTexts() != 0 && !m_leaveConfirmed) {
        event->ignore();
        if (!m_leaveQuestion) {
            m_leaveQuestion = pilecalc::platform::askQuestion(
                this, QStringLiteral("计算结果尚未保存，确定退出吗？"), QStringLiteral("退出"), QStringLiteral("取消"),
                [this](bool leave) {
                    if (!leave) return;
                    m_leaveConfirmed = true;
                    // After the question has gone: closing from inside its own handler
                    // would close the window under the dialog that is being finished.
                    QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
                });
        }
        return;
    }
    FormClose();
    event->accept();
}

void MainWindow::placeLayers() {
    for (ScaledLayer* layer : {MainFormLayer, YouHuaFormLayer, JieGuo_DocLayer, ComFormLayer}) {
        if (layer->geometry() != rect()) layer->setGeometry(rect());
    }
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    placeLayers();
}

void MainWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QLinearGradient sky(0, 0, 0, height());
    sky.setColorAt(0, QColor(0x00, 0xBF, 0xFF));  // deep sky blue
    sky.setColorAt(1, Qt::white);
    painter.fillRect(rect(), sky);
}

void MainWindow::cbt_tuichuClick() { close(); }

void MainWindow::cbt_YouHuaClick() {
    MainFormLayer->hide();
    YouHuaFormLayer->show();
    m_optimisationMode = pilecalc::app::OptimisationMode::On;
}

void MainWindow::cbt_YHfanhuiClick() {
    MainFormLayer->show();
    YouHuaFormLayer->hide();
    m_optimisationMode = pilecalc::app::OptimisationMode::Off;
}

void MainWindow::cbt_CopyRightClick() {
    // Parentless, so it is a window of its own; kept for the run and deleted with the
    // main window.
    if (!m_aboutWindow) m_aboutWindow = new AboutWindow();
    const bool alreadyShown = m_aboutWindow->isVisible();
    m_aboutWindow->show();
    if (alreadyShown) m_aboutWindow->raise();  // behind the main window: bring it forward
}
