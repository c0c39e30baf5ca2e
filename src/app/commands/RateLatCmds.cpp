// The main window's side of the rate-against-latitude plot: what the plot reads (the results list,
// the measurement list, the colour options and the user folder) and its Analysis menu item, which
// is available exactly while the Results List item is.
#include "analysis/RateLat.h"
#include "analysis/RsltsLst.h"
#include "app/VORN_ROT.h"
#include "measure/MeasDataWin.h"

#include <QAction>
#include <QPointer>

namespace solar {

void TSolarRtn::createRateLatLink() {
    // The sources outlive nothing: once this window is gone they answer empty.
    QPointer<TSolarRtn> self(this);
    RateLatSources s;
    s.results = [self] {
        return self && self->RsltsListForm ? self->RsltsListForm->list().records() : std::vector<RsltsRec>{};
    };
    s.measures = [self] {
        return self && self->MeasDataForm ? self->MeasDataForm->list().records() : std::vector<MeasRec>{};
    };
    s.monochrome = [self] { return self && self->Options.MonochromeDisplay; };
    s.printInColor = [self] { return self && self->Options.PrintInColor; };
    s.folder = [self] { return self ? self->Options.UserDir.str() : std::string(); };
    setRateLatSources(std::move(s));
    RateLatitude1->setEnabled(ResultsList1->isEnabled());
    connect(ResultsList1, &QAction::changed, RateLatitude1,
            [this] { RateLatitude1->setEnabled(ResultsList1->isEnabled()); });
}

void TSolarRtn::RateLatitude1Click() {
    ShowRateLatitude(this);
}

} // namespace solar
