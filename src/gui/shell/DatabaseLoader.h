#pragma once

#include <QObject>
#include <QString>

#include <filesystem>
#include <thread>

namespace jm {
class NameDatabase;
}

namespace jm::gui {

/// Runs the database bootstrap on a thread of its own while the window is
/// already in use, and reports the outcome on the window thread.
class DatabaseLoader : public QObject {
    Q_OBJECT
public:
    explicit DatabaseLoader(NameDatabase& db, QObject* parent = nullptr);
    /// Waits for a running bootstrap.
    ~DatabaseLoader() override;

    /// Announces the bootstrap to the database (queries from other threads
    /// wait from now on) and starts it on a new thread. Does nothing when a
    /// bootstrap was started before.
    void start(const std::filesystem::path& shippedFile);
    /// Waits until the bootstrap thread has ended; returns at once when none runs.
    void join();
    bool started() const { return m_started; }

Q_SIGNALS:
    /// Delivered on the loader's thread after the bootstrap ended; `error`
    /// is the message to show when `ok` is false.
    void finished(bool ok, const QString& error);

private:
    NameDatabase& m_db;
    std::thread m_thread;
    bool m_started = false;
};

} // namespace jm::gui
