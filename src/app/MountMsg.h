#pragma once
// The media dialog "Mount Data Media": asks for the image CD or for the folder that holds the
// solar images; a double-click on the path field browses for a folder.

#include <QDialog>
#include <functional>
#include <string>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace solar {

class TMountCDROM : public QDialog {
    Q_OBJECT
public:
    explicit TMountCDROM(QWidget *parent = nullptr);

    // Set by the opener before FormActivate.
    std::string Path;       // proposed media folder ("" : LocateCdrom is asked)
    std::string MediaName;  // e.g. "Rotation Lab Installation CD-ROM"
    std::string FolderName; // e.g. "Solar Images (IMAGES/)"
    std::string InstallDir; // where browsing starts when the field names no folder
    std::function<std::string()> LocateCdrom;
    bool Browsed = false;

    // Fills the instruction and the path field; the opener calls it once before showing.
    void FormActivate();
    void CDRPathEdDblClick();
    void OKBtnClick();

    QPlainTextEdit *Memo1 = nullptr;
    QLineEdit *CDRPathEd = nullptr;
    QLabel *BrowseLbl = nullptr;
    QPushButton *OKBtn = nullptr;
    QPushButton *CancelBtn = nullptr;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};

} // namespace solar
