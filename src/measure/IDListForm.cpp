#include "measure/IDListForm.h"

#include "support/Accessible.h"
#include "support/QtPrompt.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>

namespace solar {

TIDListForm1::TIDListForm1(QWidget *parent) : QDialog(parent) {
    setWindowTitle(tr("Sunspot IDs"));
    MenuBar1 = new QMenuBar(this);
    List1 = MenuBar1->addMenu(tr("&List"));
    LoadSelection1 = List1->addAction(tr("Load &Selection"));
    Close1 = List1->addAction(tr("&Close"));
    ListBox1 = new QListWidget(this);
    ListBox1->setSelectionMode(QAbstractItemView::SingleSelection);
    ListBox1->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    ListBox1->setAccessibleName(tr("Sunspot IDs"));
    ListBox1->setAccessibleDescription(
        tr("Each spot with its first and last image time; Enter loads the selected spot."));
    a11y::nameBlankLines(ListBox1);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setMenuBar(MenuBar1);
    layout->addWidget(ListBox1);
    connect(LoadSelection1, &QAction::triggered, this, [this] { LoadSelection1Click(); });
    connect(Close1, &QAction::triggered, this, [this] { Close1Click(); });
    connect(ListBox1, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem *) { ListBox1DblClick(); });
    a11y::onEnter(ListBox1, [this] { ListBox1DblClick(); });
}

void TIDListForm1::BuildSpotList(MeasList &list) {
    Entries = BuildSpotEntries(list);
}

int TIDListForm1::exec() {
    if (inExec_) // the default modal runner comes back here
        return QDialog::exec();
    FormShow();
    inExec_ = true;
    const int result = runModal(*this);
    inExec_ = false;
    return result;
}

void TIDListForm1::FormShow() {
    SelectedID.clear();
    SelectedEntry = IDEntry{};
    ListBox1->clear();
    for (const IDEntry &e : Entries)
        ListBox1->addItem(QString::fromStdString(SpotLine(e)));
    const QFontMetrics fm(ListBox1->font());
    const int first = Entries.empty() ? 200 : fm.horizontalAdvance(ListBox1->item(0)->text());
    QScreen *s = screen() ? screen() : QGuiApplication::primaryScreen();
    const QRect area = s ? s->availableGeometry() : QRect(0, 0, 800, 600);
    const int rows = std::clamp(static_cast<int>(Entries.size()) + 1, 4, 16);
    const int h =
        rows * std::max(fm.height(), 5) + MenuBar1->sizeHint().height() + 2 * ListBox1->frameWidth();
    resize(std::min(first + 30 + 2 * ListBox1->frameWidth(), area.width() - 20),
           std::min(h, area.height() - 60));
}

void TIDListForm1::LoadSelection1Click() {
    const int row = ListBox1->currentRow();
    if (row < 0 || row >= static_cast<int>(Entries.size()))
        return;
    SelectedEntry = Entries[static_cast<std::size_t>(row)];
    SelectedID = SelectedEntry.ID.str();
    accept();
}

void TIDListForm1::ListBox1DblClick() {
    LoadSelection1Click();
}

void TIDListForm1::Close1Click() {
    SelectedID.clear();
    reject();
}

} // namespace solar
