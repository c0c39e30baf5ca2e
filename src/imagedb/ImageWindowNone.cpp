// Builds without the image window: the image commands reach no window (ShowImageHook and
// ImageRemovedHook stay empty unless a caller sets them).
#include "app/VORN_ROT.h"

namespace solar {

void TSolarRtn::createImageWindow() {}

} // namespace solar
