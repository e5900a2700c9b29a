#include "platformui/QtPrompter.h"
#include "support/WhenModal.h"

#include <QApplication>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <functional>

using namespace bix;

Q_DECLARE_METATYPE(bix::MsgIcon)
Q_DECLARE_METATYPE(bix::MsgButton)

using bix::test::WhenModalShows;

class TestQtPrompter final : public QObject {
    Q_OBJECT

private slots:
    void messageBoxShowsIconTitleButtons_data() {
        QTest::addColumn<MsgIcon>("icon");
        QTest::addColumn<int>("buttonSet");
        QTest::addColumn<MsgButton>("press");
        QTest::addColumn<QString>("title");
        QTest::addColumn<int>("qtIcon");
        QTest::addColumn<int>("buttonCount");
        QTest::newRow("warning ok") << MsgIcon::Warning << 0 << MsgButton::OK << "Warning" << int(QMessageBox::Warning)
                                    << 1;
        QTest::newRow("error ok") << MsgIcon::Error << 0 << MsgButton::OK << "Error" << int(QMessageBox::Critical) << 1;
        QTest::newRow("information yes/no/cancel, cancel")
            << MsgIcon::Information << 1 << MsgButton::Cancel << "Information" << int(QMessageBox::Information) << 3;
        QTest::newRow("confirm yes/no, no")
            << MsgIcon::Confirmation << 2 << MsgButton::No << "Confirm" << int(QMessageBox::Question) << 2;
        QTest::newRow("confirm with to-all, yes to all")
            << MsgIcon::Confirmation << 3 << MsgButton::YesToAll << "Confirm" << int(QMessageBox::Question) << 4;
    }
    void messageBoxShowsIconTitleButtons() {
        QFETCH(MsgIcon, icon);
        QFETCH(int, buttonSet);
        QFETCH(MsgButton, press);
        QFETCH(QString, title);
        QFETCH(int, qtIcon);
        QFETCH(int, buttonCount);
        const MsgButtons sets[] = {MsgButtons::Ok(), MsgButtons::YesNoCancel(), MsgButtons::YesNo(),
                                   MsgButtons::YesNoAll()};
        QtPrompter prompter;
        QString seenTitle;
        QString seenText;
        int seenIcon = -1;
        int seenButtons = -1;
        WhenModalShows([&](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            QVERIFY(box != nullptr);
            seenTitle = box->windowTitle();
            seenText = box->text();
            seenIcon = box->icon();
            seenButtons = int(box->buttons().size());
            const QMessageBox::StandardButton wanted = press == MsgButton::OK         ? QMessageBox::Ok
                                                       : press == MsgButton::Cancel   ? QMessageBox::Cancel
                                                       : press == MsgButton::No       ? QMessageBox::No
                                                       : press == MsgButton::YesToAll ? QMessageBox::YesToAll
                                                                                      : QMessageBox::Yes;
            box->button(wanted)->click();
        });
        const MsgButton answer = prompter.Show({"First line\r\nSecond\rThird", icon, sets[buttonSet], {}});
        QCOMPARE(answer, press);
        QCOMPARE(seenTitle, title);
        QCOMPARE(seenText, QString("First line\nSecond\nThird"));
        QCOMPARE(seenIcon, qtIcon);
        QCOMPARE(seenButtons, buttonCount);
    }

    void aGivenTitleWins() {
        QtPrompter prompter;
        QString seenTitle;
        WhenModalShows([&](QWidget* modal) {
            seenTitle = modal->windowTitle();
            qobject_cast<QMessageBox*>(modal)->button(QMessageBox::Yes)->click();
        });
        QCOMPARE(prompter.Show({"Would you like to save changes?", MsgIcon::Confirmation, MsgButtons::YesNoCancel(),
                                "Confirm save"}),
                 MsgButton::Yes);
        QCOMPARE(seenTitle, QString("Confirm save"));
    }

    void inputBoxGivesTheAnswerOrKeepsTheValueOnCancel() {
        QtPrompter prompter;
        WhenModalShows([](QWidget* modal) {
            auto* dialog = qobject_cast<QInputDialog*>(modal);
            QCOMPARE(dialog->windowTitle(), QString("File already exists!"));
            QCOMPARE(dialog->labelText(), QString("New Name"));
            QCOMPARE(dialog->textValue(), QString("index"));
            dialog->setTextValue("home");
            dialog->accept();
        });
        std::string value = "index";
        QVERIFY(prompter.InputBox("File already exists!", "New Name", value));
        QCOMPARE(value, std::string("home"));

        WhenModalShows([](QWidget* modal) {
            qobject_cast<QInputDialog*>(modal)->setTextValue("typed");
            qobject_cast<QInputDialog*>(modal)->reject();
        });
        QVERIFY(!prompter.InputBox("File already exists!", "New Name", value));
        QCOMPARE(value, std::string("home"));
    }

    void filters_data() {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QString>("qt");
        QTest::newRow("one pair") << "Web pages|*.htm;*.html"
                                  << "Web pages (*.htm *.html)";
        QTest::newRow("two pairs") << "Projects|*.mcs|All files|*.*"
                                   << "Projects (*.mcs);;All files (*.*)";
        QTest::newRow("description shows patterns") << "JPEG Image File (*.jpg)|*.jpg"
                                                    << "JPEG Image File (*.jpg)";
        QTest::newRow("empty") << ""
                               << "";
        QTest::newRow("dangling description ignored") << "A|*.a|B"
                                                      << "A (*.a)";
    }
    void filters() {
        QFETCH(QString, filter);
        QFETCH(QString, qt);
        QCOMPARE(QtPrompter::QtFilter(filter.toStdString()), qt);
    }
};

QTEST_MAIN(TestQtPrompter)
#include "tst_QtPrompter.moc"
