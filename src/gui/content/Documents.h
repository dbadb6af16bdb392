#pragma once

#include <QString>

namespace jm::gui {

/// Asks the desktop to open `file` with the program associated with it.
/// False only when the file does not exist; once the desktop has been
/// asked, the answer counts as true whatever it was. Window thread.
bool openDocument(const QString& file);

} // namespace jm::gui
