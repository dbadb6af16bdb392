#include "content/Documents.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

namespace jm::gui {

bool openDocument(const QString& file)
{
    if (!QFileInfo(file).isFile()) return false;
    return QDesktopServices::openUrl(QUrl::fromLocalFile(file));
}

} // namespace jm::gui
