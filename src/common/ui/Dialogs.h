#pragma once
// Facade for every modal box and file/folder dialog, so that tests never block:
// in test mode answers come from a queue (empty queue = the user cancelled) and
// message boxes are recorded.
#include <QString>
#include <QStringList>
#include <memory>

class QMessageBox;
class QWidget;

namespace lumetra {

struct ShownMessage {
    QString caption;
    QString text;
    enum class Icon { Information, Error } icon;
};

class Dialogs {
public:
    static QString openFileName(QWidget* parent, const QString& title, const QString& dir,
                                const QString& filter);
    // Several files at once; an empty list when the user cancelled.
    static QStringList openFileNames(QWidget* parent, const QString& title, const QString& dir,
                                     const QString& filter);
    static QString saveFileName(QWidget* parent, const QString& title, const QString& dir,
                                const QString& filter);
    static QString existingDirectory(QWidget* parent, const QString& title);
    static void information(QWidget* parent, const QString& caption, const QString& text);
    static void error(QWidget* parent, const QString& caption, const QString& text);
    // The box that information() and error() show, with one OK button.
    static std::unique_ptr<QMessageBox> messageBox(QWidget* parent, ShownMessage::Icon icon,
                                                   const QString& caption, const QString& text);

    // Test mode.
    static void setTestMode(bool on);
    static bool testMode();
    static void setNextFileName(const QString& path);
    // The next answer of openFileNames; without one it takes the next file name, if any.
    static void setNextFileNames(const QStringList& paths);
    static void setNextFolder(const QString& path);
    static QString lastTitle();      // title of the last file/folder dialog asked for
    static QString lastDirectory();  // start directory of the last file dialog
    static QString lastFilter();
    static QList<ShownMessage>& shownMessages();  // message boxes shown in test mode
};

}  // namespace lumetra
