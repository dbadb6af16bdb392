#include "shell/AboutWindow.h"

#include "shell/Application.h"

#include "content/UserManual.h"

#include <QDesktopServices>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

namespace jm::gui {

AboutWindow::AboutWindow(QWidget* parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("关于窗口"));
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_QuitOnClose, false);
    const QString product = QString::fromUtf8(kProductName);
    setWindowTitle(product + QStringLiteral(" - 关于软件"));

    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("标签_图片"));
    picture->setPixmap(programIcon().pixmap(96, 96));
    picture->setAlignment(Qt::AlignTop);

    // The program has no web site of its own: the caption leads to the user manual installed with it.
    const QString manual = QString::fromStdString(userManualPath().string());
    const QString home = QUrl::fromLocalFile(manual).toString();
    auto* caption = new QLabel(this);
    caption->setObjectName(QStringLiteral("标签_产品名称"));
    caption->setTextFormat(Qt::RichText);
    caption->setText(QStringLiteral("<a href=\"%1\" style=\"text-decoration:none\"><span style=\"font-size:18pt;"
                                    "font-weight:bold\">%2</span> <span style=\"font-size:11pt\">%3</span></a>")
                         .arg(home, product, QStringLiteral("版本 " JIAMING_VERSION)));
    caption->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    caption->setCursor(Qt::PointingHandCursor);
    connect(caption, &QLabel::linkActivated, this, [](const QString& link) { QDesktopServices::openUrl(QUrl(link)); });

    auto* description = new QLabel(QStringLiteral("宝宝起名与姓名评分软件\n"
                                                  "五格数理 · 三才配置 · 生辰八字 · 诗词起名"),
        this);
    auto* address = new QLabel(QStringLiteral("用户手册：") + manual, this);
    address->setObjectName(QStringLiteral("标签_网址"));
    address->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* close = new QPushButton(QStringLiteral("确定"), this);
    connect(close, &QPushButton::clicked, this, &QWidget::close);

    auto* text = new QVBoxLayout;
    text->addWidget(caption);
    text->addWidget(description);
    text->addWidget(address);
    text->addStretch();
    auto* top = new QHBoxLayout;
    top->addWidget(picture);
    top->addSpacing(12);
    top->addLayout(text, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

} // namespace jm::gui
