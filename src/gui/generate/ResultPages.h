#pragma once

#include <QString>

namespace jm::gui {

/// The two captions of the pause buttons of the high-score and super-lucky pages.
inline const QString kPauseCaption = QStringLiteral("暂停");
inline const QString kResumeCaption = QStringLiteral("继续");

} // namespace jm::gui
