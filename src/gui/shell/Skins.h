#pragma once

#include <QString>

#include <functional>

namespace jm::gui {

/// Number of skins the program holds, numbered 1 to kSkinCount. Few, and
/// each of its own colour, so that every use of 更换皮肤 shows a change.
inline constexpr int kSkinCount = 8;
/// The skin shown when none is remembered.
inline constexpr int kDefaultSkin = 1;

/// The name of skin `number` ("天青", ...); empty for any other number.
QString skinName(int number);

/// The Qt style sheet of skin `number` (1 to kSkinCount); empty for any
/// other number.
QString skinStyleSheet(int number);

/// Applies skin `number` to every window of the application.
void applyApplicationSkin(int number);

/// The skin shown and the step of the menu item 更换皮肤.
class SkinSwitcher {
public:
    using Apply = std::function<void(int)>;
    /// `apply` themes the windows with a skin number (tests pass a recorder).
    explicit SkinSwitcher(Apply apply = applyApplicationSkin);

    /// Applies skin `number`; false, changing nothing, when it is not 1 to kSkinCount.
    bool applySkin(int number);
    /// The action of 更换皮肤: the skin after the one shown, the first
    /// after the last (and the first when none is shown yet).
    void nextSkin();

    /// The skin shown last; 0 before any.
    int currentSkin() const { return m_current; }

private:
    Apply m_apply;
    int m_current = 0;
};

} // namespace jm::gui
