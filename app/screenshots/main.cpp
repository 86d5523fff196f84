// SPDX-License-Identifier: GPL-3.0-or-later
// Renders the window's screens to PNG files: pilecalc_screenshots <output folder>.
// Runs on any Qt platform, offscreen included; the clock is fixed so the pictures are
// the same on every run.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QTemporaryDir>
#include <cstdio>

#include "app/AboutWindow.h"
#include "app/MainWindow.h"
#include "app/ToolkitTranslations.h"
#include "platform/DocumentsFolder.h"
#include "support/WindowControls.h"

namespace {

bool save(QWidget* widget, const QDir& folder, const QString& name) {
    const QString path = folder.filePath(name);
    const bool ok = widget->grab().save(path, "PNG");
    std::printf("%s %s\n", ok ? "wrote" : "FAILED", qPrintable(path));
    return ok;
}

// The pile whose figures are widest: Qcs 1385442.00 and Qck 1504195.00 in two decimals.
void bigPile(MainWindow& window) {
    ui(window).cbe_dd->setEditText(QStringLiteral("3000"));
    ui(window).cbe_hr->setEditText(QStringLiteral("5.0d"));
    ui(window).edt_frk->setText(QStringLiteral("200"));
    ui(window).popbox_jingdu->setCurrentIndex(0);
    window.cbt_computeClick();
}

void prepare(MainWindow& window) {
    window.setClockForTesting([] { return QDateTime(QDate(2025, 3, 14), QTime(9, 26, 53)); });
    window.show();
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    pilecalc::app::installToolkitTranslations(app);
    if (argc < 2) {
        std::fputs("usage: pilecalc_screenshots <output folder> [<suffix>]\n", stderr);
        return 2;
    }
    // With a suffix (a run at another QT_SCALE_FACTOR) only the screens that show how the
    // window fits the screen are rendered, each name ending in the suffix.
    const QString suffix = argc >= 3 ? QString::fromLocal8Bit(argv[2]) : QString();
    QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.mkpath(QStringLiteral("."))) return 1;
    QTemporaryDir documents;  // nothing of a screenshot run lands in the user's documents
    pilecalc::platform::setDocumentsFolderForTesting(documents.path());
    bool ok = true;

    if (!suffix.isEmpty()) {
        MainWindow window;
        prepare(window);
        QApplication::processEvents();
        ok &= save(&window, folder, "main_start" + suffix + ".png");
        bigPile(window);
        ok &= save(&window, folder, "main_big_pile" + suffix + ".png");
        window.cbt_ViewClick();
        ok &= save(&window, folder, "viewer_book" + suffix + ".png");
        window.cbt_ExitClick();
        window.cbt_YouHuaClick();
        window.cbt_YHcomputeClick();
        ok &= save(&window, folder, "optimisation_run" + suffix + ".png");
        window.cbt_CopyRightClick();
        window.aboutWindow()->setAddressOpenerForTesting([](const QString&) {});
        QApplication::processEvents();
        ok &= save(window.aboutWindow(), folder, "about" + suffix + ".png");
        return ok ? 0 : 1;
    }

    {
        MainWindow window;
        prepare(window);
        bigPile(window);
        ok &= save(&window, folder, QStringLiteral("main_big_pile.png"));
    }
    {
        MainWindow window;
        prepare(window);
        ok &= save(&window, folder, QStringLiteral("main_start.png"));
        window.cbt_computeClick();
        ok &= save(&window, folder, QStringLiteral("main_computed.png"));
        window.cbt_JingDuClick();
        ok &= save(&window, folder, QStringLiteral("main_precision_list.png"));
        ui(window).popbox_jingdu->setCurrentIndex(0);  // two decimals: the widest figures
        ok &= save(&window, folder, QStringLiteral("main_two_decimals.png"));
        ui(window).edt_frk->setText(QStringLiteral("5"));
        ui(window).cbe_Gamacr->setEditText(QStringLiteral("1"));
        window.cbt_computeClick();
        ok &= save(&window, folder, QStringLiteral("main_failed_check.png"));
    }
    {
        MainWindow window;
        prepare(window);
        window.cbt_computeClick();
        ui(window).cbe_dd->setEditText(QStringLiteral("1200"));
        ui(window).cbe_hr->setEditText(QStringLiteral("3000"));
        ui(window).edt_frk->setText(QStringLiteral("40"));
        ui(window).ckb_zhongfenghua->setChecked(false);
        ui(window).cbe_Gamacr->setEditText(QStringLiteral("1.75"));
        window.cbt_computeClick();
        ui(window).cbe_dd->setEditText(QStringLiteral("1000"));
        ui(window).cbe_hr->setEditText(QStringLiteral("6000"));
        ui(window).edt_frk->setText(QStringLiteral("80"));
        ui(window).ckb_zhongfenghua->setChecked(true);
        ui(window).cbe_zhongfenghua->setEditText(QStringLiteral("0.75"));
        ui(window).cbe_Gamacr->setEditText(QStringLiteral("1.70"));
        window.cbt_computeClick();
        window.cbt_ViewClick();
        ok &= save(&window, folder, QStringLiteral("viewer_book.png"));
        window.cbt_PageBookClick();
        ok &= save(&window, folder, QStringLiteral("viewer_table.png"));
    }
    {
        MainWindow window;
        prepare(window);
        window.cbt_YouHuaClick();
        ok &= save(&window, folder, QStringLiteral("optimisation_start.png"));
        window.cbt_CopyRightClick();
        window.aboutWindow()->setAddressOpenerForTesting([](const QString&) {});
        ok &= save(window.aboutWindow(), folder, QStringLiteral("about.png"));
    }
    {
        MainWindow window;
        prepare(window);
        window.cbt_YouHuaClick();
        window.cbt_YHcomputeClick();  // the 27 piles of the start ranges
        ok &= save(&window, folder, QStringLiteral("optimisation_run_folded.png"));
        window.cbt_zhangkaiClick();
        ok &= save(&window, folder, QStringLiteral("optimisation_run_expanded.png"));
    }
    return ok ? 0 : 1;
}
