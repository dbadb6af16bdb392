#include "shell/Application.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QPainter>
#include <QPixmap>
#include <QStyleFactory>
#include <QTranslator>

// Resources compiled into the static gui library must be registered by hand.
static void registerResources()
{
    Q_INIT_RESOURCE(jiaming);
}

static void initResources()
{
    static bool registered = false;
    if (!registered) registerResources();
    registered = true;
}

namespace jm::gui {

bool loadQtTranslations(QApplication& app)
{
    // Qt's own dialogs (buttons, the print and file dialogs) speak the program's language: Chinese.
    const QString directory = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    auto* translator = new QTranslator(&app);
    if (!translator->load(
            QLocale(QLocale::Chinese, QLocale::China), QStringLiteral("qtbase"), QStringLiteral("_"), directory)) {
        delete translator;
        return false;
    }
    QApplication::installTranslator(translator);
    return true;
}

void startUp(QApplication& app)
{
    initResources();
    QApplication::setApplicationName(QStringLiteral("jiaming"));
    // No display name: Qt would append it to every window title, and our titles already begin with the
    // product caption ("嘉名 - …").
    QApplication::setApplicationVersion(QStringLiteral(JIAMING_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("jiaming"));
    loadQtTranslations(app);
    if (QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion"))) QApplication::setStyle(fusion);

    QFont font = app.font();
    const QStringList preferred = {
        QStringLiteral("Noto Sans CJK SC"),
        QStringLiteral("Source Han Sans SC"),
        QStringLiteral("WenQuanYi Micro Hei"),
        QStringLiteral("Droid Sans Fallback"),
    };
    QStringList families;
    const QStringList installed = QFontDatabase::families();
    for (const QString& family : preferred)
        if (installed.contains(family)) families << family;
    if (!families.isEmpty()) {
        families << font.families();
        font.setFamilies(families);
    }
    font.setPointSize(9);
    QApplication::setFont(font);
    QApplication::setWindowIcon(programIcon());
}

QIcon programIcon()
{
    initResources();
    return QIcon(QStringLiteral(":/icons/jiaming.svg"));
}

QIcon modeHintIcon(int image)
{
    struct Picture {
        const char* character;
        QColor colour;
    };
    static const Picture kPictures[] = {
        { "经", QColor(0x8e, 0x44, 0xad) },
        { "高", QColor(0xc0, 0x39, 0x2b) },
        { "诗", QColor(0x16, 0xa0, 0x85) },
        { "组", QColor(0x29, 0x80, 0xb9) },
        { "小", QColor(0xe6, 0x7e, 0x22) },
        { "英", QColor(0x2c, 0x3e, 0x50) },
        { "超", QColor(0xd4, 0xac, 0x0d) },
    };
    if (image < 0 || image >= static_cast<int>(std::size(kPictures))) return {};
    const Picture& p = kPictures[image];
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(p.colour);
    painter.drawEllipse(QRectF(1, 1, 30, 30));
    QFont font = QApplication::font();
    font.setPixelSize(19);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(QRectF(0, 0, 32, 31), Qt::AlignCenter, QString::fromUtf8(p.character));
    painter.end();
    return QIcon(pixmap);
}

} // namespace jm::gui
