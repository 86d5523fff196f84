// SPDX-License-Identifier: GPL-3.0-or-later
// Saving the results: the permission request, then the text on screen to its file.
#include <QPushButton>

#include "app/BackgroundSave.h"
#include "app/MainWindow.h"
#include "platform/ErrorReport.h"
#include "platform/MessageDialog.h"
#include "platform/LineStream.h"
#include "platform/ResultFile.h"

using pilecalc::platform::PermissionStatus;

namespace {

const QString kBookFile = QStringLiteral("嵌岩桩计算书(依据JTS167-4-2012)_文本.txt");
const QString kTableFile = QStringLiteral("嵌岩桩计算书(依据JTS167-4-2012)_表格.txt");

}  // namespace

void MainWindow::cbt_SaveClick() {
    pilecalc::platform::runGuarded(this, [this] { RequestSave(); });
}

void MainWindow::RequestSave() {
    const QStringList permissions{m_permissionWriteStorage};
    m_permissions->requestPermissions(
        this, permissions,
        [this](QObject* sender, const QStringList& names, const std::vector<PermissionStatus>& grants) {
            SaveResultFiles(sender, names, grants);
        },
        [this](QObject* sender, const QStringList& names, std::function<void()> proceed) {
            DisplayRationale(sender, names, std::move(proceed));
        });
}

void MainWindow::DisplayRationale(QObject*, const QStringList& permissions, std::function<void()> proceed) {
    QString message;
    for (const QString& name : permissions) {
        if (name == m_permissionWriteStorage) message += QStringLiteral("需要存贮权限，否则计算结果不能存盘");
    }
    pilecalc::platform::showMessage(this, message, std::move(proceed));
}

void MainWindow::SaveResultFiles(QObject*, const QStringList&, const std::vector<PermissionStatus>& grantResults) {
    if (grantResults.size() != 1 || grantResults.front() != PermissionStatus::Granted) {
        pilecalc::platform::showMessage(this, QStringLiteral("无权存盘"));
        return;
    }
    if (m_optimisationMode == pilecalc::app::OptimisationMode::On) {
        saveOptimisationList();
        return;
    }

    // The viewer's page decides which text is written.
    const bool book = m_viewerPage == pilecalc::app::ViewerPage::Book;
    const pilecalc::ReportText text = book ? pilecalc::ReportText::Book : pilecalc::ReportText::Table;
    const pilecalc::platform::LinesSource lines(m_run.lines(text));
    const auto outcome = pilecalc::app::runSave(*this, nullptr, [&](pilecalc::platform::SaveControl& control) {
        return pilecalc::platform::streamResultFile(book ? kBookFile : kTableFile,
                                                    pilecalc::platform::ResultFileKind::Memo, lines, &control);
    });
    if (!outcome.ok) {
        // The text stays unsaved: the state and "保存" are left as they were. A save the
        // user stopped needs no message.
        if (!outcome.stopped) pilecalc::platform::showErrorReport(this, outcome.error);
        return;
    }
    m_run.markSaved(text);
    cbt_Save->setEnabled(false);
    announceSaved(outcome.path);
}
