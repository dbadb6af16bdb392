#pragma once

#include <QString>

namespace jm::gui {

/// Asks the desktop to open `file` with the program associated with it.
/// False when the file does not exist or no program of the desktop could
/// be started for it. Window thread.
bool openDocument(const QString& file);

} // namespace jm::gui
