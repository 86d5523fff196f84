// SPDX-License-Identifier: GPL-3.0-or-later
#include "WindowFixture.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

#include "platform/DocumentsFolder.h"
#include "support/WindowControls.h"

namespace pilecalc::test {

void WindowFixture::start() {
    QLocale::setDefault(QLocale::c());
    m_documents = std::make_unique<QTemporaryDir>();
    platform::setDocumentsFolderForTesting(m_documents->path());
    m_window = std::make_unique<MainWindow>();
    m_window->setClockForTesting(fixedTime);
}

QStringList WindowFixture::finish() {
    const QStringList left = openDialogs();
    closeAllDialogs();
    m_window.reset();
    platform::setDocumentsFolderForTesting(QString());
    m_documents.reset();
    QLocale::setDefault(QLocale::c());
    return left;
}

void WindowFixture::closeAllDialogs() {
    for (QWidget* top : QApplication::topLevelWidgets()) {
        auto* box = qobject_cast<QMessageBox*>(top);
        if (box && box->isVisible()) box->done(0);
    }
    QApplication::processEvents();
}

QStringList WindowFixture::openDialogs() {
    QStringList texts;
    for (QWidget* top : QApplication::topLevelWidgets()) {
        auto* box = qobject_cast<QMessageBox*>(top);
        if (box && box->isVisible()) texts << box->text();
    }
    return texts;
}

QString WindowFixture::takeDialog() {
    QMessageBox* found = nullptr;
    int count = 0;
    for (QWidget* top : QApplication::topLevelWidgets()) {
        auto* box = qobject_cast<QMessageBox*>(top);
        if (box && box->isVisible()) {
            found = box;
            ++count;
        }
    }
    if (count != 1) return {};
    const QString text = found->text();
    found->done(0);
    QApplication::processEvents();
    return text;
}

void WindowFixture::enterInputs(const QString& d, const QString& hr, const QString& frk, bool weathered,
                                const QString& reduction, const QString& gammaCR) {
    MainWindow& win = *m_window;
    ui(win).cbe_dd->setEditText(d);
    ui(win).cbe_hr->setEditText(hr);
    ui(win).edt_frk->setText(frk);
    ui(win).ckb_zhongfenghua->setChecked(weathered);
    ui(win).cbe_zhongfenghua->setEditText(reduction);
    ui(win).cbe_Gamacr->setEditText(gammaCR);
}

}  // namespace pilecalc::test
