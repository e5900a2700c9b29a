#include "core/common/Errors.h"
#include "core/common/Paths.h"
#include "core/document/MemTable.h"
#include "core/document/WebsiteTables.h"
#include "core/document/ubixWebsiteClass.h"
#include "support/TestFiles.h"

#include <QTemporaryDir>
#include <QtTest>

#include <filesystem>

using namespace bix;
using namespace bix::test;
namespace fs = std::filesystem;

namespace {

std::string Short(const std::string& s) {
    return std::string(1, static_cast<char>(s.size())) + s;
}
std::string Str(const std::string& s) {
    return "\x06" + Short(s);
}

std::string EmptyTable(const std::vector<TFieldDef>& defs) {
    MemTable table(defs);
    table.Open();
    std::string bytes;
    table.SaveToStream(bytes);
    return bytes;
}

// The default document with both tables empty, byte by byte as the worked example lists it.
std::string WorkedExample() {
    std::string b = "TPF0TPF0";
    b += Short("TWebSite") + std::string(1, '\0');
    b += Short("ConnectionRetries") + "\x02\x03";
    b += Short("ConnectionTimeout") + "\x02\x1e";
    b += Short("FrameLinksTitle") + Str("Other Links");
    b += Short("LeadingPage") + Str("index.htm");
    b += std::string(2, '\0');
    b +=
        Str("FileManager") + Str("TMemoryStream") + std::string("\x03\xbc\x00", 3) + EmptyTable(FileManagerFieldDefs());
    b += Str("FrameLinks") + Str("TMemoryStream") + "\x02\x69" + EmptyTable(FrameLinksFieldDefs());
    b += Str("*** Component End ***");
    return b;
}

TWebSite DefaultWithEmptyTables() {
    TWebSite site;
    site.FileManager = EmptyTable(FileManagerFieldDefs());
    site.FrameLinks = EmptyTable(FrameLinksFieldDefs());
    return site;
}

// A document with every property set, both lists, 3 frame links and 5 file-list rows.
TWebSite FullDocument() {
    TWebSite site;
    site.BuiltWebSitePath = "/home/anna/My Club/Built Website/";
    site.CurrentTheme = "bixWebsite Theme 3";
    site.LogoFileName = "logo.gif";
    site.CompanyName = "Caf\xe9 M\xfcller";  // bytes of the code page
    site.Address = {"1 High Street", "Springfield"};
    site.PostalAddress = {"PO Box 7"};
    site.Email = "anna@example.com";
    site.Phone = "555 0100";
    site.MobilePhone = "555 0101";
    site.Fax = "555 0102";
    site.ACN = "123 456 789";
    site.ContactUs = "Call us";
    site.HostName = "ftp.example.com";
    site.Login = "anna";
    site.Password = "0300430350E80510D2065048";
    site.InitialRemoteDir = "/public_html";
    site.LocalPath = "/home/anna";
    site.ConnectionRetries = 200;
    site.ConnectionTimeout = 100000;
    site.ProxyName = "proxy:8080";
    site.ProxyBypassList = "localhost\r*.local";
    site.Port = 2121;
    site.FrameLinksTitle = "More";
    site.MetaDescription = "Line one\r\nLine two";
    site.Metatags = "club\rcoffee, cake\rtown";
    site.LeadingPage = "home.htm";

    MemTable links(FrameLinksFieldDefs());
    SetUpFrameLinksTable(links);
    links.Open();
    const char* names[][2] = {{"News", "news.htm"}, {"Shop", "http://shop.example.com"}, {"Mail", "mailto:a@b.c"}};
    for (const auto& [name, url] : names) {
        links.Append();
        links.SetValue("InFrame", std::string(url).ends_with(".htm"));
        links.SetValue("Name", std::string(name));
        links.SetValue("URL", std::string(url));
        links.Post();
    }
    links.SaveToStream(site.FrameLinks);

    MemTable files(FileManagerFieldDefs());
    files.Open();
    for (int i = 0; i < 5; ++i) {
        files.Append();
        files.SetValue("FileName", "images\\pic" + std::to_string(i) + ".gif");
        files.SetValue("FileType", std::string("Image"));
        files.SetValue("FileStatus", i % 5);
        files.SetValue("FileDateTimeStamp", EncodeDateTime({2026, 12, 1 + i, 10, 30, 15, 250}));
        files.SetValue("FileSize", 1000 * i);
        if (i != 2) {
            files.SetValue("UploadDate", EncodeDateTime({2026, 12, 2 + i, 8, 0, 0, 1}));
        }
        files.SetValue("Preserve", i == 4);
        files.SetValue("Desc", "16 x " + std::to_string(i));
        files.Post();
    }
    files.SaveToStream(site.FileManager);
    return site;
}

QByteArray Q(const std::string& s) {
    return QByteArray::fromStdString(s);
}

}  // namespace

class TestProjectFile final : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    std::string Path(const char* name) const { return FolderOf(m_dir.path()) + name; }

private slots:
    void theDefaultDocumentIsTheWorkedExample() {
        const std::string expected = WorkedExample();
        QCOMPARE(expected.size(), 488U);
        const TWebSite site = DefaultWithEmptyTables();
        QCOMPARE(site.ConnectionRetries, 3);
        QCOMPARE(site.ConnectionTimeout, 30);
        QCOMPARE(site.Port, 21);
        QCOMPARE(site.FrameLinksTitle, std::string("Other Links"));
        QCOMPARE(site.LeadingPage, std::string("index.htm"));
        QCOMPARE(Q(site.SaveToBytes()), Q(expected));

        site.SaveToFile(Path("default.mcs"));
        QCOMPARE(Q(ReadBytes(Path("default.mcs"))), Q(expected));
        TWebSite read;
        read.LoadFromFile(Path("default.mcs"));
        QVERIFY(read == site);
    }

    void aFullDocumentRoundTripsByteForByte() {
        const TWebSite site = FullDocument();
        const std::string bytes = site.SaveToBytes();
        TWebSite read;
        read.LoadFromBytes(bytes);
        QVERIFY(read == site);
        QCOMPARE(Q(read.SaveToBytes()), Q(bytes));

        MemTable files(FileManagerFieldDefs());
        files.LoadFromStream(read.FileManager);
        QCOMPARE(files.RecordCount(), 5U);
        files.MoveTo(2);
        QVERIFY(files.IsNull("UploadDate"));
        QCOMPARE(DecodeDateTime(files.AsDateTime("FileDateTimeStamp")), (DateTimeParts{2026, 12, 3, 10, 30, 15, 250}));
        files.MoveTo(4);
        QCOMPARE(files.AsBoolean("Preserve"), true);
        QCOMPARE(DecodeDateTime(files.AsDateTime("UploadDate")), (DateTimeParts{2026, 12, 6, 8, 0, 0, 1}));
        // Strings are bytes: the code-page letters come back unchanged.
        QCOMPARE(Q(read.CompanyName), QByteArray("Caf\xe9 M\xfcller"));
    }

    void whatIsWrittenForWhichValue_data() {
        QTest::addColumn<QByteArray>("property");
        QTest::addColumn<QByteArray>("expected");  // the bytes after the property name; empty: not written
        QTest::newRow("port 21 is left out") << QByteArray("Port=21") << QByteArray();
        QTest::newRow("port 2121, tag 3") << QByteArray("Port=2121") << QByteArray("\x03\x49\x08", 3);
        QTest::newRow("port 8, tag 2") << QByteArray("Port=8") << QByteArray("\x02\x08", 2);
        QTest::newRow("retries -1, tag 2") << QByteArray("ConnectionRetries=-1") << QByteArray("\x02\xff", 2);
        QTest::newRow("retries -129, tag 3") << QByteArray("ConnectionRetries=-129") << QByteArray("\x03\x7f\xff", 3);
        QTest::newRow("timeout 40000, tag 4")
            << QByteArray("ConnectionTimeout=40000") << QByteArray("\x04\x40\x9c\x00\x00", 5);
        QTest::newRow("timeout 0 is still written") << QByteArray("ConnectionTimeout=0") << QByteArray("\x02\x00", 2);
        QTest::newRow("255 bytes, tag 6") << QByteArray("Email=255") << QByteArray("\x06\xff") + QByteArray(255, 'e');
        QTest::newRow("256 bytes, tag 12")
            << QByteArray("Email=256") << QByteArray("\x0c\x00\x01\x00\x00", 5) + QByteArray(256, 'e');
        QTest::newRow("list") << QByteArray("Address.Strings=2")
                              << QByteArray(
                                     "\x01\x06\x01"
                                     "a\x06\x00\x00",
                                     7);
    }
    void whatIsWrittenForWhichValue() {
        QFETCH(QByteArray, property);
        QFETCH(QByteArray, expected);
        const QByteArray name = property.left(property.indexOf('='));
        const int value = property.mid(property.indexOf('=') + 1).toInt();
        TWebSite site;
        if (name == "Port") {
            site.Port = value;
        } else if (name == "ConnectionRetries") {
            site.ConnectionRetries = value;
        } else if (name == "ConnectionTimeout") {
            site.ConnectionTimeout = value;
        } else if (name == "Email") {
            site.Email = std::string(static_cast<std::size_t>(value), 'e');
        } else {
            site.Address = {"a", ""};
        }
        const QByteArray bytes = Q(site.SaveToBytes());
        const QByteArray key = QByteArray(1, char(name.size())) + name;
        const int at = bytes.indexOf(key);
        if (expected.isEmpty()) {
            QCOMPARE(at, -1);
            return;
        }
        QVERIFY(at > 0);
        QCOMPARE(bytes.mid(at + key.size(), expected.size()), expected);
        TWebSite read;
        read.LoadFromBytes(bytes.toStdString());
        QVERIFY(read == site);
    }

    void emptyStringsReadBackAsTheDefaults() {
        TWebSite site;
        site.FrameLinksTitle.clear();
        site.LeadingPage.clear();
        site.Address.clear();
        TWebSite read;
        read.LoadFromBytes(site.SaveToBytes());
        QCOMPARE(read.FrameLinksTitle, std::string("Other Links"));
        QCOMPARE(read.LeadingPage, std::string("index.htm"));
    }

    void otherShapesThatStillLoad_data() {
        const std::string example = WorkedExample();
        const std::size_t fileEntry = example.find(Str("FileManager"));
        const std::size_t linkEntry = example.find(Str("FrameLinks"));
        const std::size_t end = example.find(Str("*** Component End ***"));
        const std::string head = example.substr(0, fileEntry);
        const std::string files = example.substr(fileEntry, linkEntry - fileEntry);
        const std::string links = example.substr(linkEntry, end - linkEntry);
        const std::string terminator = example.substr(end);
        const std::string unknown = Str("Pictures") + Str("TMemoryStream") + "\x02\x05" + "12345";

        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("entries swapped") << Q(head + links + files + terminator);
        QTest::newRow("no terminator") << Q(head + files + links);
        QTest::newRow("an unknown memory-stream entry is passed over")
            << Q(head + unknown + files + links + terminator);
        QTest::newRow("bytes after the terminator are ignored") << Q(example + "garbage");
        QTest::newRow("one stray byte at the end") << Q(head + files + links + "\x06");
    }
    void otherShapesThatStillLoad() {
        QFETCH(QByteArray, bytes);
        TWebSite read;
        read.LoadFromBytes(bytes.toStdString());
        QVERIFY(read == DefaultWithEmptyTables());
    }

    void whatIsNoProjectFile_data() {
        const std::string example = WorkedExample();
        const std::size_t props = example.find(Short("ConnectionRetries"));
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QByteArray>("message");
        QTest::newRow("empty file") << QByteArray() << QByteArray("Invalid stream format");
        QTest::newRow("wrong first signature") << Q("XPF0" + example.substr(4)) << QByteArray("Invalid stream format");
        QTest::newRow("second signature missing")
            << Q(example.substr(0, 4) + example.substr(8)) << QByteArray("Invalid stream format");
        QTest::newRow("unknown property")
            << Q(example.substr(0, props) + Short("Colour") + Str("red") + example.substr(props))
            << QByteArray("Error reading TWebSite: Property Colour does not exist");
        QTest::newRow("integer where a string belongs")
            << Q(example.substr(0, props) + Short("Email") + "\x02\x05" + example.substr(props))
            << QByteArray("Invalid property value");
        QTest::newRow("string where an integer belongs")
            << Q(example.substr(0, props) + Short("Port") + Str("21") + example.substr(props))
            << QByteArray("Invalid property value");
        QTest::newRow("list value of another tag")
            << Q(example.substr(0, props) + Short("Address.Strings") + Str("x") + example.substr(props))
            << QByteArray("Invalid property value");
        QTest::newRow("ends inside a value")
            << Q(example.substr(0, props + 19)) << QByteArray("Stream read error: the file ends inside a value");
        QTest::newRow("byte count larger than the file")
            << Q(example.substr(0, example.find(Str("FileManager"))) + Str("FileManager") + Str("TMemoryStream") +
                 "\x04\xff\xff\xff\x7f" + "short")
            << QByteArray("Stream read error: the file ends inside a value");
        QTest::newRow("negative byte count") << Q(example.substr(0, example.find(Str("FileManager"))) +
                                                  Str("FileManager") + Str("TMemoryStream") + "\x02\xff")
                                             << QByteArray("Invalid stream format: negative size of entry FileManager");
        QTest::newRow("entry of another class")
            << Q(example.substr(0, example.find(Str("FileManager"))) + Str("FileManager") + Str("TStringList"))
            << QByteArray("Invalid stream format: unknown entry class TStringList");
        std::string unknownType = example;
        const std::size_t typePos = unknownType.find("FileStatus;3;");
        unknownType[typePos + 11] = '9';
        QTest::newRow("stored table with an unknown column type")
            << Q(unknownType) << QByteArray("Field 'FileStatus' has the unknown type 9");
        std::string child = example;
        child.insert(example.find(Str("FileManager")) - 1, Short("TButton") + std::string(3, '\0'));
        QTest::newRow("a child component")
            << Q(child) << QByteArray("Invalid stream format: a website holds no child components");
    }
    void whatIsNoProjectFile() {
        QFETCH(QByteArray, bytes);
        QFETCH(QByteArray, message);
        TWebSite site = FullDocument();
        const TWebSite before = site;
        try {
            site.LoadFromBytes(bytes.toStdString());
            QFAIL("the damaged file was accepted");
        } catch (const EBixError& e) {
            QCOMPARE(QByteArray(e.what()), message);
        }
        QVERIFY(site == before);  // nothing half-loaded
    }

    void everyTruncationLoadsOrFailsCleanly() {
        const std::string bytes = FullDocument().SaveToBytes();
        int loaded = 0;
        for (std::size_t length = 0; length < bytes.size(); ++length) {
            TWebSite site;
            try {
                site.LoadFromBytes(std::string_view(bytes).substr(0, length));
                ++loaded;
            } catch (const EBixError&) {
            }
        }
        // Cut right after an entry, or inside the terminator, a file still loads: no more than that.
        QVERIFY(loaded > 0);
        QVERIFY(loaded <= 23);
    }

    void savingReplacesTheOldFileOrLeavesItWhole() {
        const std::string path = Path("club.mcs");
        FullDocument().SaveToFile(path);
        DefaultWithEmptyTables().SaveToFile(path);
        QCOMPARE(ReadBytes(path).size(), 488U);

        // A folder standing where the file should go: the save fails, and nothing of it is left behind.
        const std::string blocked = Path("blocked.mcs");
        fs::create_directories(blocked + PathDelim + "inside");
        QVERIFY_THROWS_EXCEPTION(EInOutError, FullDocument().SaveToFile(blocked));
        QVERIFY(fs::is_directory(blocked + PathDelim + "inside"));
        int others = 0;
        for (const auto& entry : fs::directory_iterator(m_dir.path().toStdString())) {
            others += entry.path().filename().string().find(".tmp") != std::string::npos ? 1 : 0;
        }
        QCOMPARE(others, 0);

        QVERIFY_THROWS_EXCEPTION(EInOutError, TWebSite().LoadFromFile(Path("missing.mcs")));
    }
};

QTEST_APPLESS_MAIN(TestProjectFile)
#include "tst_ProjectFile.moc"
