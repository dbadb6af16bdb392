#include "generate/Pronunciation.h"

#include "generate/EnglishMode.h"

#include <QAudioOutput>
#include <QMediaPlayer>
#include <QNetworkReply>
#include <QNetworkRequest>

namespace jm::gui {

MediaAudioPlayer::MediaAudioPlayer(std::function<void(const QString&)> onError)
    : m_onError(std::move(onError))
{
}

MediaAudioPlayer::~MediaAudioPlayer()
{
    if (m_player) m_player->stop();
}

void MediaAudioPlayer::play(const QUrl& address)
{
    if (!m_player) {
        m_output = std::make_unique<QAudioOutput>();
        m_player = std::make_unique<QMediaPlayer>();
        m_player->setAudioOutput(m_output.get());
        QObject::connect(
            m_player.get(), &QMediaPlayer::errorOccurred, m_player.get(), [this](QMediaPlayer::Error, const QString&) {
                if (m_onError) m_onError(Pronunciation::failedNote());
            });
    }
    m_player->stop();
    m_player->setSource(address);
    m_player->play();
}

Pronunciation::Pronunciation(std::unique_ptr<AudioPlayer> player, QObject* parent)
    : QObject(parent)
    , m_player(std::move(player))
    , m_base(qEnvironmentVariable(kUrlVariable))
{
    if (!m_player) m_player = std::make_unique<MediaAudioPlayer>([this](const QString& text) { Q_EMIT note(text); });
}

Pronunciation::~Pronunciation()
{
    if (m_reply) {
        m_reply->disconnect(this);
        m_reply->abort();
    }
}

void Pronunciation::speak(const QString& name)
{
    if (name.isEmpty()) return;
    if (m_reply) {
        m_reply->disconnect(this);
        m_reply->abort();
        m_reply->deleteLater();
    }
    if (m_base.trimmed().isEmpty()) {
        Q_EMIT note(noAddressNote());
        return;
    }
    const QUrl url(QString::fromStdString(pronunciationSearchUrl(m_base.trimmed().toStdString(), name.toStdString())),
        QUrl::StrictMode);
    if (!url.isValid() || url.scheme().isEmpty()) {
        Q_EMIT note(failedNote());
        return;
    }
    QNetworkRequest request(url);
    request.setTransferTimeout(15000);
    QNetworkReply* reply = m_network.get(request);
    m_reply = reply;
    connect(reply, &QNetworkReply::finished, this, [this, reply] { finished(reply); });
}

void Pronunciation::finished(QNetworkReply* reply)
{
    reply->deleteLater();
    if (reply == m_reply) m_reply = nullptr;
    if (reply->error() != QNetworkReply::NoError) {
        Q_EMIT note(failedNote());
        return;
    }
    const QByteArray page = reply->readAll();
    const std::string address = pronunciationAddress(std::string_view(page.constData(), page.size()));
    if (address.empty()) {
        Q_EMIT note(notFoundNote());
        return;
    }
    // The page may give the file relative to itself.
    const QUrl file = reply->url().resolved(QUrl(QString::fromStdString(address)));
    if (!file.isValid()) {
        Q_EMIT note(failedNote());
        return;
    }
    m_player->play(file);
    Q_EMIT playing(file);
}

} // namespace jm::gui
