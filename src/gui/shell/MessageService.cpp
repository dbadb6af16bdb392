#include "shell/MessageService.h"

#include <QMessageBox>

namespace jm::gui {

void QtMessageService::show(QWidget* parent, Icon icon, const QString& text, const QString& title)
{
    QMessageBox::Icon boxIcon = QMessageBox::NoIcon;
    switch (icon) {
    case Icon::None:
        boxIcon = QMessageBox::NoIcon;
        break;
    case Icon::Information:
        boxIcon = QMessageBox::Information;
        break;
    case Icon::Warning:
        boxIcon = QMessageBox::Warning;
        break;
    case Icon::Critical:
        boxIcon = QMessageBox::Critical;
        break;
    }
    QMessageBox box(boxIcon, title, text, QMessageBox::Ok, parent);
    box.exec();
}

bool QtMessageService::question(QWidget* parent, const QString& text, const QString& title)
{
    return QMessageBox::question(parent, title, text, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

} // namespace jm::gui
