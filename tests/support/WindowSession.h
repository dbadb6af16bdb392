#pragma once

#include "data/NameDatabase.h"
#include "shell/MainWindow.h"
#include "support/RecordingMessageService.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QPushButton>
#include <QString>
#include <QTest>

#include <filesystem>
#include <memory>

namespace jm::test {

/// One run of the program for a window test: the settings file (through
/// JIAMING_CONFIG), a recording message service, the database and the main
/// window, which is destroyed first. The two-argument form also starts the
/// window on `database` and waits for the bootstrap to end.
struct WindowSession {
    explicit WindowSession(const std::filesystem::path& config)
        : configFile(config)
    {
        qputenv("JIAMING_CONFIG", QByteArray::fromStdString(configFile.string()));
        window = std::make_unique<gui::MainWindow>(db, messages);
    }
    WindowSession(const std::filesystem::path& database, const std::filesystem::path& config)
        : WindowSession(config)
    {
        start(database);
    }
    ~WindowSession() { window.reset(); }
    WindowSession(const WindowSession&) = delete;
    WindowSession& operator=(const WindowSession&) = delete;

    /// Starts the window on `database` and waits until the bootstrap has ended.
    void start(const std::filesystem::path& database)
    {
        window->start(database);
        QTRY_VERIFY(!db.isBootstrapping());
        QCoreApplication::processEvents();
    }

    /// The window's child called `name`; the test ends at once when there is none.
    template <typename T> T* find(const char* name) const
    {
        T* child = window->findChild<T*>(QString::fromUtf8(name));
        if (!child) qFatal("no control %s", name);
        return child;
    }
    QPushButton* button(const char* name) const { return find<QPushButton>(name); }

    std::filesystem::path configFile;
    RecordingMessageService messages;
    NameDatabase db;
    std::unique_ptr<gui::MainWindow> window;
};

} // namespace jm::test
