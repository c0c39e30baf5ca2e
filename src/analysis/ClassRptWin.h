#pragma once
// The instructor's "Class Report" window: the report of every student folder of a working folder
// as lines of the generic list window (search, print, save as text), a second page with each
// student's rates against latitude beside the reference's law, and saving as CSV and PDF.

#include "analysis/ClassRpt.h"
#include "support/InfoList.h"

class QAction;
class QLabel;
class QTabWidget;

namespace solar {

class TClassRptForm1 : public TInfoListForm1 {
    Q_OBJECT
public:
    explicit TClassRptForm1(QWidget *parent = nullptr);

    static constexpr const char *Caption = QT_TR_NOOP("Class Report");

    // Reads the working folder's student folders again and compares them with the key at
    // `keyPath` ("": the class median); shows the lines and the plot.
    void Build(const std::string &workDir, const std::string &keyPath);
    const ClassReport &Report() const { return Report_; }

    QTabWidget *Pages1 = nullptr;
    QLabel *Plot1 = nullptr;
    QAction *SavePdf1 = nullptr, *WorkFolder1 = nullptr, *AnswerKey1 = nullptr, *Refresh1 = nullptr;

public slots:
    void FormShow() override;
    void CommaDelimitClick() override;
    void SavePdf1Click();
    void WorkFolder1Click();
    void AnswerKey1Click();

protected:
    void PrintAfterLines(QPainter &painter, QPrinter &printer) override;

private:
    ClassReport Report_;
    std::string WorkDir, KeyPath;
};

// Shows the program's one class report window (made at first use) for the working folder.
TClassRptForm1 &ShowClassReport(QWidget *parent, const std::string &workDir, const std::string &keyPath);

} // namespace solar
