#include "generate/EnglishPage.h"
#include "data/NameDatabase.h"
#include "generate/GenerationPage.h"
#include "generate/GenerationRequest.h"
#include "generate/Pronunciation.h"
#include "shell/MainWindow.h"
#include "shell/NameListModel.h"
#include "support/RecordingMessageService.h"

#include <QComboBox>
#include <QLineEdit>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QRadioButton>
#include <QStatusBar>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTreeView>
#include <QtTest>

#include <memory>

using namespace jm::gui;

namespace {

QString u8(const char* text)
{
    return QString::fromUtf8(text);
}

/// A tiny HTTP server on 127.0.0.1: answers "/s?wd=…" with `searchPage`
/// and "/audio/…" with `mp3`, 404 otherwise; records every request target.
class DictionaryServer : public QObject {
public:
    DictionaryServer()
    {
        connect(&m_server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* socket = m_server.nextPendingConnection()) {
                connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
                connect(socket, &QTcpSocket::readyRead, socket, [this, socket] { serve(socket); });
            }
        });
        m_server.listen(QHostAddress::LocalHost);
    }
    QString base() const { return QStringLiteral("http://127.0.0.1:%1").arg(m_server.serverPort()); }

    QByteArray searchPage;
    QByteArray mp3 = QByteArray("ID3\x03\x00\x00\x00\x00\x00\x00", 10) + QByteArray(64, '\xFF');
    QList<QByteArray> targets;

private:
    void serve(QTcpSocket* socket)
    {
        QByteArray& buffer = m_buffers[socket];
        buffer += socket->readAll();
        if (!buffer.contains("\r\n\r\n")) return;
        const QByteArray target = buffer.split(' ').value(1);
        targets << target;
        QByteArray status = "200 OK", type = "text/html; charset=utf-8", body;
        if (target.startsWith("/s?wd=")) {
            body = searchPage;
        } else if (target.startsWith("/audio/")) {
            type = "audio/mpeg";
            body = mp3;
        } else {
            status = "404 Not Found";
        }
        socket->write("HTTP/1.1 " + status + "\r\nContent-Type: " + type
            + "\r\nContent-Length: " + QByteArray::number(body.size()) + "\r\nConnection: close\r\n\r\n" + body);
        socket->disconnectFromHost();
        m_buffers.remove(socket);
    }

    QTcpServer m_server;
    QHash<QTcpSocket*, QByteArray> m_buffers;
};

/// Records the addresses it is asked to play and fetches each, so the test
/// sees what a real player would have received.
class RecordingPlayer final : public AudioPlayer {
public:
    void play(const QUrl& address) override
    {
        played << address;
        QNetworkReply* reply = network.get(QNetworkRequest(address));
        QObject::connect(reply, &QNetworkReply::finished, reply, [this, reply] {
            fetched = reply->readAll();
            reply->deleteLater();
        });
    }
    QList<QUrl> played;
    QByteArray fetched;
    QNetworkAccessManager network;
};

struct EnglishSession {
    EnglishSession()
    {
        qputenv("JIAMING_CONFIG", (dir.path() + "/config.dat").toUtf8());
        qputenv("JIAMING_DATA_DIR", (dir.path() + "/data").toUtf8());
        qunsetenv(Pronunciation::kUrlVariable);
        window = std::make_unique<MainWindow>(db, messages);
        window->start((dir.path() + "/none.db").toStdString());
        auto recording = std::make_unique<RecordingPlayer>();
        player = recording.get();
        page = &window->englishPage();
        page->pronunciation().setPlayer(std::move(recording));
    }
    NameListModel& list() { return window->generationPage().englishList(); }
    QStatusBar* statusBar() { return window->findChild<QStatusBar*>(u8("状态条1")); }
    template <typename T> T* child(const char* name) const
    {
        T* found = window->findChild<T*>(QString::fromUtf8(name));
        if (!found) qFatal("no control %s", name);
        return found;
    }
    void list(std::vector<jm::EnglishRow> rows) { page->showRows(0, rows); }
    void doubleClick(int row)
    {
        auto* view = child<QTreeView>("超级列表框_英文列表");
        const QModelIndex index = view->model()->index(row, 1);
        view->setCurrentIndex(index);
        Q_EMIT view->doubleClicked(index);
    }

    QTemporaryDir dir;
    jm::NameDatabase db;
    jm::test::RecordingMessageService messages;
    std::unique_ptr<MainWindow> window;
    EnglishPage* page = nullptr;
    RecordingPlayer* player = nullptr;
};

jm::EnglishRow row(const char* number, const char* name)
{
    return { { number, name, "读音", "含义" } };
}

} // namespace

class EnglishPageTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void doubleClickPlaysTheMp3TheDictionaryNames();
    void failuresPlayNothingAndLeaveANote();
    void optionsChecksAndRows();
};

void EnglishPageTest::doubleClickPlaysTheMp3TheDictionaryNames()
{
    DictionaryServer server;
    server.searchPage = "<html><body><a href=\"/audio/other.mp3\">x</a>"
                        "<a href=\"#\" url=\""
        + server.base().toUtf8() + "/audio/Mary%20Ann.mp3\">读</a></body></html>";
    EnglishSession s;
    s.page->pronunciation().setDictionaryUrl(server.base());
    s.list({ row("1", "Mark"), row("2", "Mary Ann") });
    s.doubleClick(1);
    QTRY_COMPARE(s.player->played.size(), 1);
    QCOMPARE(server.targets.value(0), QByteArray("/s?wd=Mary%20Ann"));
    QCOMPARE(s.player->played[0], QUrl(server.base() + "/audio/Mary%20Ann.mp3"));
    QTRY_COMPARE(s.player->fetched, server.mp3);
    QCOMPARE(server.targets.value(1), QByteArray("/audio/Mary%20Ann.mp3"));

    // A relative address is taken relative to the search page.
    server.searchPage = "<a href=\"#\" url=\"/audio/Mark.mp3\">";
    s.doubleClick(0);
    QTRY_COMPARE(s.player->played.size(), 2);
    QCOMPARE(s.player->played[1], QUrl(server.base() + "/audio/Mark.mp3"));
}

void EnglishPageTest::failuresPlayNothingAndLeaveANote()
{
    EnglishSession s;
    s.list({ row("1", "Mark"), row("2", "") });
    s.doubleClick(0); // no dictionary configured: nothing is contacted
    QCOMPARE(s.statusBar()->currentMessage(), Pronunciation::noAddressNote());

    DictionaryServer server;
    server.searchPage = "<html>no pronunciation here</html>";
    s.page->pronunciation().setDictionaryUrl(server.base());
    s.statusBar()->clearMessage();
    s.doubleClick(1); // an empty name asks nothing
    s.doubleClick(0);
    QTRY_COMPARE(s.statusBar()->currentMessage(), Pronunciation::notFoundNote());
    QCOMPARE(server.targets, (QList<QByteArray> { "/s?wd=Mark" }));

    // Nobody listens on the port any more.
    QTcpServer closed;
    QVERIFY(closed.listen(QHostAddress::LocalHost));
    const quint16 port = closed.serverPort();
    closed.close();
    s.page->pronunciation().setDictionaryUrl(QStringLiteral("http://127.0.0.1:%1").arg(port));
    s.doubleClick(0);
    QTRY_COMPARE(s.statusBar()->currentMessage(), Pronunciation::failedNote());
    QVERIFY(s.player->played.isEmpty());
}

void EnglishPageTest::optionsChecksAndRows()
{
    EnglishSession s;
    auto* surname = s.child<QLineEdit>("编辑框_英文姓氏");
    auto* given = s.child<QLineEdit>("编辑框_英文名字");
    surname->clear();
    given->clear();
    QVERIFY(!s.page->checkInputs(s.messages));
    surname->setText(u8("李"));
    QVERIFY(!s.page->checkInputs(s.messages));
    given->setText(u8("明华"));
    QVERIFY(s.page->checkInputs(s.messages));
    QCOMPARE(s.messages.messages.size(), 2);
    QCOMPARE(s.messages.messages[0].text, u8("请输入姓氏"));
    QCOMPARE(s.messages.messages[1].text, u8("请输入名字"));
    QCOMPARE(s.messages.messages[1].title, u8("提示"));

    const struct {
        const char* option;
        int style;
    } styles[] = { { "单选框_女性化", 2 }, { "单选框_中性化", 3 }, { "单选框_男性化", 1 } };
    for (const auto& c : styles) {
        s.child<QRadioButton>(c.option)->setChecked(true);
        jm::GenerationRequest request;
        s.page->fillRequest(request);
        QCOMPARE(request.english.style, c.style);
        QCOMPARE(request.english.surname, std::string("李"));
        QCOMPARE(request.english.givenName, std::string("明华"));
    }

    // The two boxes of 名字长度 (3 and 8 at start) bound the letters of a listed name.
    {
        auto* from = s.child<QComboBox>("组合框_日子1");
        auto* to = s.child<QComboBox>("组合框_时间1");
        jm::GenerationRequest request;
        s.page->fillRequest(request);
        QCOMPARE(request.english.minLength, 3);
        QCOMPARE(request.english.maxLength, 8);
        from->setCurrentText(u8("5"));
        to->setCurrentText(u8("12"));
        s.page->fillRequest(request);
        QCOMPARE(request.english.minLength, 5);
        QCOMPARE(request.english.maxLength, 12);
    }

    // Rows delivered again from the start replace, never double, the list.
    s.list({ row("1", "Mark"), row("2", "Mike") });
    s.page->showRows(1, { row("2", "Mike"), row("3", "Max") });
    s.list({ row("1", "Mark"), row("2", "Mike"), row("3", "Max") });
    QCOMPARE(s.list().rowCount(), 3);
    QCOMPARE(s.list().row(2).cells, (QStringList { u8("3"), u8("Max"), u8("读音"), u8("含义") }));
}

QTEST_MAIN(EnglishPageTest)
#include "EnglishPageTest.moc"
