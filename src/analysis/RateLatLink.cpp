// The main window's side of the rate-against-latitude plot: what the plot reads (the results list,
// the measurement list, the colour options and the user folder) and its Analysis menu item, which
// is available exactly while the Results List item is.
#include "analysis/RateLat.h"
#include "analysis/RsltsLst.h"
#include "app/VORN_ROT.h"
#include "measure/MeasDataWin.h"

#include <QAction>

namespace solar {

void TSolarRtn::createRateLatLink() {
    RateLatSources s;
    s.results = [this] { return RsltsListForm ? RsltsListForm->list().records() : std::vector<RsltsRec>{}; };
    s.measures = [this] { return MeasDataForm ? MeasDataForm->list().records() : std::vector<MeasRec>{}; };
    s.monochrome = [this] { return Options.MonochromeDisplay; };
    s.printInColor = [this] { return Options.PrintInColor; };
    s.folder = [this] { return Options.UserDir.str(); };
    setRateLatSources(std::move(s));
    RateLatitude1->setEnabled(ResultsList1->isEnabled());
    connect(ResultsList1, &QAction::changed, RateLatitude1,
            [this] { RateLatitude1->setEnabled(ResultsList1->isEnabled()); });
}

void TSolarRtn::RateLatitude1Click() {
    ShowRateLatitude(this);
}

} // namespace solar
