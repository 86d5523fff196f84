// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QWidget>
#include <functional>

class QLabel;
class QPushButton;

namespace pilecalc::app {
class ScaledLayer;
}

// Who made the calculator and how to reach them. Created on the first press of "©",
// hidden (never destroyed) when closed, so it opens again as it was left.
class AboutWindow : public QWidget {
    Q_OBJECT
public:
    explicit AboutWindow(QWidget* parent = nullptr);

    QLabel* lb_mokuaiming = nullptr;
    QLabel* lb_fubiaoti = nullptr;  // subtitle
    QLabel* lb_banquan = nullptr;   // rights line
    QLabel* lb_sheji = nullptr;
    QLabel* lb_zhucheshi1 = nullptr;
    QLabel* lb_zhuceshi2 = nullptr;
    QLabel* lb_danwei = nullptr;
    QLabel* lb_wangzhilb = nullptr;
    QLabel* lb_wangzhi = nullptr;
    QPushButton* cbt_update = nullptr;
    QLabel* lb_lianxi = nullptr;
    QLabel* lb_lianxiUr = nullptr;
    QLabel* ImageQQ = nullptr;
    QPushButton* cbt_close = nullptr;

    // The addresses the links open (set at build time).
    static QString websiteAddress();
    static QString mailAddress();  // without the "mailto:" scheme
    static QString organisationAddress();
    static QString updateAddress();
    static QString organisationText();  // the organisation's name in parentheses

    // Replaces the shell for tests and the screenshot tool: receives the address instead.
    void setAddressOpenerForTesting(std::function<void(const QString&)> opener);

public slots:
    void lb_wangzhiClick();
    void lb_lianxiUrClick();
    void lb_danweiClick();
    void cbt_updateClick();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void pointerOver(QLabel* link);
    void pointerLeft(QLabel* link);
    void open(const QString& address);

    pilecalc::app::ScaledLayer* m_layout = nullptr;
    std::function<void(const QString&)> m_opener;
};
