#include "shell/DatabaseLoader.h"

#include "data/Bootstrap.h"
#include "data/BootstrapFailure.h"
#include "data/NameDatabase.h"
#include "settings/Paths.h"

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
        m_thread = std::thread([this, file = shippedFile] {
            const Result<void> result = bootstrapDatabase(m_db, file.string());
            const std::string message = result ? std::string() : describeBootstrapFailure(file, result.error());
            // Queued to the loader's thread; dropped if the loader is gone by then
            // (its destructor joins this thread first).
            QMetaObject::invokeMethod(
                this, [this, ok = result.ok(), error = QString::fromStdString(message)] { Q_EMIT finished(ok, error); },
                Qt::QueuedConnection);
        });
    } catch (const std::system_error&) {
        // No thread: release the waiting queries; every lookup reads empty.
        m_db.endBootstrap();
        Q_EMIT finished(false,
            QStringLiteral(
                "无法载入名字数据库 %1：无法启动载入它的线程，电脑的资源可能不够。请关闭一些程序后重新打开嘉名。")
                .arg(QString::fromStdString(displayPath(shippedFile))));
    }
}

void DatabaseLoader::join()
{
    if (m_thread.joinable()) m_thread.join();
}

} // namespace jm::gui
