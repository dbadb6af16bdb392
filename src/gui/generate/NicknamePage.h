#pragma once

#include "generate/GenerationRequest.h"

#include <QWidget>

#include <memory>

namespace Ui {
class NicknamePage;
}

namespace jm::gui {

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
};

} // namespace jm::gui
