#pragma once
// The FITS header viewer: an image's header listing (".HDR") shown in a generic list window
// that the image keeps for later showings.

#include <memory>
#include <string>

namespace solar {

class GraphicsFileObj;
class TInfoListForm1;

// On first use (an empty `window`) creates the list window titled `captionPrefix` +
// `displayName`, loads the listing file `hdrPath` into it, hides its "&Edit" menu and makes the
// text save dialog start with the header filter and the name `baseName` + ".HDR". Then shows the
// window in its normal state. False (with a message) when the listing cannot be read.
bool ViewHeader(std::unique_ptr<TInfoListForm1> &window, const std::string &captionPrefix,
                const std::string &displayName, const std::string &hdrPath, const std::string &baseName);

// The same for a loaded image: its header listing, display name and base name, in a window the
// caller keeps.

bool ViewHeader(std::unique_ptr<TInfoListForm1> &window, const GraphicsFileObj &image,
                const std::string &captionPrefix);

// The image's own header window: one per image, whichever command shows it, closed when the
// image object goes.
bool ViewHeader(const GraphicsFileObj &image, const std::string &captionPrefix);
// That window, or null when it has not been shown (or its image has gone).
TInfoListForm1 *HeaderWindowOf(const GraphicsFileObj &image);

} // namespace solar
