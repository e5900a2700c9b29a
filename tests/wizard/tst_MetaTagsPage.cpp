// The Meta Tags page and its keyword commands.
#include "core/document/ubixWebsiteClass.h"
#include "core/shell/MetaKeywords.h"
#include "support/FakePrompter.h"
#include "wizard/pages/TMetaTagsPage.h"

#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

using namespace bix;
using namespace bix::test;

namespace {
const QByteArray kCancel = "<cancel>";
}

class TestMetaTagsPage final : public QObject {
    Q_OBJECT

private slots:
    void keywordCommands_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<int>("selected");
        QTest::addColumn<QByteArray>("answer");  // input text, or the question's Yes/No
        QTest::addColumn<QStringList>("after");
        QTest::addColumn<bool>("modified");
        QTest::newRow("new") << "new" << -1 << QByteArray("boots") << QStringList{"red", "blue", "boots"} << true;
        QTest::newRow("new, empty answer") << "new" << -1 << QByteArray("") << QStringList{"red", "blue"} << false;
        QTest::newRow("new, cancelled") << "new" << -1 << kCancel << QStringList{"red", "blue"} << false;
        QTest::newRow("modify") << "modify" << 1 << QByteArray("navy") << QStringList{"red", "navy"} << true;
        QTest::newRow("modify to nothing removes") << "modify" << 0 << QByteArray("") << QStringList{"blue"} << true;
        QTest::newRow("modify cancelled still marks") << "modify" << 0 << kCancel << QStringList{"red", "blue"} << true;
        QTest::newRow("modify without selection")
            << "modify" << -1 << QByteArray("x") << QStringList{"red", "blue"} << false;
        QTest::newRow("delete, yes") << "delete" << 0 << QByteArray("yes") << QStringList{"blue"} << true;
        QTest::newRow("delete, no still marks")
            << "delete" << 0 << QByteArray("no") << QStringList{"red", "blue"} << true;
        QTest::newRow("sort") << "sort" << -1 << QByteArray() << QStringList{"blue", "red"} << true;
    }
    void keywordCommands() {
        QFETCH(QString, command);
        QFETCH(int, selected);
        QFETCH(QByteArray, answer);
        QFETCH(QStringList, after);
        QFETCH(bool, modified);
        FakePrompter prompter;
        if (answer == "yes" || answer == "no") {
            prompter.answers = {answer == "yes" ? MsgButton::Yes : MsgButton::No};
        } else if (answer != kCancel && command != "sort") {
            prompter.inputs = {answer.toStdString()};
        }
        std::vector<std::string> keywords{"red", "blue"};
        bool result = false;
        if (command == "new") {
            result = NewKeyword(keywords, prompter);
        } else if (command == "modify") {
            result = ModifyKeyword(keywords, selected, prompter);
        } else if (command == "delete") {
            result = DeleteKeyword(keywords, selected, prompter);
        } else {
            result = SortKeywords(keywords);
        }
        QStringList got;
        for (const auto& k : keywords) {
            got << QString::fromStdString(k);
        }
        QCOMPARE(got, after);
        QCOMPARE(result, modified);
        if (command == "delete") {
            QCOMPARE(prompter.Texts(),
                     std::vector<std::string>{"Are you sure that you want to remove the selected META Tag?"});
        }
        if (command == "modify" && selected >= 0) {
            QCOMPARE(prompter.inputBoxes.at(0).caption, std::string("Modify META Key Word"));
            QCOMPARE(prompter.inputBoxes.at(0).shown,
                     keywords.empty() ? std::string() : std::string(selected == 0 ? "red" : "blue"));
        }
    }

    void storedForm() {
        QCOMPARE(JoinKeywords({"shoes", "red boots"}), std::string("shoes\rred boots"));
        QCOMPARE(JoinKeywords({std::string(6000, 'a'), std::string(6000, 'b')}).size(), 9999U);
        QCOMPARE(SplitKeywords("a\rb\nc\r\nd"), (std::vector<std::string>{"a", "b", "c", "d"}));
    }

    void thePageRoundTripsAWebsite() {
        FakePrompter prompter;
        TMetaTagsPage page(prompter);
        int modified = 0;
        page.SetModified = [&] { ++modified; };
        TWebSite site;
        site.MetaDescription = "Fresh bread\r\nevery morning";
        site.Metatags = "bread\rcakes";
        page.Load(site);
        QCOMPARE(page.MetaList->count(), 2);
        QCOMPARE(page.edtMetaDescription->toPlainText(), QString("Fresh bread\nevery morning"));
        prompter.inputs = {std::string("tarts")};
        page.btnNew->click();
        QCOMPARE(modified, 1);
        TWebSite stored;
        page.Store(stored);
        QCOMPARE(stored.Metatags, std::string("bread\rcakes\rtarts"));
        QCOMPARE(stored.MetaDescription, std::string("Fresh bread\r\nevery morning"));
        page.Reset();
        QCOMPARE(page.MetaList->count(), 0);
    }
};

QTEST_MAIN(TestMetaTagsPage)
#include "tst_MetaTagsPage.moc"
