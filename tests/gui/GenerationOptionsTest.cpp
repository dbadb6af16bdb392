// The super-lucky page's element filters, the option reader and the export buttons.
#include "data/NameDatabase.h"
#include "generate/CombinationPage.h"
#include "generate/ExportActions.h"
#include "generate/NicknamePage.h"
#include "generate/SuperLuckyPage.h"
#include "shell/MainWindow.h"
#include "shell/NameListModel.h"
#include "support/RecordingMessageService.h"
#include "text/Text.h"

#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using namespace jm::gui;

namespace {

struct Window {
    Window()
    {
        qputenv("JIAMING_CONFIG", (dir.path() + "/config.dat").toUtf8());
        qputenv("JIAMING_DATA_DIR", (dir.path() + "/data").toUtf8());
        window = std::make_unique<MainWindow>(db, messages);
        page = &window->superLuckyPage();
    }
    template <typename T> T* find(const char* name) const
    {
        T* w = window->findChild<T*>(QString::fromUtf8(name));
        if (!w) qFatal("no control %s", name);
        return w;
    }
    QCheckBox* box(const char* name) const { return find<QCheckBox>(name); }
    /// The five element boxes of group 0..3.
    QList<QCheckBox*> elements(int group) const
    {
        QList<QCheckBox*> out;
        for (const char* e : { "金", "木", "水", "火", "土" })
            out << box((std::string("选择框_") + e + std::to_string(group)).c_str());
        return out;
    }
    bool elementsEnabled(int group, bool enabled) const
    {
        for (QCheckBox* b : elements(group))
            if (b->isEnabled() != enabled) return false;
        return true;
    }
    jm::GenerationRequest request() const
    {
        jm::GenerationRequest r;
        page->fillRequest(r);
        window->combinationPage().fillRequest(r);
        window->nicknamePage().fillRequest(r);
        return r;
    }

    QTemporaryDir dir;
    jm::NameDatabase db;
    jm::test::RecordingMessageService messages;
    std::unique_ptr<MainWindow> window;
    SuperLuckyPage* page = nullptr;
};

QByteArray fileBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

} // namespace

class GenerationOptionsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void positionAndAllCharacterSwitchesExcludeEachOther();
    void requestReadsCheckedBoxesInBoxOrder();
    void exportButtonsWriteTheirFilesAndOpenThem();
};

void GenerationOptionsTest::positionAndAllCharacterSwitchesExcludeEachOther()
{
    Window w;
    QCheckBox* second = w.box("选择框_第二个字五行限定");
    QCheckBox* third = w.box("选择框_第三个字五行限定");
    QCheckBox* must = w.box("选择框_所有字必带五行");
    QCheckBox* none = w.box("选择框_所有字不能带五行");
    for (int g = 0; g < 4; ++g)
        QVERIFY(w.elementsEnabled(g, false));

    must->click();
    QVERIFY(must->isChecked());
    QVERIFY(w.elementsEnabled(2, true));
    QVERIFY(!second->isEnabled() && !third->isEnabled());
    none->click(); // the same kind may be on together
    QVERIFY(none->isChecked() && w.elementsEnabled(3, true));
    must->click();
    QVERIFY(w.elementsEnabled(2, false));
    QVERIFY2(!second->isEnabled(), "none-may-have is still on");
    none->click();
    QVERIFY(second->isEnabled() && third->isEnabled());

    second->click();
    QVERIFY(!must->isEnabled() && !none->isEnabled() && !must->isChecked());
    QVERIFY(w.elementsEnabled(0, true) && w.elementsEnabled(1, false));
    must->click(); // a disabled switch does not react
    QVERIFY(!must->isChecked());
    third->click();
    second->click();
    QVERIFY(!must->isEnabled());
    third->click();
    QVERIFY(must->isEnabled() && none->isEnabled());
    QVERIFY(w.elementsEnabled(0, false) && w.elementsEnabled(1, false));

    // The mode page applies the must-have rule for the switch's current state.
    must->click();
    second->setEnabled(true);
    second->setChecked(true);
    w.page->applyMustHaveRule();
    QVERIFY(!second->isChecked() && !second->isEnabled() && w.elementsEnabled(2, true));
    must->setChecked(false);
    w.page->applyMustHaveRule();
    QVERIFY(second->isEnabled() && third->isEnabled() && w.elementsEnabled(2, false));
}

void GenerationOptionsTest::requestReadsCheckedBoxesInBoxOrder()
{
    Window w;
    w.box("选择框_所有字必带五行")->click();
    w.box("选择框_水2")->click();
    w.box("选择框_金2")->click();
    w.box("选择框_所有字不能带五行")->click();
    jm::GenerationRequest r = w.request();
    QCOMPARE(r.superLucky.allMustHave.enabled, true);
    QCOMPARE(QString::fromStdString(r.superLucky.allMustHave.elements), QString::fromUtf8("金水"));
    QCOMPARE(r.superLucky.noneMayHave.enabled, true);
    QCOMPARE(r.superLucky.noneMayHave.elements, std::string());
    QCOMPARE(r.superLucky.secondCharacter.enabled, false);

    // A disabled box keeps its check and is still read.
    w.box("选择框_所有字必带五行")->click();
    r = w.request();
    QCOMPARE(r.superLucky.allMustHave.enabled, false);
    QCOMPARE(QString::fromStdString(r.superLucky.allMustHave.elements), QString::fromUtf8("金水"));

    w.find<QLineEdit>("编辑框_组合的字")->setText(QString::fromUtf8("李 明A1华"));
    w.find<QRadioButton>("单选框_阿A型")->setChecked(true);
    r = w.request();
    QCOMPARE(QString::fromStdString(r.combination.characters), QString::fromUtf8("李 明A1华"));
    QVERIFY(r.nickname.pattern == jm::NicknamePattern::AhA);
    w.find<QRadioButton>("单选框_A儿型")->setChecked(true);
    QVERIFY(w.request().nickname.pattern == jm::NicknamePattern::AEr);
}

void GenerationOptionsTest::exportButtonsWriteTheirFilesAndOpenThem()
{
    QTemporaryDir dir;
    qputenv("JIAMING_DATA_DIR", (dir.path() + "/data").toUtf8());
    NameListModel high, lucky;
    QPushButton highButton, luckyButton, classicButton;
    QPlainTextEdit classic;
    jm::test::RecordingMessageService messages;
    ExportActions actions(messages, nullptr);
    actions.addNameList(&highButton, high, jm::kHighScoreExportFile);
    actions.addNameList(&luckyButton, lucky, jm::kSuperLuckyExportFile);
    actions.addText(&classicButton, classic, jm::kClassicExportFile);
    QStringList opened;
    actions.setOpener([&](const QString& path) { opened << path; });
    // Saved where the dialog suggests: the data directory, the list's own file name.
    actions.setChooser([](QWidget*, const QString& suggested) { return suggested; });
    const QString data = dir.path() + "/data/";
    const QByteArray header
        = jm::toGbk("编号    姓名    简体笔划    繁体笔划    五行    五格    三才    评分\r\n").c_str();

    highButton.click();
    QCOMPARE(opened, QStringList { data + "NameList.txt" });
    QCOMPARE(fileBytes(opened.last()), header);

    // A paused super-lucky list: two names listed, the rest still empty.
    lucky.appendEmptyRows(5);
    const QStringList cells = { "1", "张明华", "21", "33", "火火水", "12,19,22,33,15", "木水木", "98" };
    lucky.setRow(0, { cells, 98, {} });
    QStringList second = cells;
    second[0] = "2";
    lucky.setRow(1, { second, 98, {} });
    luckyButton.click();
    QCOMPARE(opened.last(), data + "100NameList.txt");
    const std::string line = "1    张明华    21    33    火火水    12,19,22,33,15    木水木    98\r\n";
    std::string want = line + "2" + line.substr(1) + std::string(28, ' ') + "\r\n";
    QCOMPARE(fileBytes(opened.last()), header + QByteArray::fromStdString(jm::toGbk(want)));

    classic.setPlainText(QString::fromUtf8("张博涛  张鑫磊  \r\n\r\n张浩南  "));
    classicButton.click();
    QCOMPARE(opened.last(), data + "ClassNameList.txt");
    QCOMPARE(fileBytes(opened.last()), QByteArray::fromStdString(jm::toGbk("张博涛  张鑫磊  \r\n\r\n张浩南  ")));
}

QTEST_MAIN(GenerationOptionsTest)
#include "GenerationOptionsTest.moc"
