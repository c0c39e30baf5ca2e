// The main window's side of the image window: made at start-up, shown by the image commands,
// told of images that go away, and wired to the animation commands, the Preferences menu and
// the measurement entry window.
#include "app/VORN_ROT.h"

#include "display/ImagMeas.h"
#include "measure/MeasDataWin.h"
#include "support/Helptxt.h"
#include "support/ScreenFit.h"

#include <QAction>
#include <QMenu>

namespace solar {

void TSolarRtn::createImageWindow() {
    ImageWindowHooks hooks;
    if (CrossHairLoaded)
        hooks.crossHair = CrossHair;
    // Options may not change while a spot is being measured.
    hooks.measuringChanged = [this](bool measuring) { Preferences1->menuAction()->setEnabled(!measuring); };
    hooks.animationOn = [this] { Animate1Click(); };
    hooks.animationOff = [this] { AnimateOff1Click(); };
    hooks.animationSetRate = [this] { SetRate1Click(); };
    hooks.showHelp = [this](const std::string &list) { showHelpTopics(list, ImageForm); };
    ImageForm = new TImageForm1(Options, Helio, *MeasDataForm, hooks, this);

    ShowImageHook = [this](FITSFileObj &image, int index) {
        ImageForm->ShowImage(image, index);
        if (!ImageForm->isVisible())
            ImageForm->show();
    };
    ImageRemovedHook = [this](const FITSFileObj *image) { ImageForm->ImageRemoved(image); };

    MeasWindowHooks h = MeasDataForm->hooks();
    h.repaintImage = [this] { ImageForm->Repaint(); };
    h.imageWindowWidth = [this] { return screenfit::frameRect(ImageForm).width(); };
    MeasDataForm->setHooks(h);
}

} // namespace solar
