// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/AboutWindow.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPushButton>
#include <QStyleOptionButton>

#include "app/ControlKit.h"
#include "app/FontColour.h"
#include "app/FigureField.h"
#include "app/QrCode.h"
#include "app/ScaledLayer.h"
#include "app/ScreenFit.h"
#include "platform/Shell.h"

#ifndef PILECALC_WEBSITE_URL
#define PILECALC_WEBSITE_URL "https://example.org/pilecalc"
#endif
#ifndef PILECALC_MAIL
#define PILECALC_MAIL "pilecalc@example.org"
#endif
#ifndef PILECALC_ORGANISATION_URL
#define PILECALC_ORGANISATION_URL "https://example.org"
#endif
#ifndef PILECALC_UPDATE_URL
#define PILECALC_UPDATE_URL "https://example.org/pilecalc/update.zip"
#endif

using namespace pilecalc::app;

namespace {

constexpr QSize kAboutSize(260, 330);

// A narrow button whose caption wraps, so "更新" stands one character above the other.
class WrappingButton : public QPushButton {
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        QStyleOptionButton option;
        initStyleOption(&option);
        option.text.clear();
        style()->drawControl(QStyle::CE_PushButton, &option, &painter, this);
        painter.setPen(palette().color(QPalette::ButtonText));
        painter.drawText(rect(), Qt::AlignCenter | Qt::TextWordWrap | Qt::TextWrapAnywhere, text());
    }
};

void setBoldUnderline(QLabel* label, bool on) {
    QFont font = label->font();
    font.setBold(on);
    font.setUnderline(on);
    label->setFont(font);
}

}  // namespace

QString AboutWindow::websiteAddress() { return QStringLiteral(PILECALC_WEBSITE_URL); }
QString AboutWindow::mailAddress() { return QStringLiteral(PILECALC_MAIL); }
QString AboutWindow::organisationAddress() { return QStringLiteral(PILECALC_ORGANISATION_URL); }
QString AboutWindow::updateAddress() { return QStringLiteral(PILECALC_UPDATE_URL); }
QString AboutWindow::organisationText() { return QStringLiteral("(嵌岩桩计算程序开发组)"); }

AboutWindow::AboutWindow(QWidget* parent)
    // A popup: it goes away with Esc, its "关闭" or a click anywhere outside it, and a
    // click on the main window then reaches the control under it.
    : QWidget(parent, Qt::Popup),
      m_opener(&pilecalc::platform::openAddress) {
    setObjectName(QStringLiteral("AboutWindow"));
    setWindowTitle(QStringLiteral("关于"));
    setFixedSize(kAboutSize);
    m_layout = new ScaledLayer(QStringLiteral("AboutLayout"), kAboutSize, this);
    m_layout->setGeometry(rect());
    ScaledLayer* L = m_layout;

    lb_mokuaiming = makeLabel(L, L, "lb_mokuaiming", QRect(0, 16, 265, 33), QStringLiteral("嵌岩桩承载力计算"));
    QFont title = lb_mokuaiming->font();
    title.setPointSizeF(18);
    title.setBold(true);
    lb_mokuaiming->setFont(title);
    lb_mokuaiming->setAlignment(Qt::AlignCenter);
    setFontColour(lb_mokuaiming, kBlue);
    lb_fubiaoti = makeLabel(L, L, "lb_fubiaoti", QRect(0, 48, 265, 17), QStringLiteral("(依据JTS167-4-2012)"));
    setFontSize(lb_fubiaoti, 14);
    lb_fubiaoti->setAlignment(Qt::AlignCenter);
    lb_banquan = makeLabel(L, L, "lb_banquan", QRect(32, 72, 217, 25), QStringLiteral("版权所有：2024-2025"));
    lb_sheji = makeLabel(L, L, "lb_sheji", QRect(32, 104, 100, 25), QStringLiteral("设计：开发组"));
    lb_zhucheshi1 = makeLabel(L, L, "lb_zhucheshi1", QRect(122, 96, 128, 25), QStringLiteral("结构专业"));
    setFontSize(lb_zhucheshi1, 10);
    lb_zhuceshi2 = makeLabel(L, L, "lb_zhuceshi2", QRect(122, 112, 128, 25), QStringLiteral("岩土专业"));
    setFontSize(lb_zhuceshi2, 10);
    lb_danwei = makeLabel(L, L, "lb_danwei", QRect(32, 128, 218, 25), organisationText());
    setFontSize(lb_danwei, 10);
    setFontColour(lb_danwei, kBlack);
    lb_danwei->setAlignment(Qt::AlignCenter);
    lb_wangzhilb = makeLabel(L, L, "lb_wangzhilb", QRect(32, 152, 50, 25), QStringLiteral("网址："));
    lb_wangzhi = makeLabel(L, L, "lb_wangzhi", QRect(70, 152, 146, 25), websiteAddress());
    setFontColour(lb_wangzhi, kBlue);
    cbt_update = new WrappingButton(QStringLiteral("更新"), L);
    cbt_update->setObjectName(QStringLiteral("cbt_update"));
    setFontSize(cbt_update, 10);
    L->place(cbt_update, QRect(216, 156, 20, 40));
    setCornerRadius(L, cbt_update, 5);
    lb_lianxi = makeLabel(L, L, "lb_lianxi", QRect(32, 176, 50, 25), QStringLiteral("邮箱："));
    lb_lianxiUr = makeLabel(L, L, "lb_lianxiUr", QRect(70, 176, 146, 25), mailAddress());
    setFontColour(lb_lianxiUr, kBlue);
    ImageQQ = makeLabel(L, L, "ImageQQ", QRect(72, 212, 100, 100), QString());
    ImageQQ->setScaledContents(true);
    // A code a phone can read: it opens the web address shown above it.
    ImageQQ->setPixmap(QPixmap::fromImage(drawQrCode(websiteAddress(), 168)));
    // The window has no title-bar buttons; this is the way to put it away.
    cbt_close = makeButton(L, L, "cbt_close", QRect(188, 286, 56, 26), QStringLiteral("关闭"));
    setCornerRadius(L, cbt_close, 5);

    // An address longer than its place shrinks rather than running under "更新".
    for (QLabel* link : {lb_wangzhi, lb_lianxiUr}) keepLineWhole(link, L);
    for (QLabel* link : {lb_wangzhi, lb_lianxiUr, lb_danwei}) {
        link->setMouseTracking(true);
        link->setCursor(Qt::PointingHandCursor);
        link->installEventFilter(this);
    }
    connect(cbt_update, &QPushButton::clicked, this, &AboutWindow::cbt_updateClick);
    connect(cbt_close, &QPushButton::clicked, this, &QWidget::hide);

    keepFittedToScreen(this, kAboutSize);
    m_layout->setGeometry(rect());
}

void AboutWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (m_layout->geometry() != rect()) m_layout->setGeometry(rect());
}

void AboutWindow::setAddressOpenerForTesting(std::function<void(const QString&)> opener) {
    m_opener = std::move(opener);
}

void AboutWindow::open(const QString& address) {
    if (m_opener) m_opener(address);
}

void AboutWindow::lb_wangzhiClick() { open(websiteAddress()); }
void AboutWindow::lb_lianxiUrClick() { open(QStringLiteral("mailto:") + mailAddress()); }
void AboutWindow::lb_danweiClick() { open(organisationAddress()); }
void AboutWindow::cbt_updateClick() { open(updateAddress()); }

void AboutWindow::pointerOver(QLabel* link) {
    if (link == lb_danwei) lb_danwei->setText(organisationAddress());
    setBoldUnderline(link, true);
    setFontColour(link, kRed);
}

void AboutWindow::pointerLeft(QLabel* link) {
    setBoldUnderline(link, false);
    if (link == lb_danwei) {
        lb_danwei->setText(organisationText());
        setFontColour(link, kBlack);
    } else {
        setFontColour(link, kBlue);
    }
}

bool AboutWindow::eventFilter(QObject* watched, QEvent* event) {
    auto* link = qobject_cast<QLabel*>(watched);
    if (link && (link == lb_wangzhi || link == lb_lianxiUr || link == lb_danwei)) {
        switch (event->type()) {
            case QEvent::MouseMove:
            case QEvent::Enter: pointerOver(link); break;
            case QEvent::Leave: pointerLeft(link); break;
            case QEvent::MouseButtonRelease:
                if (link == lb_wangzhi) lb_wangzhiClick();
                if (link == lb_lianxiUr) lb_lianxiUrClick();
                if (link == lb_danwei) lb_danweiClick();
                break;
            default: break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

// Esc puts the window away, as its "关闭" button does.
void AboutWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        hide();
        return;
    }
    QWidget::keyPressEvent(event);
}

void AboutWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QLinearGradient glow(0, 0, 0, height());
    glow.setColorAt(0, QColor::fromRgba(0xFFF48D72));
    glow.setColorAt(0.5186, QColor::fromRgba(0xFFFEE9E9));
    glow.setColorAt(1, QColor::fromRgba(0xFFFEE9E9));
    painter.fillRect(rect(), glow);
}
