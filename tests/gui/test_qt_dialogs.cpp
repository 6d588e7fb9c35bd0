// The real dialogs the director answers: Swedish buttons, the typed answer, a cancel.
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeView>

#include "app/qt_dialogs.h"
#include "app/swedish_qt.h"

using namespace vindelkast;

class TestQtDialogs : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QVERIFY(installSwedishQtTexts(*qApp)); }
    void inputDialogSpeaksSwedish();
    void fileDialogsSpeakSwedish();
    void escapeOnTheSaveQuestionCancels();
    void anOpenerThatFindsNoBrowserIsAFailure();
};

namespace {

// Runs `answer` on the input dialog once it is open and waiting.
void whenOpen(const std::function<void(QInputDialog&)>& answer) {
    QTimer::singleShot(0, [answer] {
        auto* dialog = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        answer(*dialog);
    });
}

QStringList buttonTexts(const QInputDialog& dialog) {
    QStringList texts;
    for (const QPushButton* button : dialog.findChildren<QPushButton*>()) texts << button->text();
    texts.sort();
    return texts;
}

}  // namespace

void TestQtDialogs::inputDialogSpeaksSwedish() {
    QWidget parent;
    QtDialogs dialogs;
    dialogs.setParent(&parent);

    QStringList seen;
    whenOpen([&seen](QInputDialog& dialog) {
        seen = buttonTexts(dialog);
        seen << dialog.windowTitle() << dialog.labelText() << dialog.textValue();
        auto* field = dialog.findChild<QLineEdit*>();
        field->selectAll();
        QTest::keyClicks(field, "7");
        QTest::keyClick(field, Qt::Key_Return);
    });
    const auto board = dialogs.inputQuery("Ge resultat p\u00e5 giv", "Giv nr: ", "4");
    QCOMPARE(seen, (QStringList{"Avbryt", "OK", "Ge resultat p\u00e5 giv", "Giv nr: ", "4"}));
    QCOMPARE(board, std::optional<QString>("7"));

    // Escape is "Avbryt": the query has no answer, the input box keeps its default.
    whenOpen([](QInputDialog& dialog) { QTest::keyClick(&dialog, Qt::Key_Escape); });
    QCOMPARE(dialogs.inputQuery("Privatprotokoll", "F\u00f6r vilket par: ", "0"), std::nullopt);
    whenOpen([](QInputDialog& dialog) { QTest::keyClick(&dialog, Qt::Key_Escape); });
    QCOMPARE(dialogs.inputBox("Vilken sorteringsordning: ", "Resultat (R), Par (P), Spelordn (S)", "R"),
             QString("R"));
}

namespace {

// Runs `answer` on the file dialog once it is open, after noting its buttons and labels.
void whenFileDialogOpen(QStringList& seen, const std::function<void(QFileDialog&)>& answer) {
    QTimer::singleShot(0, [&seen, answer] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        seen.clear();
        for (const QPushButton* button : dialog->findChildren<QPushButton*>()) seen << button->text();
        for (const QLabel* label : dialog->findChildren<QLabel*>()) seen << label->text();
        answer(*dialog);
    });
}

}  // namespace

void TestQtDialogs::fileDialogsSpeakSwedish() {
    QWidget parent;
    QtDialogs dialogs;
    dialogs.setParent(&parent);
    QTemporaryDir dir;
    const QString target = dir.filePath("tisdag.sco");

    QStringList seen;
    whenFileDialogOpen(seen, [&target](QFileDialog& dialog) {
        auto* name = dialog.findChild<QLineEdit*>("fileNameEdit");
        QVERIFY(name);
        name->setText(target);
        QTest::keyClick(name, Qt::Key_Return);
    });
    QCOMPARE(dialogs.saveFileName("Score-filer: |*.SCO", true), target);
    for (const char* text : {"Spara", "Avbryt", "Leta i:", "Filnamn:", "Filtyp:"})
        QVERIFY2(seen.contains(text), text);
    QVERIFY(!seen.contains("Cancel"));

    // A name typed without an ending gets the contest ending inside the dialog, so that the
    // question before overwriting is asked about the file that will be replaced.
    whenFileDialogOpen(seen, [](QFileDialog& dialog) {
        auto* name = dialog.findChild<QLineEdit*>("fileNameEdit");
        name->setText("kv");
        QTest::keyClick(name, Qt::Key_Return);
    });
    QCOMPARE(QFileInfo(dialogs.saveFileName("Score-filer: |*.SCO", true)).fileName(), QString("kv.sco"));
    whenFileDialogOpen(seen, [](QFileDialog& dialog) {
        auto* name = dialog.findChild<QLineEdit*>("fileNameEdit");
        name->setText("rond");
        QTest::keyClick(name, Qt::Key_Return);
    });
    QCOMPARE(QFileInfo(dialogs.saveFileName("HTML-filer |*.html;*.htm", true)).fileName(),
             QString("rond.html"));

    // An open dialog in Qt's Swedish: its columns, its filter written once; a typed name
    // without an ending is taken as it is, for the command to add ".sco" and check it.
    QStringList columns;
    QString filterShown;
    whenFileDialogOpen(seen, [&](QFileDialog& dialog) {
        const QHeaderView* header = dialog.findChild<QTreeView*>("treeView")->header();
        for (int i = 0; i < header->count(); ++i)
            columns << header->model()->headerData(i, Qt::Horizontal).toString();
        filterShown = dialog.findChild<QComboBox*>("fileTypeCombo")->currentText();
        auto* name = dialog.findChild<QLineEdit*>("fileNameEdit");
        name->setText("kv");
        QTest::keyClick(name, Qt::Key_Return);
    });
    QCOMPARE(QFileInfo(dialogs.openFileName("Score-filer (*.sco)|*.SCO")).fileName(), QString("kv"));
    QCOMPARE(columns.value(0), QString("Namn"));
    QVERIFY2(!columns.contains("Date Modified") && !columns.contains("Size"), qPrintable(columns.join(',')));
    QCOMPARE(filterShown, QString("Score-filer (*.sco *.SCO)"));
    QVERIFY(seen.contains("\u00d6ppna"));

    // A cancelled open gives no name.
    whenFileDialogOpen(seen, [](QFileDialog& dialog) { dialog.reject(); });
    QCOMPARE(dialogs.openFileName("Score-filer (*.sco)|*.SCO"), QString());
    QVERIFY(seen.contains("Avbryt"));
}

void TestQtDialogs::escapeOnTheSaveQuestionCancels() {
    QWidget parent;
    QtDialogs dialogs;
    dialogs.setParent(&parent);
    QStringList seen;
    QTimer::singleShot(0, [&seen] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box);
        for (const QAbstractButton* button : box->buttons()) seen << button->text();
        QTest::keyClick(box, Qt::Key_Escape);
    });
    QCOMPARE(dialogs.ask("Avsluta - vill du spara t\u00e4vlingen f\u00f6rst?"), Dialogs::Answer::Cancel);
    seen.sort();
    QCOMPARE(seen, (QStringList{"Avbryt", "Ja", "Nej"}));
}

void TestQtDialogs::anOpenerThatFindsNoBrowserIsAFailure() {
    // The desktop's opener starts, then exits 3 as xdg-open does when no browser is installed.
    QTemporaryDir bin;
    QFile opener(bin.filePath("xdg-open"));
    QVERIFY(opener.open(QIODevice::WriteOnly));
    opener.write("#!/bin/sh\necho \"$1\" >\"$ASKED\"\nexit $OPENER_EXIT\n");
    opener.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    opener.close();
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", QFile::encodeName(bin.path()));
    qputenv("ASKED", QFile::encodeName(bin.filePath("asked")));
    for (const char* exit : {"3", "0"}) {
        qputenv("OPENER_EXIT", exit);
        QCOMPARE(QtDialogs().openWithAssociatedProgram("/doc/manual.html"), exit[0] == '0');
    }
    qputenv("PATH", path);
    QFile asked(bin.filePath("asked"));
    QVERIFY(asked.open(QIODevice::ReadOnly) && asked.readAll() == "/doc/manual.html\n");
}

QTEST_MAIN(TestQtDialogs)
#include "test_qt_dialogs.moc"
