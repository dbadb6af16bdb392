#pragma once

#include "generate/GenerationRequest.h"

#include <QWidget>

#include <memory>

class QPushButton;
namespace Ui {
class NicknamePage;
}

namespace jm::gui {

class RunStatus;

class NameListModel;

/// The nickname page 起小名 (页面_起小名): the four nickname patterns, 起小名
/// and the list of a nickname run, whose model belongs to the generation
/// side. Window thread only.
class NicknamePage : public QWidget {
    Q_OBJECT
public:
    /// `list` is the nickname result list; it must outlive the page.
    explicit NicknamePage(NameListModel& list, QWidget* parent = nullptr);
    ~NicknamePage() override;

    /// The page's run line: progress, status text, 取消 and export enabling.
    RunStatus& runStatus() { return *m_runStatus; }
    /// 导出列表: saves the list (ExportActions).
    QPushButton* exportButton() const;

    /// The checked pattern into `request` (AA when none of the others is checked).
    void fillRequest(GenerationRequest& request) const;

public Q_SLOTS:
    /// A nickname run locks 起小名; the end of any run unlocks it.
    void onRunStarted(jm::GenerationMode mode);
    void onRunFinished(jm::GenerationMode mode);

Q_SIGNALS:
    /// 起小名 was clicked.
    void generateClicked();
    /// A name of the list was double-clicked.
    void nameDoubleClicked(const QModelIndex& index);

private:
    std::unique_ptr<Ui::NicknamePage> m_ui;
    RunStatus* m_runStatus = nullptr;
};

} // namespace jm::gui
