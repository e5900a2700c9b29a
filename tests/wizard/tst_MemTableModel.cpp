// The Qt model over a MemTable, checked by Qt's own model tester at every change.
#include "core/document/WebsiteTables.h"
#include "core/filemanager/TZarpFileManager.h"
#include "wizard/models/TMemTableModel.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QtTest>

using namespace bix;

namespace {

std::vector<TMemTableModel::Column> LinkColumns() {
    return {{"Visible", "Visible", true, nullptr},
            {"Name", "Name", false, nullptr},
            {"URL", "URL", false, nullptr},
            {"InFrame", "Framed", true, nullptr}};
}

void AddLink(MemTable& table, const std::string& name) {
    table.Append();
    table.SetValue("Name", name);
    table.SetValue("URL", name + ".htm");
    table.Post();
}

QStringList Names(const QAbstractItemModel& model) {
    QStringList names;
    for (int r = 0; r < model.rowCount(); ++r) {
        names << model.index(r, 1).data().toString();
    }
    return names;
}

}  // namespace

class TestMemTableModel final : public QObject {
    Q_OBJECT

private slots:
    void followsEveryChangeOfTheTable() {
        MemTable table(FrameLinksFieldDefs());
        SetUpFrameLinksTable(table);
        table.Open();
        TMemTableModel model(table, LinkColumns());
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
        QCOMPARE(model.headerData(3, Qt::Horizontal, Qt::DisplayRole).toString(), QString("Framed"));

        QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
        AddLink(table, "a");
        AddLink(table, "b");
        AddLink(table, "c");
        QCOMPARE(inserted.count(), 3);
        QCOMPARE(Names(model), QStringList({"a", "b", "c"}));
        QCOMPARE(model.index(0, 0).data(Qt::CheckStateRole).toInt(), int(Qt::Checked));  // visible on insertion
        QCOMPARE(model.index(0, 3).data(Qt::CheckStateRole).toInt(), int(Qt::Unchecked));

        table.MoveTo(0);
        table.MoveRecord(2);
        QCOMPARE(Names(model), QStringList({"b", "c", "a"}));
        table.MoveTo(1);
        table.Delete();
        QCOMPARE(Names(model), QStringList({"b", "a"}));
        table.MoveTo(0);
        table.Insert();
        table.SetValue("Name", std::string("first"));
        table.Post();
        QCOMPARE(Names(model), QStringList({"first", "b", "a"}));
        table.EmptyTable();
        QCOMPARE(model.rowCount(), 0);
        AddLink(table, "again");
        table.Close();
        QCOMPARE(model.rowCount(), 0);
    }

    void editsFromAViewGoThroughTheTable() {
        MemTable table(FrameLinksFieldDefs());
        table.Open();
        AddLink(table, "a");
        TMemTableModel model(table, LinkColumns());
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
        QVERIFY(!model.setData(model.index(0, 1), "x", Qt::EditRole));  // read-only until told
        model.editable = true;
        QVERIFY(model.flags(model.index(0, 3)).testFlag(Qt::ItemIsUserCheckable));
        QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
        QVERIFY(model.setData(model.index(0, 1), "Renamed", Qt::EditRole));
        QVERIFY(model.setData(model.index(0, 3), int(Qt::Checked), Qt::CheckStateRole));
        QCOMPARE(table.CellAt(0, table.FieldIndex("Name")), TFieldValue(std::string("Renamed")));
        QCOMPARE(table.CellAt(0, table.FieldIndex("InFrame")), TFieldValue(true));
        QCOMPARE(changed.count(), 2);
        QCOMPARE(table.State(), TDataSetState::Browse);
    }

    void aColumnCanShowItsOwnText() {
        MemTable table(FileManagerFieldDefs());
        table.Open();
        table.Append();
        table.SetValue("FileName", std::string("index.htm"));
        table.SetValue("FileStatus", 3);
        table.Post();
        TMemTableModel model(table, {{"FileStatus", "Process", false,
                                      [](const TFieldValue& v) {
                                          const auto* n = std::get_if<std::int32_t>(&v);
                                          return QString::fromStdString(FtpProcessDescription(n != nullptr ? *n : -1));
                                      }},
                                     {"FileName", "File", false, nullptr}});
        QCOMPARE(model.index(0, 0).data().toString(), QString("Upload File"));
        // A scan with the views switched off tells them once, at the end.
        QSignalSpy reset(&model, &QAbstractItemModel::modelReset);
        table.DisableControls();
        table.Append();
        table.SetValue("FileName", std::string("about.htm"));
        table.Post();
        QCOMPARE(model.rowCount(), 2);
        table.EnableControls();
        QCOMPARE(reset.count(), 1);
    }
};

QTEST_MAIN(TestMemTableModel)
#include "tst_MemTableModel.moc"
