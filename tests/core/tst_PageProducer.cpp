#include "core/common/Errors.h"
#include "core/document/ubixWebsiteClass.h"
#include "core/generator/udmTables.h"
#include "support/FakePrompter.h"
#include "support/FakeShell.h"

#include <QtTest>

using namespace bix;
using namespace bix::test;

class TestPageProducer final : public QObject {
    Q_OBJECT

private:
    FakePrompter m_prompter;
    FakePump m_pump;
    FakeClock m_clock;

    // A producer whose handler writes each tag as [name|params].
    static TPageProducer Echo() {
        TPageProducer producer;
        producer.OnHTMLTag = [](const std::string& name, const std::string& params, std::string& answer) {
            answer = "[" + name + "|" + params + "]";
        };
        return producer;
    }

private slots:
    void scan_data() {
        QTest::addColumn<QByteArray>("page");
        QTest::addColumn<QByteArray>("produced");
        QTest::newRow("plain tag") << QByteArray("a<#WWWTitle>b") << QByteArray("a[WWWTitle|]b");
        QTest::newRow("blank after #") << QByteArray("<# WWWTitle>") << QByteArray("[WWWTitle|]");
        QTest::newRow("blank before #") << QByteArray("< #WWWTitle>") << QByteArray("[WWWTitle|]");
        QTest::newRow("tab and line break count as blanks") << QByteArray("<\t#\r\nName>") << QByteArray("[Name|]");
        QTest::newRow("parameter text") << QByteArray("<#WWWTitle size=2>") << QByteArray("[WWWTitle| size=2]");
        QTest::newRow("quotes give no protection") << QByteArray("<#A x=\"1>2\">") << QByteArray("[A| x=\"1]2\">");
        QTest::newRow("name of letters, digits and _") << QByteArray("<#_a1_B2-c>") << QByteArray("[_a1_B2|-c]");
        QTest::newRow("any other first character is the name") << QByteArray("<#1abc>") << QByteArray("[1|abc]");
        QTest::newRow("a < that begins no tag") << QByteArray("a < b <p>") << QByteArray("a < b <p>");
        QTest::newRow("<< before a tag") << QByteArray("<<#ContactUs>") << QByteArray("<[ContactUs|]");
        QTest::newRow("unterminated tag runs to the end")
            << QByteArray("x<#WWWTitle and the rest") << QByteArray("x[WWWTitle| and the rest]");
        QTest::newRow("<# at the very end: empty name") << QByteArray("x<#") << QByteArray("x[|]");
        QTest::newRow("a zero byte ends the template") << QByteArray("ab\0<#Gone>cd", 12) << QByteArray("ab");
        QTest::newRow("no tags") << QByteArray("<html>\r\n</html>") << QByteArray("<html>\r\n</html>");
        QTest::newRow("bytes above 127 pass") << QByteArray("caf\xe9<#X>\xff") << QByteArray("caf\xe9[X|]\xff");
    }
    void scan() {
        QFETCH(QByteArray, page);
        QFETCH(QByteArray, produced);
        QCOMPARE(QByteArray::fromStdString(Echo().ContentFromString(page.toStdString())), produced);
    }

    void answers_data() {
        QTest::addColumn<QByteArray>("page");
        QTest::addColumn<QByteArray>("produced");
        QTest::newRow("title, any case") << QByteArray("<#WWWTitle>/<#wwwtitle>/<# WWWTITLE size=2>")
                                         << QByteArray("Club \"<b>\"/Club \"<b>\"/Club \"<b>\"");
        QTest::newRow("contact") << QByteArray("<<#ContactUs>") << QByteArray("<anna@example.com");
        QTest::newRow("keywords joined by commas")
            << QByteArray("<#MetaKeywords>") << QByteArray("<META name=\"keywords\" content=\"shoes,red boots\">");
        QTest::newRow("description as typed")
            << QByteArray("<#MetaDescription>")
            << QByteArray("<META name=\"description\" content=\"Shoes \"for\" all\r\nages\">");
        QTest::newRow("unknown tags vanish") << QByteArray("a<#PageTitle>b<#Charset>c") << QByteArray("abc");
        QTest::newRow("title without rows") << QByteArray("[<#AddTitle>]") << QByteArray("[]");
    }
    void answers() {
        QFETCH(QByteArray, page);
        QFETCH(QByteArray, produced);
        TWebSite site;
        site.CompanyName = "Club \"<b>\"";  // no escaping: inserted as typed
        site.Email = "anna@example.com";
        site.Metatags = "shoes\rred boots";
        site.MetaDescription = "Shoes \"for\" all\r\nages";
        TdmTables dm(m_prompter, m_pump, m_clock, "/nowhere/");
        dm.CurrentWebSite = &site;
        dm.tblFrameLinks.Open();
        QCOMPARE(QByteArray::fromStdString(dm.PageProducer1.ContentFromString(page.toStdString())), produced);
    }

    void emptyDescriptionAndKeywords() {
        TWebSite site;
        TdmTables dm(m_prompter, m_pump, m_clock, "/nowhere/");
        dm.CurrentWebSite = &site;
        QCOMPARE(dm.PageProducer1.ContentFromString("<#MetaDescription><#MetaKeywords>"),
                 std::string("<META name=\"description\" content=\"\"><META name=\"keywords\" content=\"\">"));
    }

    void frameLinks_data() {
        QTest::addColumn<QList<int>>("rows");  // per row: visible * 2 + inFrame
        QTest::addColumn<QByteArray>("links");
        QTest::addColumn<QByteArray>("title");
        const QByteArray font = "<font face=\"Verdana, Arial, Helvetica, sans-serif\" size=\"1\">";
        QTest::newRow("no rows") << QList<int>{} << QByteArray() << QByteArray();
        QTest::newRow("all hidden: no links, but the title")
            << QList<int>{0, 1} << QByteArray() << QByteArray("More links");
        QTest::newRow("in frame, then in the window")
            << QList<int>{3, 2}
            << "<a href=\"u0.htm\" target=\"content\">" + font + "Link 0</a></font></font><br>\r\n" +
                   "<a href=\"u1.htm\" target=\"_top\">" + font + "Link 1</a></font></font><br>\r\n"
            << QByteArray("More links");
        QTest::newRow("hidden rows in between skipped")
            << QList<int>{1, 2} << "<a href=\"u1.htm\" target=\"_top\">" + font + "Link 1</a></font></font><br>\r\n"
            << QByteArray("More links");
    }
    void frameLinks() {
        QFETCH(QList<int>, rows);
        QFETCH(QByteArray, links);
        QFETCH(QByteArray, title);
        TWebSite site;
        site.FrameLinksTitle = "More links";
        TdmTables dm(m_prompter, m_pump, m_clock, "/nowhere/");
        dm.CurrentWebSite = &site;
        dm.tblFrameLinks.Open();
        for (int i = 0; i < rows.size(); ++i) {
            dm.tblFrameLinks.Append();
            dm.tblFrameLinks.SetValue("Visible", (rows[i] & 2) != 0);
            dm.tblFrameLinks.SetValue("InFrame", (rows[i] & 1) != 0);
            dm.tblFrameLinks.SetValue("Name", "Link " + std::to_string(i));
            dm.tblFrameLinks.SetValue("URL", "u" + std::to_string(i) + ".htm");
            dm.tblFrameLinks.Post();
        }
        QCOMPARE(QByteArray::fromStdString(dm.PageProducer1.ContentFromString("<#FrameLinks>")), links);
        QCOMPARE(QByteArray::fromStdString(dm.PageProducer1.ContentFromString("<#AddTitle>")), title);
        if (!rows.isEmpty()) {
            QCOMPARE(dm.tblFrameLinks.CurrentRow(), std::optional<std::size_t>(0));  // back on the first row
        }
    }

    void aClosedFrameLinksTableIsOpened() {
        TWebSite site;
        TdmTables dm(m_prompter, m_pump, m_clock, "/nowhere/");
        dm.CurrentWebSite = &site;
        QCOMPARE(dm.PageProducer1.ContentFromString("<#FrameLinks>"), std::string());
        QVERIFY(dm.tblFrameLinks.Active());
    }

    void aMissingTemplateCannotBeOpened() {
        TPageProducer producer;
        producer.HTMLFile = "/no/such/template.htm";
        try {
            (void)producer.Content();
            QFAIL("no error");
        } catch (const EInOutError& e) {
            QCOMPARE(std::string(e.what()), std::string("Cannot open file /no/such/template.htm"));
        }
    }
};

QTEST_APPLESS_MAIN(TestPageProducer)
#include "tst_PageProducer.moc"
