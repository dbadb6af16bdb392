#include "shell/DatabaseLoader.h"

#include "data/Bootstrap.h"
#include "data/NameDatabase.h"

namespace jm::gui {

DatabaseLoader::DatabaseLoader(NameDatabase& db, QObject* parent)
    : QObject(parent)
    , m_db(db)
{
}

DatabaseLoader::~DatabaseLoader()
{
    join();
}

void DatabaseLoader::start(const std::filesystem::path& shippedFile)
{
    if (m_started) return;
    m_started = true;
    m_db.announceBootstrap();
    try {
        m_thread = std::thread([this, file = shippedFile.string()] {
            const Result<void> result = bootstrapDatabase(m_db, file);
            // Queued to the loader's thread; dropped if the loader is gone by then
            // (its destructor joins this thread first).
            QMetaObject::invokeMethod(
                this,
                [this, ok = result.ok(), error = QString::fromStdString(result.error())] {
                    Q_EMIT finished(ok, error);
                },
                Qt::QueuedConnection);
        });
    } catch (const std::system_error&) {
        // No thread: release the waiting queries; every lookup reads empty.
        m_db.endBootstrap();
        Q_EMIT finished(false, QString::fromUtf8(kMessageOpenFailed));
    }
}

void DatabaseLoader::join()
{
    if (m_thread.joinable()) m_thread.join();
}

} // namespace jm::gui
