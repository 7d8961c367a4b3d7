// The manual the help command opens.
#pragma once

#include <QString>

namespace sw {

// The first manual.html found beside the program, in its share folder or in
// the source tree's docs folder; empty when there is none.
QString FindHelpFile();

// Opens the manual in the desktop's browser; does nothing for an empty path.
void OpenHelpFile(const QString& path);

}  // namespace sw
