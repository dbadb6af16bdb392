#include "shell/Skins.h"

#include <QApplication>
#include <QColor>

namespace jm::gui {
namespace {

struct Skin {
    const char* name;
    QRgb bar; // tool bar and menu bar
    QRgb barText;
    QRgb window; // window background, status bar
    QRgb panel; // pages and group boxes
    QRgb accent; // selections, the current tab, group titles
};

// Each skin has a hue of its own and a coloured tool bar, so that the skins
// are told apart at a glance.
constexpr Skin kSkins[kSkinCount] = {
    { "天青", 0x3a7bd5, 0xffffff, 0xe6f0fb, 0xf7fbff, 0x1f5fb0 },
    { "中国红", 0xb71c1c, 0xffe9a8, 0xf9e7e3, 0xfffaf6, 0xa31515 },
    { "竹青", 0x2e7d32, 0xffffff, 0xe5f2e4, 0xf8fcf6, 0x1b5e20 },
    { "杏黄", 0xf2a93b, 0x3b2500, 0xfcf1d8, 0xfffdf4, 0x9c5a00 },
    { "紫藤", 0x6a3d9a, 0xffffff, 0xede6f6, 0xfbf8fe, 0x5b2c8f },
    { "樱粉", 0xe56b9f, 0xffffff, 0xfbe9f1, 0xfff8fb, 0xb02f66 },
    { "墨韵", 0x2f2f2f, 0xf5f5f5, 0xe8e8e4, 0xfcfcfa, 0x333333 },
    { "湖蓝", 0x00897b, 0xffffff, 0xdff1ef, 0xf5fbfa, 0x00695c },
};

// `a` moved towards `b` by `t` (0 to 1).
QColor blend(QColor a, QColor b, double t)
{
    const auto mix = [t](int x, int y) { return static_cast<int>(x + (y - x) * t + 0.5); };
    return QColor(mix(a.red(), b.red()), mix(a.green(), b.green()), mix(a.blue(), b.blue()));
}

QString name(const QColor& c)
{
    return c.name(QColor::HexRgb);
}

} // namespace

QString skinName(int number)
{
    if (number < 1 || number > kSkinCount) return {};
    return QString::fromUtf8(kSkins[number - 1].name);
}

QString skinStyleSheet(int number)
{
    if (number < 1 || number > kSkinCount) return {};
    const Skin& skin = kSkins[number - 1];
    const QColor white(Qt::white);
    const QColor bar(skin.bar);
    const QColor window(skin.window);
    const QColor panel(skin.panel);
    const QColor accent(skin.accent);
    const QColor barTop = blend(bar, white, 0.18);
    const QColor barDown = blend(bar, Qt::black, 0.15);
    const QColor tab = blend(window, accent, 0.08);
    const QColor border = blend(window, accent, 0.40);
    const QColor accentSoft = blend(accent, white, 0.80);
    const QColor button = blend(panel, white, 0.6);
    const QColor buttonBottom = blend(window, accent, 0.05);
    const QColor header = blend(window, accent, 0.04);
    const QColor alternate = blend(panel, window, 0.6);

    QString css = QStringLiteral(R"(
QMainWindow, QDialog { background: @window; }
QToolBar { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 @barTop, stop:1 @bar);
           border: none; border-bottom: 1px solid @barDown; spacing: 2px; padding: 2px; }
QToolBar QToolButton { color: @barText; border: 1px solid transparent; border-radius: 4px; padding: 2px 6px; }
QToolBar QToolButton:hover { border-color: @barText; background: @barDown; }
QToolBar QToolButton:pressed { background: @barDown; }
QMenuBar { background: @bar; color: @barText; }
QMenuBar::item { background: transparent; padding: 3px 8px; }
QMenuBar::item:selected { background: @barDown; }
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
        { "@barDown", barDown },
        { "@barText", QColor(skin.barText) },
        { "@bar", bar },
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

bool SkinSwitcher::applySkin(int number)
{
    if (number < 1 || number > kSkinCount) return false;
    m_current = number;
    if (m_apply) m_apply(number);
    return true;
}

void SkinSwitcher::nextSkin()
{
    applySkin(m_current % kSkinCount + 1);
}

} // namespace jm::gui
