// The real dialogs the director answers: Swedish buttons, the typed answer, a cancel.
#include <QApplication>
#include <QInputDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "app/qt_dialogs.h"

using namespace vindelkast;

class TestQtDialogs : public QObject {
    Q_OBJECT
private slots:
    void inputDialogSpeaksSwedish();
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

QTEST_MAIN(TestQtDialogs)
#include "test_qt_dialogs.moc"
