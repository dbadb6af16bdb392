#pragma once

#include "generate/GenerationRequest.h"

#include <QWidget>

#include <memory>

class QPushButton;
namespace Ui {
class CombinationPage;
}

namespace jm::gui {

class RunStatus;

class NameListModel;

/// The combination page 组合起名 (页面_组合起名): the characters to combine
/// (编辑框_组合的字), 开始组合 and the list of a combination run, whose
/// model belongs to the generation side. Window thread only.
class CombinationPage : public QWidget {
    Q_OBJECT
public:
    /// `list` is the combination result list; it must outlive the page.
    explicit CombinationPage(NameListModel& list, QWidget* parent = nullptr);
    ~CombinationPage() override;

    /// The page's run line: progress, status text, 取消 and export enabling.
    RunStatus& runStatus() { return *m_runStatus; }
    /// 导出列表: saves the list (ExportActions).
    QPushButton* exportButton() const;

    /// The text of 编辑框_组合的字 (kept in the settings file).
    QString characters() const;
    void setCharacters(const QString& characters);
    /// The characters, as typed, into `request`.
    void fillRequest(GenerationRequest& request) const;

Q_SIGNALS:
    /// The page's start button was clicked.
    void generateClicked();
    /// A name of the list was double-clicked.
    void nameDoubleClicked(const QModelIndex& index);

private:
    std::unique_ptr<Ui::CombinationPage> m_ui;
    RunStatus* m_runStatus = nullptr;
};

} // namespace jm::gui
