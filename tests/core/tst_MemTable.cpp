#include "core/common/Errors.h"
#include "core/document/MemTable.h"
#include "core/document/WebsiteTables.h"

#include <QtTest>

using namespace bix;

namespace {

// Writes down every event in a short form, e.g. "insert 0", "move 0->2", "field 1.3".
class Recorder final : public MemTableObserver {
public:
    void TableReset() override { events << "reset"; }
    void RowInserted(std::size_t row) override { events << QString("insert %1").arg(row); }
    void RowRemoved(std::size_t row) override { events << QString("remove %1").arg(row); }
    void RowMoved(std::size_t from, std::size_t to) override { events << QString("move %1->%2").arg(from).arg(to); }
    void FieldChanged(std::size_t row, std::size_t column) override {
        events << QString("field %1.%2").arg(row).arg(column);
    }
    void BufferChanged(std::size_t column) override { events << QString("buffer %1").arg(column); }
    void CurrentRowChanged() override { events << "current"; }
    QStringList events;
};

// A file list with the given names, in order.
void AddFiles(MemTable& table, const QStringList& names) {
    for (const auto& name : names) {
        table.Append();
        table.SetValue("FileName", name.toStdString());
        table.Post();
    }
}

QStringList Names(MemTable& table, const char* column = "FileName") {
    QStringList names;
    const std::size_t c = table.FieldIndex(column);
    for (std::size_t r = 0; r < table.RecordCount(); ++r) {
        names << QString::fromStdString(std::get<std::string>(table.CellAt(r, c)));
    }
    return names;
}

}  // namespace

class TestMemTable final : public QObject {
    Q_OBJECT

private slots:
    void insertGoesBeforeTheCurrentRowAppendAtTheEnd() {
        MemTable table(FileManagerFieldDefs());
        table.Open();
        AddFiles(table, {"a", "b", "c"});
        table.MoveTo(1);
        table.Insert();
        table.SetValue("FileName", std::string("new"));
        QCOMPARE(table.State(), TDataSetState::Insert);
        QCOMPARE(table.RecordCount(), 3U);  // not in the table until posted
        table.Post();
        QCOMPARE(Names(table), QStringList({"a", "new", "b", "c"}));
        QCOMPARE(table.CurrentRow(), std::optional<std::size_t>(1));
        table.Append();
        table.SetValue("FileName", std::string("last"));
        table.Post();
        QCOMPARE(Names(table), QStringList({"a", "new", "b", "c", "last"}));
        QCOMPARE(table.CurrentRow(), std::optional<std::size_t>(4));
    }

    void cancelDiscardsAndDeleteMovesToTheNextRow() {
        MemTable table(FileManagerFieldDefs());
        table.Open();
        AddFiles(table, {"a", "b", "c"});
        table.MoveTo(1);
        table.Edit();
        table.SetValue("FileName", std::string("changed"));
        QCOMPARE(table.AsString("FileName"), std::string("changed"));
        table.Cancel();
        QCOMPARE(table.AsString("FileName"), std::string("b"));
        table.Insert();
        table.Delete();  // deleting a pending insert only cancels it
        QCOMPARE(table.RecordCount(), 3U);
        table.Delete();
        QCOMPARE(Names(table), QStringList({"a", "c"}));
        QCOMPARE(table.AsString("FileName"), std::string("c"));
        table.Delete();
        QCOMPARE(table.AsString("FileName"), std::string("a"));
        table.Delete();
        QVERIFY(table.IsEmpty());
        QVERIFY(!table.CurrentRow());
        QVERIFY_THROWS_EXCEPTION(EBixError, table.Delete());
    }

    void navigationPostsAPendingEdit() {
        MemTable table(FileManagerFieldDefs());
        table.Open();
        AddFiles(table, {"a", "b"});
        table.First();
        table.Edit();
        table.SetValue("FileStatus", 3);
        table.Next();
        QCOMPARE(table.State(), TDataSetState::Browse);
        QCOMPARE(table.CellAt(0, table.FieldIndex("FileStatus")), TFieldValue(3));
    }

    void walkWithFirstNextEof() {
        MemTable table(FileManagerFieldDefs());
        table.Open();
        table.First();
        QVERIFY(table.Eof());
        AddFiles(table, {"a", "b", "c"});
        QStringList seen;
        for (table.First(); !table.Eof(); table.Next()) {
            seen << QString::fromStdString(table.AsString("FileName"));
        }
        QCOMPARE(seen, QStringList({"a", "b", "c"}));
        QCOMPARE(table.CurrentRow(), std::optional<std::size_t>(2));
    }

    void frameLinksRowsAreVisibleOnInsertion() {
        MemTable table(FrameLinksFieldDefs());
        SetUpFrameLinksTable(table);
        table.Open();
        table.Insert();  // into an empty table
        QCOMPARE(table.Value("Visible"), TFieldValue(true));
        QVERIFY(table.IsNull("InFrame"));
        table.Post();
        table.Append();
        table.SetValue("InFrame", true);
        table.Post();
        QCOMPARE(table.CellAt(0, 0), TFieldValue(true));
        QCOMPARE(table.CellAt(1, 0), TFieldValue(true));
        QCOMPARE(table.CellAt(1, 1), TFieldValue(true));
    }

    void closingEmptiesTheTable() {
        MemTable table(FrameLinksFieldDefs());
        table.Open();
        table.Append();
        table.Post();
        table.Close();
        QVERIFY(!table.Active());
        table.Open();
        QCOMPARE(table.RecordCount(), 0U);
        table.Close();
        QVERIFY_THROWS_EXCEPTION(EBixError, table.Append());
    }

    void valuesAreCheckedAndCut() {
        MemTable table(FrameLinksFieldDefs());
        table.Open();
        QVERIFY_THROWS_EXCEPTION(EBixError, table.SetValue("Name", std::string("x")));  // not editing
        table.Append();
        table.SetValue("Name", std::string(150, 'n'));
        QCOMPARE(table.AsString("Name").size(), 100U);
        table.SetValue("Name", std::string("before\0after", 12));
        QCOMPARE(table.AsString("Name"), std::string("before"));
        QVERIFY_THROWS_EXCEPTION(EBixError, table.SetValue("Visible", std::string("yes")));
        QVERIFY_THROWS_EXCEPTION(EBixError, table.SetValue("NoSuchField", 1));
        QCOMPARE(table.FieldIndex("url"), 3U);  // names ignore letter case
        table.SetNull("Name");
        QVERIFY(table.IsNull("Name"));
    }

    void moveRecord_data() {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("delta");
        QTest::addColumn<QStringList>("order");
        QTest::addColumn<int>("current");
        QTest::newRow("down") << 0 << 1 << QStringList({"b", "a", "c", "d"}) << 1;
        QTest::newRow("up") << 2 << -1 << QStringList({"a", "c", "b", "d"}) << 1;
        QTest::newRow("by two") << 0 << 2 << QStringList({"b", "c", "a", "d"}) << 2;
        QTest::newRow("first up: nothing") << 0 << -1 << QStringList({"a", "b", "c", "d"}) << 0;
        QTest::newRow("last down: nothing") << 3 << 1 << QStringList({"a", "b", "c", "d"}) << 3;
    }
    void moveRecord() {
        QFETCH(int, from);
        QFETCH(int, delta);
        QFETCH(QStringList, order);
        QFETCH(int, current);
        MemTable table(FileManagerFieldDefs());
        table.AddHashIndex("FileName");
        table.Open();
        AddFiles(table, {"a", "b", "c", "d"});
        table.MoveTo(static_cast<std::size_t>(from));
        table.MoveRecord(delta);
        QCOMPARE(Names(table), order);
        QCOMPARE(table.CurrentRow(), std::optional<std::size_t>(current));
        // The index still finds each row where it now is.
        for (int i = 0; i < order.size(); ++i) {
            QVERIFY(table.Locate("FileName", order[i].toStdString()));
            QCOMPARE(table.CurrentRow(), std::optional<std::size_t>(i));
        }
    }

    void locate_data() {
        QTest::addColumn<bool>("indexed");
        QTest::newRow("scan") << false;
        QTest::newRow("hash index") << true;
    }
    void locate() {
        QFETCH(bool, indexed);
        MemTable table(FileManagerFieldDefs());
        if (indexed) {
            table.AddHashIndex("FileName");
        }
        table.Open();
        AddFiles(table, {"index.htm", "about.htm", "images\\a.gif", "about.htm"});
        QVERIFY(table.Locate("FileName", std::string("about.htm")));
        QCOMPARE(table.CurrentRow(), std::optional<std::size_t>(1));   // the first of two equal names
        QVERIFY(!table.Locate("FileName", std::string("ABOUT.HTM")));  // exact text
        QCOMPARE(table.CurrentRow(), std::optional<std::size_t>(1));   // cursor unchanged
        // Renamed, deleted and inserted rows are found where they are now.
        table.Edit();
        table.SetValue("FileName", std::string("contact.htm"));
        table.Post();
        QVERIFY(table.Locate("FileName", std::string("about.htm")));
        QCOMPARE(table.CurrentRow(), std::optional<std::size_t>(3));
        QVERIFY(table.Locate("FileName", std::string("contact.htm")));
        table.MoveTo(0);
        table.Delete();
        table.MoveTo(0);
        table.Insert();
        table.SetValue("FileName", std::string("first.htm"));
        table.Post();
        QCOMPARE(Names(table), QStringList({"first.htm", "contact.htm", "images\\a.gif", "about.htm"}));
        QVERIFY(table.Locate("FileName", std::string("about.htm")));
        QCOMPARE(table.CurrentRow(), std::optional<std::size_t>(3));
        QVERIFY(table.Locate("FileName", std::string("images\\a.gif")));
        QCOMPARE(table.CurrentRow(), std::optional<std::size_t>(2));
        QVERIFY(table.Locate("FileStatus", TFieldValue{}));  // a null cell matches null
        // A name longer than the column matches no row, not even the one holding its first 255 bytes.
        table.Append();
        table.SetValue("FileName", std::string(300, 'x'));
        table.Post();
        QVERIFY(!table.FindRow("FileName", std::string(300, 'x')));
        QCOMPARE(table.FindRow("FileName", std::string(255, 'x')), std::optional<std::size_t>(4));
        table.EmptyTable();
        QVERIFY(!table.Locate("FileName", std::string("about.htm")));
    }

    void observersFollowEveryChange() {
        MemTable table(FrameLinksFieldDefs());
        Recorder recorder;
        table.AddObserver(&recorder);
        table.Open();
        table.Append();
        table.SetValue("Name", std::string("one"));
        table.Post();
        table.Append();
        table.Post();
        table.First();
        table.Edit();
        table.SetValue("URL", std::string("u"));
        table.Post();
        table.MoveRecord(1);
        table.Delete();
        table.Close();
        QCOMPARE(recorder.events,
                 QStringList({"reset", "buffer 2", "insert 0", "current", "insert 1", "current", "current", "buffer 3",
                              "field 0.3", "move 0->1", "current", "remove 1", "current", "reset"}));
        table.RemoveObserver(&recorder);
        table.Open();
        QCOMPARE(recorder.events.size(), 14);
    }

    void disabledControlsHearNothingUntilEnabled() {
        MemTable table(FrameLinksFieldDefs());
        Recorder recorder;
        table.AddObserver(&recorder);
        table.Open();
        recorder.events.clear();
        table.DisableControls();
        table.DisableControls();
        table.Append();
        table.Post();
        table.EnableControls();
        QVERIFY(recorder.events.isEmpty());
        table.EnableControls();
        QCOMPARE(recorder.events, QStringList({"reset", "current"}));
    }

    void requiredFieldsMustHaveAValue() {
        MemTable table({{"Key", TFieldType::Integer, 0, true}});
        table.Open();
        table.Append();
        QVERIFY_THROWS_EXCEPTION(EBixError, table.Post());
        table.SetValue("Key", 1);
        table.Post();
        QCOMPARE(table.RecordCount(), 1U);
    }
};

QTEST_APPLESS_MAIN(TestMemTable)
#include "tst_MemTable.moc"
