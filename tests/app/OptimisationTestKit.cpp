// SPDX-License-Identifier: GPL-3.0-or-later
#include "OptimisationTestKit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTableView>
#include <QTableWidget>
#include <cmath>
#include <vector>

#include "app/FontColour.h"
#include "app/MainWindow.h"
#include "engine/NumberFormat.h"
#include "support/WindowControls.h"

namespace pilecalc::test {

namespace {

QString q(const std::u16string& s) { return QString::fromStdU16String(s); }

void setCell(QTableWidget* grid, int row, int column, const QString& text) {
    if (!grid->item(row, column)) grid->setItem(row, column, new QTableWidgetItem);
    grid->item(row, column)->setText(text);
}

QString colour(QWidget* control) { return QString::number(app::fontColour(control), 16); }

// The enumeration of one item as designed: the minimum alone when it is not below the
// maximum, both ends when the step is not positive or passes the range, else the range
// divided by the step rounded half up, plus one value; each value is the previous one
// plus the step, never past the maximum.
std::vector<double> designedValues(double minimum, double maximum, double step) {
    if (!(minimum < maximum)) return {minimum};
    const double range = maximum - minimum;
    long long count = 0;
    if (step <= 0 || step > range) {
        step = range;
        count = 2;
    } else {
        count = static_cast<long long>(std::trunc(range / step + 0.5)) + 1;
    }
    std::vector<double> values;
    double v = minimum;
    for (long long i = 0; i < count; ++i) {
        values.push_back(v);
        v += step;
        if (v > maximum) v = maximum;
    }
    return values;
}

double number(const QString& text) { return QLocale::c().toDouble(text.trimmed()); }

QString share(const QString& part, const QString& total) {
    const double t = number(total);
    if (t == 0.0) return {};
    return q(FormatFixed(number(part) / t * 100.0, 15, 0, u'.')) + "%";
}

}  // namespace

RangeTexts defaultRanges() { return {{"1000", "2000", "500"}, {"1.0d", "3.0d", "1.0d"}, {"30.00", "50.00", "10.00"}}; }

void writeRanges(MainWindow& w, const RangeTexts& r) {
    for (int c = 0; c < 3; ++c) {
        setCell(ui(w).Grid1_Youhuaxuanxiang, 0, c + 1, r.d[c]);
        setCell(ui(w).Grid1_Youhuaxuanxiang, 1, c + 1, r.hr[c]);
        setCell(ui(w).Grid1_Youhuaxuanxiang, 2, c + 1, r.frk[c]);
    }
}

void writeFilterBounds(MainWindow& w, const QString& minimum, const QString& maximum) {
    setCell(ui(w).Grid1_Youhuaxuanxiang, 4, 1, minimum);
    setCell(ui(w).Grid1_Youhuaxuanxiang, 4, 2, maximum);
}

QList<QStringList> listCells(QTableView* list) {
    QList<QStringList> rows;
    const QAbstractItemModel* model = list->model();
    for (int r = 0; r < model->rowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < model->columnCount(); ++c) cells << model->index(r, c).data().toString();
        rows << cells;
    }
    return rows;
}

QStringList listHeaders(QTableView* list) {
    QStringList headers;
    for (int c = 0; c < list->model()->columnCount(); ++c) {
        headers << list->model()->headerData(c, Qt::Horizontal).toString();
    }
    return headers;
}

QStringList mainLayerState(MainWindow& w) {
    QStringList s;
    s << "cbe_dd=" + ui(w).cbe_dd->currentText() + " " + colour(ui(w).cbe_dd);
    s << "cbe_hr=" + ui(w).cbe_hr->currentText() + " " + colour(ui(w).cbe_hr);
    s << "edt_frk=" + ui(w).edt_frk->text() + " " + colour(ui(w).edt_frk);
    s << QString("ckb_zhongfenghua=%1").arg(ui(w).ckb_zhongfenghua->isChecked());
    s << QString("cbe_zhongfenghua=%1 %2 enabled %3")
             .arg(ui(w).cbe_zhongfenghua->currentText(), colour(ui(w).cbe_zhongfenghua))
             .arg(ui(w).cbe_zhongfenghua->isEnabled());
    s << "cbe_Gamacr=" + ui(w).cbe_Gamacr->currentText() + " " + colour(ui(w).cbe_Gamacr);
    for (QLineEdit* out :
         {ui(w).edt_kesais, ui(w).edt_kesaip, ui(w).edt_Qrs, ui(w).edt_Qrp, ui(w).edt_Qrk, ui(w).edt_ra}) {
        s << out->objectName() + "=" + out->text();
    }
    s << "lb_Qrs=" + ui(w).lb_Qrs->text() << "lb_Qrp=" + ui(w).lb_Qrp->text();
    s << QString("lb_shuoming=%1 %2 hidden %3")
             .arg(ui(w).lb_shuoming->text(), colour(ui(w).lb_shuoming))
             .arg(ui(w).lb_shuoming->isHidden());
    s << QString("img_Logo hidden %1").arg(ui(w).img_Logo->isHidden());
    s << QString("cbt_compute hidden %1 enabled %2")
             .arg(ui(w).cbt_compute->isHidden())
             .arg(ui(w).cbt_compute->isEnabled());
    s << QString("cbt_View hidden %1").arg(ui(w).cbt_View->isHidden());
    s << QString("pileCount %1 unsaved %2 mode %3")
             .arg(w.pileCount())
             .arg(w.unsavedTexts())
             .arg(static_cast<int>(w.optimisationMode()));
    return s;
}

QStringList optimisationLayerState(MainWindow& w) {
    QStringList s;
    s << "lb_YHxingxi=" + ui(w).lb_YHxingxi->text() + " " + colour(ui(w).lb_YHxingxi);
    for (QPushButton* b :
         {ui(w).cbt_YHcompute, ui(w).cbt_YHsaixuan, ui(w).cbt_YHsave, ui(w).cbt_YHfanhui, ui(w).cbt_zhangkai}) {
        s << QString("%1=%2 enabled %3").arg(b->objectName(), b->text()).arg(b->isEnabled());
    }
    s << QString("sort %1 %2").arg(static_cast<int>(w.dOrder())).arg(static_cast<int>(w.QcdOrder()));
    s << QString("Grid2 hidden %1 Grid3 hidden %2")
             .arg(ui(w).Grid2_Youhuajieguo->isHidden())
             .arg(ui(w).Grid3_Youhuasaixuan->isHidden());
    s << "Grid2 headers " + listHeaders(ui(w).Grid2_Youhuajieguo).join('|');
    s << "Grid3 headers " + listHeaders(ui(w).Grid3_Youhuasaixuan).join('|');
    s << QString("pb_YH_jingdu %1..%2 = %3")
             .arg(ui(w).pb_YH_jingdu->minimum())
             .arg(ui(w).pb_YH_jingdu->maximum())
             .arg(ui(w).pb_YH_jingdu->value());
    return s;
}

QList<QStringList> literalBatch(MainWindow& w, const RangeTexts& r) {
    const QString stopMessage = "运行中止，主界面可查看中止位置、原因";
    ui(w).Grid2_Youhuajieguo->show();
    ui(w).Grid3_Youhuasaixuan->hide();
    ui(w).lb_YHxingxi->clear();
    // The caller has entered the optimisation layer, so the window is in optimisation
    // mode and its sort states are those a run starts from.

    const bool inDiameters = r.hr[0].contains('d');
    auto depth = [&](const QString& text) { return number(inDiameters ? text.left(text.indexOf('d')) : text); };
    const auto ds = designedValues(number(r.d[0]), number(r.d[1]), number(r.d[2]));
    const auto hrs = designedValues(depth(r.hr[0]), depth(r.hr[1]), depth(r.hr[2]));
    const auto frks = designedValues(number(r.frk[0]), number(r.frk[1]), number(r.frk[2]));
    const std::size_t total = ds.size() * hrs.size() * frks.size();
    const int digits = QString::number(total).size();

    ui(w).img_Logo->hide();
    ui(w).lb_shuoming->show();
    ui(w).pb_YH_jingdu->setRange(0, 100);
    ui(w).pb_YH_jingdu->setValue(0);

    QList<QStringList> rows;
    std::size_t done = 0;
    for (double d : ds) {
        for (double hr : hrs) {
            for (double frk : frks) {
                ui(w).cbe_dd->setEditText(q(formatGeneral(d, u'.')));
                ui(w).cbe_hr->setEditText(inDiameters ? q(FormatFixed(hr, 15, 1, u'.')) + "d"
                                                      : q(formatGeneral(hr, u'.')));
                ui(w).edt_frk->setText(q(FormatFixed(frk, 15, 2, u'.')));
                w.cbt_computeClick();
                if (ui(w).lb_YHxingxi->text() == stopMessage) return rows;  // the rejected pile ends the run

                const bool weathered = ui(w).ckb_zhongfenghua->isChecked();
                QStringList cells;
                cells << "ZH-" + QString::number(rows.size() + 1).rightJustified(digits, '0')
                      << ui(w).cbe_dd->currentText() << ui(w).edt_ra->text() << ui(w).cbe_hr->currentText()
                      << ui(w).edt_frk->text() << (weathered ? "是" : "否")
                      << (weathered ? ui(w).cbe_zhongfenghua->currentText() : "1.00")
                      << q(FormatFixed(inDiameters ? hr : hr / d, 15, 2, u'.')) << ui(w).edt_kesais->text()
                      << ui(w).edt_Qrs->text() << share(ui(w).edt_Qrs->text(), ui(w).edt_Qrk->text())
                      << ui(w).edt_kesaip->text() << ui(w).edt_Qrp->text()
                      << share(ui(w).edt_Qrp->text(), ui(w).edt_Qrk->text()) << ui(w).edt_Qrk->text()
                      << ui(w).cbe_Gamacr->currentText() << QString();
                rows << cells;
                ++done;
                const double percent = static_cast<double>(done) / static_cast<double>(total) * 100.0;
                ui(w).pb_YH_jingdu->setValue(static_cast<int>(percent));
                ui(w).lb_YHxingxi->setText("计算完成 " + q(formatGeneral(percent, u'.')) + " %");
            }
        }
    }
    ui(w).pb_YH_jingdu->setValue(0);
    app::setFontColour(ui(w).lb_YHxingxi, app::kBlack);
    if (rows.isEmpty()) {
        ui(w).lb_YHxingxi->setText("调整优化项重新计算");
        ui(w).cbt_YHcompute->setEnabled(false);
    } else {
        ui(w).lb_YHxingxi->setText(QString("计算完成，桩数：%1 根").arg(rows.size()));
        ui(w).cbt_YHcompute->setEnabled(false);
        ui(w).cbt_YHsaixuan->setEnabled(true);
        ui(w).cbt_YHsave->setEnabled(true);
    }
    return rows;
}

}  // namespace pilecalc::test
