#pragma once
// The shared search-string dialog: the text to look for, whether case matters, and where the
// search starts (from the top, from the line after the cursor, or no search at all).

#include <QDialog>
#include <string>

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace solar {

enum class SearchStart { None, Top, Cursor };

class TGetSrchStrDlg : public QDialog {
    Q_OBJECT
public:
    explicit TGetSrchStrDlg(QWidget *parent = nullptr);

    QLineEdit *SrchStr1;
    QCheckBox *CaseCheck;
    QPushButton *FromTopBtn;
    QPushButton *FromCursorBtn;
    QPushButton *CnclBtn;

    // Results, kept between uses until the next reset.
    std::string SearchText; // at most 80 characters
    SearchStart Start = SearchStart::None;
    bool CaseDependent = false;

    // Empty text, no search, case-independent.
    void Reset();

public slots:
    void FormActivate();
    void FromTopBtnClick();
    void FromCursorBtnClick();
    void CnclBtnClick();
    void reject() override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void takeAnswer(SearchStart start);
};

} // namespace solar
