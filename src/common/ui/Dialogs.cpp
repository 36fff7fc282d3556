#include "Dialogs.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QQueue>

namespace lumetra {
namespace {

struct TestState {
    bool on = false;
    QQueue<QString> fileNames;
    QQueue<QStringList> fileNameLists;
    QQueue<QString> folders;
    QString lastTitle;
    QString lastDirectory;
    QString lastFilter;
    QList<ShownMessage> messages;
};

TestState& state() {
    static TestState s;
    return s;
}

QString take(QQueue<QString>& queue) { return queue.isEmpty() ? QString() : queue.dequeue(); }

void remember(const QString& title, const QString& dir, const QString& filter) {
    state().lastTitle = title;
    state().lastDirectory = dir;
    state().lastFilter = filter;
}

}  // namespace

QString Dialogs::openFileName(QWidget* parent, const QString& title, const QString& dir,
                              const QString& filter) {
    remember(title, dir, filter);
    if (state().on) return take(state().fileNames);
    return QFileDialog::getOpenFileName(parent, title, dir, filter);
}

QStringList Dialogs::openFileNames(QWidget* parent, const QString& title, const QString& dir,
                                   const QString& filter) {
    remember(title, dir, filter);
    if (state().on) {
        if (!state().fileNameLists.isEmpty()) return state().fileNameLists.dequeue();
        const QString one = take(state().fileNames);
        return one.isEmpty() ? QStringList() : QStringList{one};
    }
    return QFileDialog::getOpenFileNames(parent, title, dir, filter);
}

QString Dialogs::saveFileName(QWidget* parent, const QString& title, const QString& dir,
                              const QString& filter) {
    remember(title, dir, filter);
    if (state().on) return take(state().fileNames);
    return QFileDialog::getSaveFileName(parent, title, dir, filter);
}

QString Dialogs::existingDirectory(QWidget* parent, const QString& title) {
    remember(title, QString(), QString());
    if (state().on) return take(state().folders);
    return QFileDialog::getExistingDirectory(parent, title, QString(), QFileDialog::ShowDirsOnly);
}

void Dialogs::information(QWidget* parent, const QString& caption, const QString& text) {
    if (state().on) {
        state().messages.append({caption, text, ShownMessage::Icon::Information});
        return;
    }
    messageBox(parent, ShownMessage::Icon::Information, caption, text)->exec();
}

void Dialogs::error(QWidget* parent, const QString& caption, const QString& text) {
    if (state().on) {
        state().messages.append({caption, text, ShownMessage::Icon::Error});
        return;
    }
    messageBox(parent, ShownMessage::Icon::Error, caption, text)->exec();
}

std::unique_ptr<QMessageBox> Dialogs::messageBox(QWidget* parent, ShownMessage::Icon icon,
                                                 const QString& caption, const QString& text) {
    auto box = std::make_unique<QMessageBox>(
        icon == ShownMessage::Icon::Error ? QMessageBox::Critical : QMessageBox::Information, caption, text,
        QMessageBox::Ok, parent);
    // The text may come from a server or a data file; markup in it must not be rendered.
    box->setTextFormat(Qt::PlainText);
    return box;
}

void Dialogs::setTestMode(bool on) {
    state() = TestState{};
    state().on = on;
}
bool Dialogs::testMode() { return state().on; }
void Dialogs::setNextFileName(const QString& path) { state().fileNames.enqueue(path); }
void Dialogs::setNextFileNames(const QStringList& paths) { state().fileNameLists.enqueue(paths); }
void Dialogs::setNextFolder(const QString& path) { state().folders.enqueue(path); }
QString Dialogs::lastTitle() { return state().lastTitle; }
QString Dialogs::lastDirectory() { return state().lastDirectory; }
QString Dialogs::lastFilter() { return state().lastFilter; }
QList<ShownMessage>& Dialogs::shownMessages() { return state().messages; }

}  // namespace lumetra
