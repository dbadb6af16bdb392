#pragma once

#include <QString>

#include <functional>

namespace jm::gui {

/// Number of skins the program holds, numbered 1 to kSkinCount.
inline constexpr int kSkinCount = 79;
/// The skin applied when the main window opens.
inline constexpr int kStartSkin = 15;

/// The Qt style sheet of skin `number` (1 to kSkinCount); empty for any
/// other number. The skins are generated from ten palettes in eight tones.
QString skinStyleSheet(int number);

/// Applies skin `number` to every window of the application.
void applyApplicationSkin(int number);

/// The skin state of the program: the skin shown and `SkinCounter`, which
/// remembers how far the menu item 更换皮肤 has stepped.
class SkinSwitcher {
public:
    using Apply = std::function<void(int)>;
    /// `apply` themes the windows with a skin number (tests pass a recorder).
    explicit SkinSwitcher(Apply apply = applyApplicationSkin);

    /// Applies skin `number` (1 to kSkinCount; other numbers change nothing).
    void applySkin(int number);
    /// The action of 更换皮肤: while `SkinCounter` is at most kSkinCount it
    /// applies skin `SkinCounter`; then the counter grows by one in every
    /// case, so later uses change nothing.
    void nextSkin();

    void setSkinCounter(int value) { m_skinCounter = value; }
    int skinCounter() const { return m_skinCounter; }
    /// The skin shown last; 0 before any.
    int currentSkin() const { return m_current; }

private:
    Apply m_apply;
    int m_skinCounter = 1;
    int m_current = 0;
};

} // namespace jm::gui
