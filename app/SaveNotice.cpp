// SPDX-License-Identifier: GPL-3.0-or-later
// After a save the user learns where the file went: a short-lived line over the bottom of
// the text or list just saved names the full path. It asks nothing and blocks nothing,
// and it leaves the layer's own status texts alone.
#include <QDir>
#include <QLabel>
#include <QTimer>

#include "app/FigureField.h"
#include "app/MainWindow.h"
#include "app/ScaledLayer.h"

namespace {

// How long the notice stays, in milliseconds.
constexpr int kNoticeShownFor = 8000;

QLabel* noticeIn(pilecalc::app::ScaledLayer* layer, const char* name, const QRect& place) {
    auto* notice = layer->findChild<QLabel*>(QString::fromLatin1(name), Qt::FindDirectChildrenOnly);
    if (notice) return notice;
    notice = new QLabel(layer);
    notice->setObjectName(QString::fromLatin1(name));
    notice->setStyleSheet(QStringLiteral("QLabel { background: #FFF8DC; border: 1px solid #C0A060; color: black; }"));
    notice->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    notice->setTextInteractionFlags(Qt::TextSelectableByMouse);  // the path can be copied
    layer->place(notice, place);
    pilecalc::app::keepMessageWhole(notice, layer);
    auto* timer = new QTimer(notice);
    timer->setObjectName(QStringLiteral("hideTimer"));
    timer->setSingleShot(true);
    QObject::connect(timer, &QTimer::timeout, notice, &QWidget::hide);
    notice->hide();
    return notice;
}

}  // namespace

void MainWindow::announceSaved(const QString& path) {
    const bool list = !YouHuaFormLayer->isHidden();
    QLabel* notice = list ? noticeIn(YouHuaFormLayer, "lb_YHsaveNotice", QRect(4, 544, 322, 30))
                          : noticeIn(JieGuo_DocLayer, "lb_saveNotice", QRect(4, 576, 322, 30));
    notice->setText(QStringLiteral("已保存：") + QDir::toNativeSeparators(path));
    notice->show();
    notice->raise();
    notice->findChild<QTimer*>(QStringLiteral("hideTimer"))->start(kNoticeShownFor);
}
