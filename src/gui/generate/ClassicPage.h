#pragma once

#include "generate/GenerationRequest.h"

#include <QWidget>

#include <memory>

class QPlainTextEdit;
class QPushButton;
namespace Ui {
class ClassicPage;
}

namespace jm::gui {

class RunStatus;

/// The classic page 经典模式 (页面_经典模式): the names of a classic run as
/// text in 编辑框_经典名字, 生成 and 导出. Window thread only.
class ClassicPage : public QWidget {
    Q_OBJECT
public:
    explicit ClassicPage(QWidget* parent = nullptr);
    ~ClassicPage() override;

    /// The page's run line: progress, status text, 取消 and export enabling.
    RunStatus& runStatus() { return *m_runStatus; }

    /// The text box the export writes out.
    const QPlainTextEdit& textBox() const;
    QPushButton* exportButton() const;

public Q_SLOTS:
    /// A classic run empties the box when it starts.
    void onRunStarted(jm::GenerationMode mode);
    /// The text a classic run listed (lines apart by CR LF) replaces the box's text.
    void showText(const QString& text);

Q_SIGNALS:
    /// 生成 was clicked.
    void generateClicked();

private:
    std::unique_ptr<Ui::ClassicPage> m_ui;
    RunStatus* m_runStatus = nullptr;
};

} // namespace jm::gui
