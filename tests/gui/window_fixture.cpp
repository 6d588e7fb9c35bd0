#include "window_fixture.h"

#include <QApplication>
#include <QFile>
#include <QLocale>
#include <QPushButton>
#include <QSettings>

#include "qt/qt_text.h"

namespace vindelkast::test {

std::string cp(const QString& text) { return fromQtLossy(text); }

Window::Window(Register reg, bool createNow) : m_previousFolder(QDir::currentPath()) {
    QLocale::setDefault(QLocale(QLocale::Swedish, QLocale::Sweden));
    QDir::setCurrent(dir.path());
    // Settings remembered between runs (the text size) start afresh in every test.
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.path());
    if (reg == Register::Example) copyExample("medlem.txt");
    if (createNow) create();
}

Window::~Window() {
    // Leaving a test never asks: the window is simply dropped.
    form.reset();
    QDir::setCurrent(m_previousFolder);
}

void Window::create() {
    form = std::make_unique<TForm1>(dialogs);
    form->show();
    QApplication::setActiveWindow(form.get());
    if (!QTest::qWaitForWindowActive(form.get())) qWarning("window did not become active");
}

void Window::copyExample(const QString& name, const QString& as) const {
    const QString target = path(as.isEmpty() ? name : as);
    QFile::remove(target);
    if (!QFile::copy(QString(VK_SOURCE_DIR) + "/examples/" + name, target))
        qFatal("no example %s", qPrintable(name));
    QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner);
}

void Window::writeFile(const QString& name, const QByteArray& bytes) const {
    QFile file(path(name));
    if (!file.open(QIODevice::WriteOnly)) qFatal("cannot write %s", qPrintable(name));
    file.write(bytes);
}

QByteArray Window::readFile(const QString& name) const {
    QFile file(path(name));
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
}

void Window::press(const QKeySequence& keys) {
    QWidget* target = QApplication::focusWidget();
    if (!target || target->window() != form.get()) target = form.get();
    QTest::keySequence(target, keys);
}

void Window::type(const char* field, const QString& text) {
    QLineEdit* line = edit(field);
    line->setFocus();
    line->selectAll();
    if (text.isEmpty())
        QTest::keyClick(line, Qt::Key_Delete);
    else
        QTest::keyClicks(line, text);
    QTest::keyClick(line, Qt::Key_Tab);
}

void Window::openExample(const QString& name) {
    copyExample(name, "oppnad.sco");
    dialogs.fileNames << path("oppnad.sco");
    form->MnOpenClick();
    if (!form->contest().setUpDone) qFatal("example %s did not open", qPrintable(name));
}

void Window::setUpContest(int boards, int rounds, int maxPair, const QString& byePair) {
    press(QKeySequence(Qt::Key_F2));
    type("EdGivar", QString::number(boards));
    type("EdRonder", QString::number(rounds));
    type("EdNrPar", QString::number(maxPair));
    if (!byePair.isEmpty()) type("EdFripar", byePair);
    QTest::mouseClick(find<QPushButton>("BtnKlar"), Qt::LeftButton);
}

void Window::setUpMitchell16(const QString& contestName) {
    copyExample("P16_mitchell.gui");
    type("EdGivar", "24");
    type("EdRonder", "7");
    type("EdNrPar", "16");
    if (!contestName.isEmpty()) type("EdContName", contestName);
    dialogs.fileNames << path("P16_mitchell.gui");
    QTest::mouseClick(find<QPushButton>("BtnGuide"), Qt::LeftButton);
    QTest::mouseClick(find<QPushButton>("BtnKlar"), Qt::LeftButton);
}

}  // namespace vindelkast::test
