#include "support/Getsstr.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace solar {

TGetSrchStrDlg::TGetSrchStrDlg(QWidget *parent) : QDialog(parent) {
    setWindowTitle(tr("Find Help Topic"));
    SrchStr1 = new QLineEdit(this);
    SrchStr1->setMaxLength(80);
    SrchStr1->setAccessibleName(tr("Text to find"));
    CaseCheck = new QCheckBox(tr("Case Dependent"), this);
    FromTopBtn = new QPushButton(tr("From &Top"), this);
    FromCursorBtn = new QPushButton(tr("&From Cursor"), this);
    CnclBtn = new QPushButton(tr("&Cancel"), this);
    FromTopBtn->setDefault(true);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(FromTopBtn);
    buttons->addWidget(FromCursorBtn);
    buttons->addWidget(CnclBtn);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(SrchStr1);
    layout->addWidget(CaseCheck);
    layout->addLayout(buttons);

    connect(FromTopBtn, &QPushButton::clicked, this, &TGetSrchStrDlg::FromTopBtnClick);
    connect(FromCursorBtn, &QPushButton::clicked, this, &TGetSrchStrDlg::FromCursorBtnClick);
    connect(CnclBtn, &QPushButton::clicked, this, &TGetSrchStrDlg::CnclBtnClick);
    Reset();
}

void TGetSrchStrDlg::Reset() {
    SearchText.clear();
    Start = SearchStart::None;
    CaseDependent = false;
}

void TGetSrchStrDlg::FormActivate() {
    SrchStr1->setText(QString::fromStdString(SearchText));
    CaseCheck->setChecked(CaseDependent);
    SrchStr1->setFocus();
    SrchStr1->selectAll();
}

void TGetSrchStrDlg::showEvent(QShowEvent *event) {
    QDialog::showEvent(event);
    FormActivate();
}

void TGetSrchStrDlg::takeAnswer(SearchStart start) {
    SearchText = SrchStr1->text().left(80).toStdString();
    CaseDependent = CaseCheck->isChecked();
    if (SearchText.empty()) {
        Start = SearchStart::None;
        done(QDialog::Rejected);
        return;
    }
    Start = start;
    done(QDialog::Accepted);
}

void TGetSrchStrDlg::FromTopBtnClick() {
    takeAnswer(SearchStart::Top);
}
void TGetSrchStrDlg::FromCursorBtnClick() {
    takeAnswer(SearchStart::Cursor);
}

void TGetSrchStrDlg::CnclBtnClick() {
    reject();
}

void TGetSrchStrDlg::reject() {
    // Closing the dialog any way other than the two search buttons means no search.
    Start = SearchStart::None;
    QDialog::reject();
}

} // namespace solar
