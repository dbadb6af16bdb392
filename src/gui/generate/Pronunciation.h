#pragma once

#include <QNetworkAccessManager>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QUrl>

#include <functional>
#include <memory>

class QAudioOutput;
class QMediaPlayer;
class QNetworkReply;

namespace jm::gui {

/// Plays a sound file given by address. Replaceable, so tests need no audio device.
class AudioPlayer {
public:
    virtual ~AudioPlayer() = default;
    /// Starts playing `address` (replacing whatever plays).
    virtual void play(const QUrl& address) = 0;
};

/// The real player: QMediaPlayer on the default audio output, made on first use.
/// `onError` receives a short note when the address cannot be played.
class MediaAudioPlayer final : public AudioPlayer {
public:
    explicit MediaAudioPlayer(std::function<void(const QString&)> onError);
    ~MediaAudioPlayer() override;
    void play(const QUrl& address) override;

private:
    std::function<void(const QString&)> m_onError;
    std::unique_ptr<QAudioOutput> m_output;
    std::unique_ptr<QMediaPlayer> m_player;
};

/// The pronunciation of an English name: asks the online dictionary's
/// search page for the name, takes the MP3 address out of the page and
/// plays it. Everything is asynchronous; a failure plays nothing and is
/// reported through `note`. Window thread only.
class Pronunciation : public QObject {
    Q_OBJECT
public:
    /// Environment variable with the dictionary's address (scheme and host).
    static constexpr const char* kUrlVariable = "JIAMING_DICT_URL";
    /// Notes for the status bar.
    static QString noAddressNote() { return QStringLiteral("未设置在线词典地址,无法朗读"); }
    static QString failedNote() { return QStringLiteral("无法获取读音"); }
    static QString notFoundNote() { return QStringLiteral("词典中没有找到读音"); }

    /// Plays through `player`, or through a MediaAudioPlayer when null. The
    /// dictionary address starts as $JIAMING_DICT_URL (none when unset).
    explicit Pronunciation(std::unique_ptr<AudioPlayer> player = {}, QObject* parent = nullptr);
    ~Pronunciation() override;

    /// Plays through `player` from now on (tests hand in a recording one).
    void setPlayer(std::unique_ptr<AudioPlayer> player) { m_player = std::move(player); }
    void setDictionaryUrl(const QString& base) { m_base = base; }
    const QString& dictionaryUrl() const { return m_base; }

    /// Fetches and plays the pronunciation of `name`; an earlier request
    /// still under way is dropped. Does nothing for an empty name.
    void speak(const QString& name);

Q_SIGNALS:
    /// The player was handed `address`.
    void playing(const QUrl& address);
    /// Nothing will play; `text` says why in a few words.
    void note(const QString& text);

private:
    void finished(QNetworkReply* reply);

    std::unique_ptr<AudioPlayer> m_player;
    QNetworkAccessManager m_network;
    QPointer<QNetworkReply> m_reply;
    QString m_base;
};

} // namespace jm::gui
