// Saving the results: the permission request, then the text on screen to its file.
#include <QPushButton>

#include "app/MainWindow.h"
#include "platform/ErrorReport.h"
#include "platform/MessageDialog.h"
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
    const QStringList permissions{FPermissionWriteExternalStorage};
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
        if (name == FPermissionWriteExternalStorage) message += QStringLiteral("需要存贮权限，否则计算结果不能存盘");
    }
    pilecalc::platform::showMessage(this, message, std::move(proceed));
}

void MainWindow::SaveResultFiles(QObject*, const QStringList&, const std::vector<PermissionStatus>& grantResults) {
    if (grantResults.size() != 1 || grantResults.front() != PermissionStatus::Granted) {
        pilecalc::platform::showMessage(this, QStringLiteral("无权存盘"));
        return;
    }
    if (optimisationMode == 1) {
        saveOptimisationList();
        return;
    }
    if (optimisationMode != 0) return;

    const QString page = cbt_PageBook->text();
    const bool book = page == QStringLiteral("1");
    if (!book && page != QStringLiteral("2")) return;
    const auto outcome =
        pilecalc::platform::saveMemoFile(book ? kBookFile : kTableFile, book ? bookLines : tableLines);
    if (!outcome.ok) {
        // The text stays unsaved: the state and "保存" are left as they were.
        pilecalc::platform::showErrorReport(this, outcome.error);
        return;
    }
    unsavedTexts -= book ? 1 : 2;
    cbt_Save->setEnabled(false);
    announceSaved(outcome.path);
}
