#include "shell/NameListModel.h"

#include <QElapsedTimer>
#include <QIcon>
#include <QPixmap>
#include <QSignalSpy>
#include <QTest>
#include <QTreeView>

using namespace jm::gui;

namespace {

ListRow scored(const QString& name, int score)
{
    return { { QString(), name, QStringLiteral("8"), QStringLiteral("9"), QStringLiteral("木火"),
                 QStringLiteral("1,2,3,4,5"), QStringLiteral("木火土"), QString::number(score) },
        score, {} };
}

QStringList column(const NameListModel& model, int c)
{
    QStringList out;
    for (const ListRow& r : model.rows())
        out << r.cells[c];
    return out;
}

} // namespace

class NameListModelTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void rowsWithCautionsShowTheCautionIconAndTooltip()
    {
        NameListModel model;
        QPixmap plain(8, 8), caution(8, 8);
        plain.fill(Qt::red);
        caution.fill(Qt::yellow);
        model.setRowIcon(QIcon(plain));
        model.setCautionIcon(QIcon(caution));
        ListRow warned = scored(QStringLiteral("杜子腾"), 73);
        warned.cautions = QStringLiteral("谐音：“杜子腾”读起来像“肚子疼”，容易被人取笑。");
        model.appendRows({ scored(QStringLiteral("张伟"), 66), warned });
        const auto iconKey = [&](int r) {
            return model.data(model.index(r, 0), Qt::DecorationRole).value<QIcon>().pixmap(8, 8).toImage().pixel(0, 0);
        };
        QCOMPARE(iconKey(0), QColor(Qt::red).rgb());
        QCOMPARE(iconKey(1), QColor(Qt::yellow).rgb());
        QVERIFY(!model.data(model.index(0, 1), Qt::ToolTipRole).isValid());
        QCOMPARE(model.data(model.index(1, 3), Qt::ToolTipRole).toString(), warned.cautions);
        // The cautions travel with their row when the list is sorted.
        model.sort(NameListModel::kScoreColumn, Qt::DescendingOrder);
        QCOMPARE(model.row(0).cells[1], QStringLiteral("杜子腾"));
        QCOMPARE(iconKey(0), QColor(Qt::yellow).rgb());
    }

    void hundredThousandRowsFillAndSortWithoutStalling()
    {
        constexpr int kRows = 100001;
        NameListModel model;
        QTreeView view;
        model.attachTo(&view);
        view.resize(700, 400);
        view.show();

        QElapsedTimer timer;
        timer.start();
        // The generation lists receive their rows empty and fill them by number.
        model.appendEmptyRows(kRows);
        for (int r = 0; r < kRows; ++r)
            model.setRow(r, scored(QStringLiteral("名%1").arg(r), (r * 7919) % 101));
        QCoreApplication::processEvents();
        const qint64 fillMs = timer.restart();
        model.sort(NameListModel::kScoreColumn, Qt::DescendingOrder);
        model.renumber();
        QCoreApplication::processEvents();
        const qint64 sortMs = timer.elapsed();
        qInfo("filled %d rows in %lld ms, sorted and renumbered in %lld ms", kRows, fillMs, sortMs);
        QVERIFY2(fillMs + sortMs < 10000, "a list of 100001 rows must not stall the window");

        QCOMPARE(model.rowCount(), kRows);
        for (int r = 1; r < kRows; ++r)
            QVERIFY(model.row(r - 1).sortKey >= model.row(r).sortKey);
        QCOMPARE(model.row(0).cells[0], QStringLiteral("1"));
        QCOMPARE(model.row(kRows - 1).cells[0], QString::number(kRows));
        model.truncate(10000);
        QCOMPARE(model.rowCount(), 10000);
    }

    void sortsScoresAsNumbersAndKeepsTiesInOrder()
    {
        NameListModel model;
        model.appendRows({ scored("甲", 9), scored("乙", 100), scored("丙", 9), scored("丁", 85) });
        model.sort(NameListModel::kScoreColumn, Qt::DescendingOrder);
        QCOMPARE(column(model, 1), QStringList({ "乙", "丁", "甲", "丙" }));
        model.sort(NameListModel::kScoreColumn, Qt::AscendingOrder);
        QCOMPARE(column(model, 1), QStringList({ "甲", "丙", "丁", "乙" }));
        // Other numeric columns compare as numbers too ("10" after "9").
        model.appendRow({ { "", "戊", "10" }, 0, {} });
        model.sort(2, Qt::AscendingOrder);
        QCOMPARE(column(model, 1).last(), QStringLiteral("戊"));
    }

    void showsLineBreaksAsSpacesButKeepsThem()
    {
        NameListModel model;
        model.appendRow({ { "1", "张\r\n三丰" }, 0, {} });
        const QModelIndex name = model.index(0, 1);
        QCOMPARE(model.data(name, Qt::DisplayRole).toString(), QStringLiteral("张 三丰"));
        QCOMPARE(model.data(name, Qt::EditRole).toString(), QStringLiteral("张\r\n三丰"));
        QCOMPARE(model.row(0).cells.size(), 8); // short rows are padded to the columns
        QCOMPARE(model.findRow(1, QStringLiteral("张\r\n三丰")), 0);
        QCOMPARE(model.findRow(1, QStringLiteral("张 三丰")), -1);
    }

    void rowsChangeWithTheirSignals()
    {
        NameListModel model({ { "编号", 60 }, { "诗人", 80 } }, -1);
        QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
        QSignalSpy removed(&model, &QAbstractItemModel::rowsRemoved);
        QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
        model.appendRows({ { { "", "李白" }, 0, {} }, { { "", "杜甫" }, 0, {} }, { { "", "王维" }, 0, {} } });
        model.removeRowAt(1);
        model.removeRowAt(7); // outside the list: ignored
        model.setRow(9, { { "x", "y" }, 0, {} });
        model.renumber();
        QCOMPARE(inserted.count(), 1);
        QCOMPARE(removed.count(), 1);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(column(model, 0), QStringList({ "1", "2" }));
        QCOMPARE(column(model, 1), QStringList({ "李白", "王维" }));
        model.clear();
        QCOMPARE(model.rowCount(), 0);
    }
};

QTEST_MAIN(NameListModelTest)
#include "NameListModelTest.moc"
