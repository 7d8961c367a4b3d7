// The layer panel's rules that need no widgets.
#pragma once

#include <string>

#include "edit/Workspace.h"

namespace sw {

// The layer-name label (CP932): the current group's name, "- " and the
// current layer's name, then "[layer-group]" in hexadecimal digits; only
// "[layer-group]" while the drawing names neither.
std::string LayerNameText(const Workspace& ws);

}  // namespace sw
