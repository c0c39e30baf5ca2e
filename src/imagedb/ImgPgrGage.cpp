#include "imagedb/ImgPgrGage.h"
#include "support/ScreenFit.h"

#include "support/ExtReal.h"
#include "support/Prompt.h"
#include "support/StringUt.h"

#include <QApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>
#include <cmath>

namespace solar {

TGauge::TGauge(QWidget *parent) : QWidget(parent) {
    setMinimumSize(200, 20);
}

void TGauge::setProgress(int percent) {
    progress_ = percent < 0 ? 0 : percent > 100 ? 100 : percent;
    update();
}

void TGauge::paintEvent(QPaintEvent *) {
    QPainter p(this);
    p.fillRect(rect(), palette().color(QPalette::Button));
    p.fillRect(QRect(0, 0, width() * progress_ / 100, height()), Qt::blue);
    p.setPen(Qt::darkGray);
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

TGaugeForm2::TGaugeForm2(QWidget *parent) : QDialog(parent) {
    setWindowFlag(Qt::WindowStaysOnTopHint, true);
    setModal(false);
    auto value = [this] { return new QLabel(this); };
    auto *grid = new QGridLayout;
    TotalVal = value();
    LoadedVal = value();
    PercentVal = value();
    ElapsedVal = value();
    EstimateVal = value();
    FileVal = value();
    int row = 0;
    auto add = [&](const QString &caption, QLabel *v) {
        grid->addWidget(new QLabel(caption, this), row, 0);
        grid->addWidget(v, row++, 1);
    };
    add(tr(" Images Selected"), TotalVal);
    add(tr("Images Loaded"), LoadedVal);
    add(tr("Percent Complete:"), PercentVal);
    add(tr("Elapsed Time:"), ElapsedVal);
    add(tr("Est. Time to Complete:"), EstimateVal);
    add(tr("Current Image File:"), FileVal);
    Gauge = new TGauge(this);
    OKBtn = new QPushButton(tr("OK"), this);
    CancelBtn = new QPushButton(tr("Cancel"), this);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OKBtn);
    buttons->addWidget(CancelBtn);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(Gauge);
    layout->addLayout(buttons);
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelBtn, &QPushButton::clicked, this, &TGaugeForm2::CancelBtnClick);
}

std::string TGaugeForm2::HoursText(double hours) {
    const double whole = std::trunc(hours);
    return tr("%1 Hr %2 Min")
        .arg(QString::fromStdString(FixedText(whole, 0)),
             QString::fromStdString(FixedText((hours - whole) * 60.0, 2)))
        .toStdString();
}

void TGaugeForm2::StartProgress(const std::string &caption, const std::string &question, int total) {
    setWindowTitle(QString::fromStdString(caption));
    screenfit::keepCaptionWhole(this);
    question_ = question;
    Gauge->setProgress(0);
    total_ = total;
    TotalVal->setText(QString::number(total));
    LoadedVal->setText("0");
    PercentVal->setText("0.000");
    ElapsedVal->clear();
    EstimateVal->clear();
    FileVal->clear();
    OKBtn->hide();
    CancelBtn->show();
    start_ = now();
    running_ = true;
    if (parentWidget()) {
        adjustSize();
        move(parentWidget()->geometry().center() - rect().center());
    }
    show();
    repaint();
}

void TGaugeForm2::StepProgress(const std::string &file, int n) {
    LoadedVal->setText(QString::number(n));
    const double percent = total_ > 0 ? n * 100.0 / total_ : 100.0;
    Gauge->setProgress(static_cast<int>(roundToInt(percent)));
    PercentVal->setText(QString::fromStdString(FixedText(percent, 3)));
    const double elapsed = std::chrono::duration<double, std::ratio<3600>>(now() - start_).count();
    ElapsedVal->setText(QString::fromStdString(HoursText(elapsed)));
    if (n > 0)
        EstimateVal->setText(QString::fromStdString(HoursText((double(total_) / n - 1.0) * elapsed)));
    FileVal->setText(QString::fromStdString(file));
    repaint();
    emit stepped(n);
    QApplication::processEvents();
}

void TGaugeForm2::FinishProgress() {
    OKBtn->show();
    CancelBtn->hide();
}

void TGaugeForm2::CancelBtnClick() {
    if (!running_)
        return;
    if (prompt().message(tr("Cancel Current Processing?").toStdString(), question_, Icon::Question,
                         Buttons::YesNo) != Answer::Yes)
        return;
    running_ = false;
    FinishProgress();
    hide();
}

void TGaugeForm2::reject() {
    // Escape or the close box while images load is the Cancel button.
    if (running_ && CancelBtn->isVisible())
        CancelBtnClick();
    else
        QDialog::reject();
}

} // namespace solar
