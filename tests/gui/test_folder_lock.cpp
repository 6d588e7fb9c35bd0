// One window per working folder: a second one is told and may end; a lock left by a program
// that is gone is taken over without a word.
#include <unistd.h>

#include <QFile>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>

#include "app/folder_lock.h"
#include "fake_dialogs.h"

using namespace vindelkast;
using namespace vindelkast::test;

class TestFolderLock : public QObject {
    Q_OBJECT
private slots:
    void aSecondWindowIsToldAndMayEnd();
    void aLockLeftByACrashIsTakenOver();
};

void TestFolderLock::aSecondWindowIsToldAndMayEnd() {
    QTemporaryDir dir;
    FakeDialogs dialogs;
    auto first = std::make_unique<FolderLock>(dir.path());
    QVERIFY(first->claim(dialogs));
    QVERIFY(dialogs.questions.isEmpty());

    FolderLock second(dir.path());
    dialogs.confirmAnswers << true;
    QVERIFY(!second.claim(dialogs));  // "Ja": this program ends
    QCOMPARE(dialogs.questions.size(), 1);
    QVERIFY2(
        dialogs.questions.last().startsWith(
            QString("Vindelkast k\u00f6rs redan i den h\u00e4r mappen (process %1 p\u00e5 ").arg(getpid())),
        qPrintable(dialogs.questions.last()));
    QVERIFY(dialogs.questions.last().endsWith("Vill du avsluta det h\u00e4r programmet?"));
    dialogs.confirmAnswers << false;
    QVERIFY(second.claim(dialogs));  // "Nej": it goes on, without the lock
    QVERIFY(!second.held());

    // Once the first window has ended, the folder is free again.
    first.reset();
    FolderLock third(dir.path());
    QVERIFY(third.claim(dialogs));
    QVERIFY(third.held());
    QCOMPARE(dialogs.questions.size(), 2);
    // Another folder was never locked.
    QTemporaryDir other;
    FolderLock elsewhere(other.path());
    QVERIFY(elsewhere.claim(dialogs) && elsewhere.held());
}

void TestFolderLock::aLockLeftByACrashIsTakenOver() {
    // A program killed without removing its lock, whose process number the system has since
    // given to this very program (as Wine does after a kill -9): nobody holds the lock.
    QTemporaryDir dir;
    QFile lock(dir.filePath(kFolderLockName));
    QVERIFY(lock.open(QIODevice::WriteOnly));
    lock.write(QByteArray::number(getpid()) + "\n" + QSysInfo::machineHostName().toUtf8() + "\n");
    lock.close();
    FakeDialogs dialogs;
    FolderLock folder(dir.path());
    QVERIFY(folder.claim(dialogs));
    QVERIFY(folder.held());
    QVERIFY(dialogs.questions.isEmpty());
}

QTEST_MAIN(TestFolderLock)
#include "test_folder_lock.moc"
