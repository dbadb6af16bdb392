#include "shell/Skins.h"

#include <QApplication>
#include <QColor>

namespace jm::gui {
namespace {

struct Palette {
    int hue;
    int saturation; // 0-255, scales every tone of the palette
};

// Ten base colours; the fifth (blue) meets the start skin 15.
constexpr Palette kPalettes[] = {
    { 140, 200 },
    { 0, 190 },
    { 275, 170 },
    { 180, 190 },
    { 212, 220 },
    { 28, 220 },
    { 330, 170 },
    { 46, 220 },
    { 22, 90 },
    { 215, 60 },
};

struct Tone {
    int backgroundLightness; // window and bars
    int panelLightness; // pages and group boxes
    int accentLightness; // selections, titles
    int saturationPercent;
};

constexpr Tone kTones[] = {
    { 238, 250, 110, 100 },
    { 232, 247, 100, 90 },
    { 228, 244, 95, 70 },
    { 242, 252, 120, 110 },
    { 235, 248, 85, 55 },
    { 226, 240, 105, 80 },
    { 240, 251, 125, 60 },
    { 230, 246, 90, 40 },
};

QColor tone(const Palette& p, int saturationPercent, int lightness)
{
    const int s = std::min(255, p.saturation * saturationPercent / 100);
    return QColor::fromHsl(p.hue, s, std::clamp(lightness, 0, 255));
}

QString name(const QColor& c)
{
    return c.name(QColor::HexRgb);
}

} // namespace

QString skinStyleSheet(int number)
{
    if (number < 1 || number > kSkinCount) return {};
    const Palette& p = kPalettes[(number - 1) % std::size(kPalettes)];
    const Tone& t = kTones[(number - 1) / std::size(kPalettes)];
    const int sat = t.saturationPercent;
    const QColor window = tone(p, sat * 6 / 10, t.backgroundLightness);
    const QColor barTop = tone(p, sat * 5 / 10, std::min(255, t.backgroundLightness + 12));
    const QColor panel = tone(p, sat * 3 / 10, t.panelLightness);
    const QColor tab = tone(p, sat * 6 / 10, t.backgroundLightness - 12);
    const QColor border = tone(p, sat * 5 / 10, t.backgroundLightness - 70);
    const QColor accent = tone(p, sat, t.accentLightness);
    const QColor accentSoft = tone(p, sat, (t.accentLightness + 2 * 255) / 3);
    const QColor button = tone(p, sat * 4 / 10, 248);
    const QColor buttonBottom = tone(p, sat * 6 / 10, t.backgroundLightness - 16);
    const QColor header = tone(p, sat * 6 / 10, t.backgroundLightness - 6);
    const QColor alternate = tone(p, sat * 4 / 10, std::min(252, t.panelLightness - 6));

    QString css = QStringLiteral(R"(
QMainWindow, QDialog { background: @window; }
QToolBar { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 @barTop, stop:1 @window);
           border: none; border-bottom: 1px solid @border; spacing: 2px; padding: 2px; }
QToolBar QToolButton { border: 1px solid transparent; border-radius: 4px; padding: 2px 6px; }
QToolBar QToolButton:hover { border-color: @accent; background: @accentSoft; }
QToolBar QToolButton:pressed { background: @tab; }
QMenuBar { background: @window; }
QMenuBar::item:selected { background: @accentSoft; }
QMenu::item:selected { background: @accent; color: white; }
QStatusBar { background: @window; border-top: 1px solid @border; }
QTabWidget::pane { border: 1px solid @border; background: @panel; top: -1px; }
QTabBar::tab { background: @tab; border: 1px solid @border; padding: 3px 5px; margin-right: 1px;
               border-top-left-radius: 4px; border-top-right-radius: 4px; }
QTabBar::tab:selected { background: @panel; border-bottom-color: @panel; color: @accent; }
QTabBar::tab:!selected { margin-top: 2px; }
QTabBar::tab:hover { background: @accentSoft; }
QGroupBox { background: @panel; border: 1px solid @border; border-radius: 4px; margin-top: 0.8em; padding-top: 2px; }
QGroupBox::title { subcontrol-origin: margin; subcontrol-position: top left; left: 8px; padding: 0 3px;
                   color: @accent; }
QPushButton { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 @button, stop:1 @buttonBottom);
              border: 1px solid @border; border-radius: 4px; padding: 3px 10px; min-height: 18px; }
QPushButton:hover { border-color: @accent; }
QPushButton:pressed { background: @tab; }
QPushButton:disabled { color: #909090; background: @panel; }
QHeaderView::section { background: @header; border: none; border-right: 1px solid @border;
                       border-bottom: 1px solid @border; padding: 2px 4px; }
QTreeView, QTableView, QListView { alternate-background-color: @alternate; selection-background-color: @accent;
                                   selection-color: white; }
)");
    const std::pair<const char*, QColor> values[] = {
        { "@window", window },
        { "@barTop", barTop },
        { "@panel", panel },
        { "@tab", tab },
        { "@border", border },
        { "@accentSoft", accentSoft },
        { "@accent", accent },
        { "@buttonBottom", buttonBottom },
        { "@button", button },
        { "@header", header },
        { "@alternate", alternate },
    };
    for (const auto& [key, colour] : values)
        css.replace(QLatin1String(key), name(colour));
    return css;
}

void applyApplicationSkin(int number)
{
    if (auto* app = qobject_cast<QApplication*>(QCoreApplication::instance()))
        app->setStyleSheet(skinStyleSheet(number));
}

SkinSwitcher::SkinSwitcher(Apply apply)
    : m_apply(std::move(apply))
{
}

void SkinSwitcher::applySkin(int number)
{
    if (number < 1 || number > kSkinCount) return;
    m_current = number;
    if (m_apply) m_apply(number);
}

void SkinSwitcher::nextSkin()
{
    if (m_skinCounter <= kSkinCount) applySkin(m_skinCounter);
    ++m_skinCounter;
}

} // namespace jm::gui
