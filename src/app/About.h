#pragma once
// The About box: the program's picture, the product family, the version and the exercise title.

#include <QDialog>
#include <string>

class QLabel;
class QPushButton;

namespace solar {

class TAboutBox : public QDialog {
    Q_OBJECT
public:
    // installDir: where the logo picture lies (shown small as the program's picture).
    explicit TAboutBox(const std::string &installDir, QWidget *parent = nullptr);

    QLabel *ProgramIcon = nullptr;
    QLabel *ProductName = nullptr;
    QLabel *Version = nullptr;
    QLabel *Exercise1 = nullptr;
    QLabel *Folders = nullptr; // where the program keeps the options, the log and Users/
    QPushButton *OKButton = nullptr;
};

} // namespace solar
