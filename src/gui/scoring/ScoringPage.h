#pragma once

#include <QWidget>

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>

namespace Ui {
class ScoringPage;
}

namespace jm {
class NameDatabase;
}

namespace jm::gui {

class MessageService;
class NameListModel;

/// The page 姓名评分 (页面_姓名评分): rating a typed name into the score
/// list. Window thread only.
class ScoringPage : public QWidget {
    Q_OBJECT
public:
    /// The database and the message service must outlive the page.
    ScoringPage(NameDatabase& db, MessageService& messages, QWidget* parent = nullptr);
    ~ScoringPage() override;

    NameListModel& scoreList() { return *m_scoreList; }

    /// Asked before a name is rated; rating goes on only when it returns
    /// true (the window says why when it does not).
    void setDatabaseCheck(std::function<bool()> check) { m_databaseCheck = std::move(check); }
    /// Where the report page of a rated name is written; nothing writes none.
    void setDataDirectory(std::optional<std::filesystem::path> directory) { m_dataDirectory = std::move(directory); }
    /// Shows `surname` in 编辑框_评分姓氏 and, the first time, fills the date
    /// boxes (today, 0:00); later calls keep the date the user chose. Done
    /// when the window opens and whenever the tool bar opens the page.
    void prepare(const QString& surname);
    /// 编辑框_评分名字 (kept in the settings file).
    QString typedGivenName() const;
    void setTypedGivenName(const QString& givenName);

    /// The click of 按钮_评分: rates 编辑框_评分姓氏 + 编辑框_评分名字 (and
    /// rewrites the report page in the data directory) and appends the name
    /// to the score list unless it is listed there already. A name the input
    /// check refuses (empty, too long, an unknown character) is reported in a
    /// message box and nothing else happens.
    void scoreTypedName();

Q_SIGNALS:
    /// A name of the score list was double-clicked.
    void nameActivated(const QString& surname, const QString& givenName);

private:
    std::unique_ptr<Ui::ScoringPage> m_ui;
    NameDatabase& m_db;
    MessageService& m_messages;
    NameListModel* m_scoreList = nullptr;
    std::optional<std::filesystem::path> m_dataDirectory;
    std::function<bool()> m_databaseCheck;
};

} // namespace jm::gui
