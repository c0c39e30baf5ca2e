#pragma once
// The progress window shown while several images load: how many are selected and loaded, the
// percentage, the time taken and the time still to go, the current file, and a Cancel button
// that asks before it stops the loading.

#include <QDialog>
#include <QWidget>
#include <chrono>
#include <functional>
#include <string>

class QLabel;
class QPushButton;

namespace solar {

// A plain horizontal bar: the percentage in the bar colour on the background colour.
class TGauge : public QWidget {
public:
    explicit TGauge(QWidget *parent = nullptr);
    void setProgress(int percent);
    int progress() const { return progress_; }

protected:
    void paintEvent(QPaintEvent *) override;

private:
    int progress_ = 0;
};

class TGaugeForm2 : public QDialog {
    Q_OBJECT
public:
    explicit TGaugeForm2(QWidget *parent = nullptr);

    // The elapsed time as "h Hr m.mm Min" from a time in hours.
    static std::string HoursText(double hours);

    void StartProgress(const std::string &caption, const std::string &question, int total);
    // n images done, `file` the one loading now; handles pending input so that Cancel works.
    void StepProgress(const std::string &file, int n);
    void FinishProgress();
    // False once the user confirmed the Cancel question.
    bool Running() const { return running_; }

    // The clock, replaceable by tests.
    std::function<std::chrono::steady_clock::time_point()> now = [] {
        return std::chrono::steady_clock::now();
    };

    QLabel *TotalVal = nullptr, *LoadedVal = nullptr, *PercentVal = nullptr, *ElapsedVal = nullptr,
           *EstimateVal = nullptr, *FileVal = nullptr;
    TGauge *Gauge = nullptr;
    QPushButton *OKBtn = nullptr, *CancelBtn = nullptr;

signals:
    // After each step's values are shown, before pending input is handled.
    void stepped(int n);

public slots:
    void CancelBtnClick();

protected:
    void reject() override;

private:
    int total_ = 0;
    std::chrono::steady_clock::time_point start_;
    bool running_ = false;
    std::string question_;
};

} // namespace solar
