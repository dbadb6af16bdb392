#pragma once

class QApplication;
class QIcon;

namespace jm::gui {

/// The product caption that begins every window title of the program.
inline constexpr const char* kProductName = "嘉名";

/// Prepares the application before any window exists: resources, style,
/// a CJK font, names and the program icon.
void startUp(QApplication& app);

/// Loads Qt's Chinese translations of its own dialogs; false when they are not installed.
bool loadQtTranslations(QApplication& app);

/// The program icon.
QIcon programIcon();

/// Image `image` (0 to 6) of the status bar's image list: one picture per
/// generation mode.
QIcon modeHintIcon(int image);

} // namespace jm::gui
