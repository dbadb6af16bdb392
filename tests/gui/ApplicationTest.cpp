// The application set-up: Qt's own dialogs in Chinese, and the about window pointing at something real.
#include "shell/Application.h"
#include "shell/AboutWindow.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

using namespace jm::gui;

class ApplicationTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { startUp(*qApp); }

    void qtDialogsSpeakChinese()
    {
        QDialogButtonBox box(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
        QCOMPARE(box.button(QDialogButtonBox::Ok)->text(), QStringLiteral("确定"));
        QCOMPARE(box.button(QDialogButtonBox::Cancel)->text(), QStringLiteral("取消"));
    }

    void aboutWindowLinksToNoPlaceholder()
    {
        auto* about = new AboutWindow;
        const auto* caption = about->findChild<QLabel*>(QStringLiteral("标签_产品名称"));
        QVERIFY(caption);
        QVERIFY(!caption->text().contains(QStringLiteral("example")));
        QVERIFY(caption->text().contains(QStringLiteral("file:")));
        QVERIFY(caption->text().contains(QStringLiteral("用户手册")));
        about->close();
    }
};

QTEST_MAIN(ApplicationTest)
#include "ApplicationTest.moc"
