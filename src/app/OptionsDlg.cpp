#include "app/OptionsDlg.h"

#include "app/Passwd.h"
#include "display/BoxDlg.h"
#include "display/MgRgnDlg.h"
#include "imagefiles/ImgAdjst.h"
#include "support/Prompt.h"
#include "support/QtPrompt.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace solar {

TOptionsDlg::TOptionsDlg(OptsObj *opts, QWidget *parent) : QDialog(parent), opts_(opts) {
    setObjectName("OptionsDlg");
    setWindowTitle(tr("Software Options"));
    QFont f = font();
    f.setPixelSize(11);
    f.setBold(true);
    setFont(f);

    auto *outer = new QHBoxLayout(this);
    PageControl1 = new QTabWidget(this);
    outer->addWidget(PageControl1, 1);
    auto *buttons = new QVBoxLayout;
    outer->addLayout(buttons);
    auto button = [this, buttons](const QString &caption, const QString &hint) {
        auto *b = new QPushButton(caption, this);
        b->setToolTip(hint);
        b->setAutoDefault(false);
        buttons->addWidget(b);
        return b;
    };
    ImagBtn = button(tr("&Image"), tr("Set default image display parameters."));
    BoxBtn = button(tr("\"&Box\""), tr("Set regions for centroiding and sky measurement."));
    RgnBtn = button(tr("&Mag Rgn"), tr("Set default magnification region."));
    buttons->addStretch();
    OKBtn = button(tr("&OK"), QString());
    CancelBtn = button(tr("&Cancel"), QString());
    OKBtn->setDefault(true);

    // Page General.
    OptsTab = new QWidget;
    auto *general = new QHBoxLayout(OptsTab);
    auto *optsGroup = new QGroupBox(tr("Options"), OptsTab);
    auto *optsCol = new QVBoxLayout(optsGroup);
    auto check = [optsGroup, optsCol](const QString &caption, const QString &hint) {
        auto *c = new QCheckBox(caption, optsGroup);
        c->setToolTip(hint);
        optsCol->addWidget(c);
        return c;
    };
    DemoBox = check(tr("Demonstration Mode"), tr("In Demonstration Mode the login is not required."));
    TestBox = check(tr("Test Mode"), tr("In Test Mode preferences are always enabled."));
    CntrBox = check(tr("Centroiding"), tr("Automatically compute spot image centroid."));
    FitBox = check(tr("Curve Fitting"), tr("Automatically compute best fit to data."));
    RateBox = check(tr("Compute Rotation Rate"), tr("Automatic computation - solar radius data only."));
    PrdBox = check(tr("Compute Synodic Period"), tr("Automatic computation - Heliographic data only."));
    SidrBox = check(tr("Compute Sidereal Period"), tr("Automatic computation - all data types."));
    PrClrBox = check(tr("Print in Color"), tr("Print the analysis displays in color."));
    MDsplyBox = check(tr("Monochrome Display"), tr("Show the analysis displays in grayscale."));
    CrsrWinBox = check(tr("Magnification Window"), tr("Automatically open the Mag. Window when measuring."));
    RdOutWinBox =
        check(tr("Read-Out Window"), tr("Automatically open the cursor position read-out when measuring."));
    general->addWidget(optsGroup);
    auto *right = new QVBoxLayout;
    general->addLayout(right);
    RawDataGrp = new QGroupBox(tr("Raw Data Format"), OptsTab);
    RawDataGrp->setToolTip(tr("Measured from disk center."));
    auto *rawCol = new QVBoxLayout(RawDataGrp);
    auto *rawButtons = new QButtonGroup(this);
    const char *const items[3] = {QT_TR_NOOP("Pixels"), QT_TR_NOOP("Fraction of Solar Radius"),
                                  QT_TR_NOOP("Heliographic Latitude, Longitude")};
    for (int i = 0; i < 3; ++i) {
        RawData[i] = new QRadioButton(tr(items[i]), RawDataGrp);
        rawButtons->addButton(RawData[i], i);
        rawCol->addWidget(RawData[i]);
    }
    connect(rawButtons, &QButtonGroup::idClicked, this, [this](int) { RawDataGrpClick(); });
    right->addWidget(RawDataGrp);
    auto *edits = new QFormLayout;
    PWEd = new QLineEdit(OptsTab);
    PWEd->setMaxLength(16);
    PWEd->setToolTip(tr("Case sensitive, 16 bytes max. (an accented letter takes 2)."));
    setPasswordMask(PWEd, '#');
    TblNumEd = new QLineEdit(OptsTab);
    TblNumEd->setMaxLength(4);
    TblNumEd->setToolTip(tr("Alphanumeric, 4 characters max."));
    edits->addRow(tr("Passwd:"), PWEd);
    edits->addRow(tr("Lab Tbl #:"), TblNumEd);
    right->addLayout(edits);
    auto *special = new QGroupBox(tr("\"Special\""), OptsTab);
    auto *specialCol = new QVBoxLayout(special);
    AdminBox = new QCheckBox(tr("\"Administrator\""), special);
    AdminBox->setToolTip(tr("Ck if you are the administrator of this program in a multi-user environment."));
    specialCol->addWidget(AdminBox);
    right->addWidget(special);
    right->addStretch();
    PageControl1->addTab(OptsTab, tr("&General"));

    auto edit = [](QWidget *page, int room, const QString &hint = QString()) {
        auto *e = new QLineEdit(page);
        e->setMaxLength(room);
        e->setMinimumWidth(260);
        if (!hint.isEmpty())
            e->setToolTip(hint);
        return e;
    };
    // Page Files.
    FilesTab = new QWidget;
    auto *files = new QVBoxLayout(FilesTab);
    auto *bmp = new QGroupBox(tr(".BMP Files in Installation Folder"), FilesTab);
    auto *bmpForm = new QFormLayout(bmp);
    LogoEd = edit(bmp, 71);
    TitleEd = edit(bmp, 71);
    bmpForm->addRow(tr("VORN Logo:"), LogoEd);
    bmpForm->addRow(tr("Main Title:"), TitleEd);
    files->addWidget(bmp);
    files->addWidget(new QLabel(tr("Path to Solar Images Folder"), FilesTab));
    ImagePathEd = edit(FilesTab, 255, tr("Double-click to browse"));
    files->addWidget(ImagePathEd);
    files->addWidget(new QLabel(tr("Spreadsheet Program (command or full path)."), FilesTab));
    SpShtEd = edit(FilesTab, 255, tr("Leave blank to access system default processor for .CSV"));
    files->addWidget(SpShtEd);
    files->addWidget(new QLabel(tr("Log File (May Include Path)"), FilesTab));
    LogFlEd = edit(FilesTab, 255);
    files->addWidget(LogFlEd);
    ImagePathEd->setAccessibleName(tr("Path to Solar Images Folder"));
    ImagePathEd->setAccessibleDescription(tr("Double-click or F4 to browse"));
    SpShtEd->setAccessibleName(tr("Spreadsheet Program"));
    SpShtEd->setAccessibleDescription(
        tr("Leave blank to access system default processor for .CSV; double-click or F4 to browse"));
    LogFlEd->setAccessibleName(tr("Log File (May Include Path)"));
    files->addStretch();
    ImagePathEd->installEventFilter(this);
    SpShtEd->installEventFilter(this);
    PageControl1->addTab(FilesTab, tr("&Files"));

    // Page Help Files.
    HelpTab = new QWidget;
    auto *help = new QVBoxLayout(HelpTab);
    auto *helpGroup = new QGroupBox(tr("&Help Files in Installation Folder"), HelpTab);
    auto *helpForm = new QFormLayout(helpGroup);
    MnHlpEd = edit(helpGroup, 71);
    MeasHlpEd = edit(helpGroup, 71);
    CntrHlpEd = edit(helpGroup, 71);
    LAnalHlpEd = edit(helpGroup, 71);
    RAnalHlpEd = edit(helpGroup, 71);
    UsrHlpEd = edit(helpGroup, 71);
    RmdrEd = edit(helpGroup, 71);
    helpForm->addRow(tr("Main Help List:"), MnHlpEd);
    helpForm->addRow(tr("Meas. Hlp List:"), MeasHlpEd);
    helpForm->addRow(tr("Centr. Hlp List:"), CntrHlpEd);
    helpForm->addRow(tr("Lnr Anal Hlp Lst:"), LAnalHlpEd);
    helpForm->addRow(tr("Rot Anal Hlp Lst:"), RAnalHlpEd);
    helpForm->addRow(tr("User Help File:"), UsrHlpEd);
    helpForm->addRow(tr("Reminder File:"), RmdrEd);
    help->addWidget(helpGroup);
    auto *urls = new QGroupBox(tr("URLs"), HelpTab);
    auto *urlForm = new QFormLayout(urls);
    GONGEd = edit(urls, 255);
    VORNEd = edit(urls, 255);
    urlForm->addRow(tr("GONG Project URL"), GONGEd);
    urlForm->addRow(tr("Project VORN URL"), VORNEd);
    help->addWidget(urls);
    help->addStretch();
    PageControl1->addTab(HelpTab, tr("&Help Files"));

    connect(ImagBtn, &QPushButton::clicked, this, &TOptionsDlg::ImagBtnClick);
    connect(BoxBtn, &QPushButton::clicked, this, &TOptionsDlg::BoxBtnClick);
    connect(RgnBtn, &QPushButton::clicked, this, &TOptionsDlg::RgnBtnClick);
    connect(OKBtn, &QPushButton::clicked, this, &TOptionsDlg::OKBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &TOptionsDlg::CancelBtnClick);

    // FormCreate: the first page is active. The controls are filled once, now; Cancel restores
    // the record as it was here, sub-dialog changes included.
    PageControl1->setCurrentIndex(0);
    FormActivate();
}

int TOptionsDlg::rawDataIndex() const {
    for (int i = 0; i < 3; ++i)
        if (RawData[i]->isChecked())
            return i;
    return 0;
}

void TOptionsDlg::setRawDataIndex(int index) {
    RawData[index >= 0 && index < 3 ? index : 0]->setChecked(true);
    RawDataGrpClick();
}

void TOptionsDlg::FormActivate() {
    if (!opts_) {
        prompt().message(tr("Cannot Modify Options!").toStdString(), tr("No Options Assigned!").toStdString(),
                         Icon::Exclamation, Buttons::OK);
        return;
    }
    const OptionsRecord &r = opts_->Options;
    Backup = r;
    DemoBox->setChecked(!r.LoginRequired);
    TestBox->setChecked(r.TestMode);
    CntrBox->setChecked(r.Centroiding);
    FitBox->setChecked(r.CurveFitting);
    RateBox->setChecked(r.ComputeRate);
    PrdBox->setChecked(r.ComputeSynodic);
    SidrBox->setChecked(r.ComputeSidereal);
    PrClrBox->setChecked(r.PrintInColor);
    MDsplyBox->setChecked(r.MonochromeDisplay);
    CrsrWinBox->setChecked(r.MagWindow);
    RdOutWinBox->setChecked(r.ReadOutWindow);
    AdminBox->setChecked(r.Administrator);
    setRawDataIndex(r.RawDataFormat);
    auto put = [](QLineEdit *e, const std::string &s) { e->setText(QString::fromStdString(s)); };
    put(LogoEd, r.LogoFile.str());
    put(TitleEd, r.TitleFile.str());
    put(ImagePathEd, r.ImagePath.str());
    put(SpShtEd, r.SpreadsheetProgram.str());
    put(LogFlEd, r.LogFileName.str());
    put(MnHlpEd, r.MainHelpList.str());
    put(MeasHlpEd, r.MeasHelpList.str());
    put(CntrHlpEd, r.CentroidHelpList.str());
    put(LAnalHlpEd, r.LinearHelpList.str());
    put(RAnalHlpEd, r.RotationHelpList.str());
    put(UsrHlpEd, r.UserHelpFile.str());
    put(RmdrEd, r.ReminderFile.str());
    put(GONGEd, r.GongUrl.str());
    put(VORNEd, r.HomeUrl.str());
    put(TblNumEd, r.LabTable.str());
    put(PWEd, opts_->UnscramblePassword());
    ShownPassword = PWEd->text();
}

void TOptionsDlg::RawDataGrpClick() {
    const int format = rawDataIndex();
    FitBox->setEnabled(format != 0);
    PrdBox->setEnabled(format == 2);
    RateBox->setEnabled(format == 1);
    SidrBox->setEnabled(format != 0);
}

void TOptionsDlg::OKBtnClick() {
    if (opts_) {
        OptionsRecord &r = opts_->Options;
        r.LoginRequired = !DemoBox->isChecked();
        r.TestMode = TestBox->isChecked();
        r.Centroiding = CntrBox->isChecked();
        r.CurveFitting = FitBox->isChecked();
        r.ComputeRate = RateBox->isChecked();
        r.ComputeSynodic = PrdBox->isChecked();
        r.ComputeSidereal = SidrBox->isChecked();
        r.PrintInColor = PrClrBox->isChecked();
        r.MonochromeDisplay = MDsplyBox->isChecked();
        r.MagWindow = CrsrWinBox->isChecked();
        r.ReadOutWindow = RdOutWinBox->isChecked();
        r.Administrator = AdminBox->isChecked();
        r.RawDataFormat = static_cast<std::uint8_t>(rawDataIndex());
        auto text = [](QLineEdit *e) { return e->text().toStdString(); };
        r.LogoFile = text(LogoEd);
        r.TitleFile = text(TitleEd);
        r.ImagePath = text(ImagePathEd);
        r.SpreadsheetProgram = text(SpShtEd);
        r.LogFileName = text(LogFlEd);
        r.MainHelpList = text(MnHlpEd);
        r.MeasHelpList = text(MeasHlpEd);
        r.CentroidHelpList = text(CntrHlpEd);
        r.LinearHelpList = text(LAnalHlpEd);
        r.RotationHelpList = text(RAnalHlpEd);
        r.UserHelpFile = text(UsrHlpEd);
        r.ReminderFile = text(RmdrEd);
        r.GongUrl = text(GONGEd);
        r.HomeUrl = text(VORNEd);
        r.LabTable = text(TblNumEd);

        const std::string newPassword = text(PWEd);
        if (PWEd->text() != ShownPassword && newPassword != opts_->UnscramblePassword() &&
            !OptsObj::PasswordFits(newPassword)) {
            // Never confirm a password that the file cannot hold whole: it could not be typed back.
            prompt().message(tr("Password Not Changed!").toStdString(),
                             tr("The New Password Takes %1 Bytes; at Most 16 Fit.\r\n(A Letter Outside Plain "
                                "ASCII, Such as an Accented Letter, Takes 2 to 4 Bytes.)\r\n\r\nCurrent "
                                "Password Will Be Retained.")
                                 .arg(newPassword.size())
                                 .toStdString(),
                             Icon::Error, Buttons::OK);
        } else if (PWEd->text() != ShownPassword && newPassword != opts_->UnscramblePassword()) {
            TPasswordDlg1 confirm(newPassword, this);
            runModal(confirm);
            if (confirm.Confirmed) {
                opts_->ScramblePassword(newPassword);
                prompt().message(tr("Password Confirmed").toStdString(),
                                 tr("Password Change is Confirmed.\r\n\r\nYou Must Save %1 To Complete the "
                                    "Change.")
                                     .arg(QString::fromStdString(r.OptionsFileName.str()))
                                     .toStdString(),
                                 Icon::Information, Buttons::OK);
            } else {
                prompt().message(
                    tr("Password Not Changed!").toStdString(),
                    tr("Password Change Not Confirmed!\r\n\r\nCurrent Password Will Be Retained.")
                        .toStdString(),
                    Icon::Error, Buttons::OK);
            }
        }
    }
    done(QDialog::Accepted);
}

void TOptionsDlg::CancelBtnClick() {
    if (opts_)
        opts_->Options = Backup;
    done(QDialog::Rejected);
}

void TOptionsDlg::reject() {
    CancelBtnClick();
}

void TOptionsDlg::BoxBtnClick() {
    if (opts_)
        TBoxDlgForm1::editBox(opts_->Options.Box, this);
}

void TOptionsDlg::RgnBtnClick() {
    if (opts_)
        TMagnRgnDlg::editDefaultSize(opts_->Options.MagRegionSize, this);
}

void TOptionsDlg::ImagBtnClick() {
    if (opts_)
        TImgAdjstDlg::setDefaults(opts_->Options.Display, this);
}

void TOptionsDlg::ImagePathEdDblClick() {
    std::string start = ImagePathEd->text().toStdString();
    if (start.empty() && opts_)
        start = opts_->Options.InstallDir.str() + "IMAGES/";
    if (auto folder = prompt().selectFolder(tr("Path to Solar Images Folder").toStdString(), start, false)) {
        std::string f = *folder;
        if (f.empty() || f.back() != '/')
            f += '/';
        ImagePathEd->setText(QString::fromStdString(f));
    }
}

void TOptionsDlg::SpShtEdDblClick() {
    FileDialogSetup setup;
    setup.title = tr("Locate Spreadsheet Program").toStdString();
    setup.filter = tr("Programs").toStdString() + "|*|" + tr("All Files").toStdString() + "|*";
    setup.folder = "/usr/bin/";
    if (auto file = prompt().openFile(setup))
        SpShtEd->setText(QString::fromStdString(*file));
}

bool TOptionsDlg::eventFilter(QObject *watched, QEvent *event) {
    // F4 is the keyboard's double-click on the two browse fields.
    const bool f4 = event->type() == QEvent::KeyPress && static_cast<QKeyEvent *>(event)->key() == Qt::Key_F4;
    if (event->type() == QEvent::MouseButtonDblClick || f4) {
        if (watched == ImagePathEd) {
            ImagePathEdDblClick();
            return true;
        }
        if (watched == SpShtEd) {
            SpShtEdDblClick();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace solar
