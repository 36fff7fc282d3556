#pragma once
// Hands a mail to the user's mail program through xdg-email. xdg-email may run as long as
// the mail program it started, so it runs as an asynchronous process: the program's windows
// are disabled while it starts and enabled again when it exits or once it has run for a
// while (the mail then counts as handed over). The GUI thread never waits on it.
#include <QList>
#include <QObject>
#include <QPointer>
#include <QStringList>

#include "MailRequest.h"

class QProcess;
class QWidget;

namespace lumetra {

inline constexpr const char* kMailFailedText = "Fehler beim Versuch die Mail zu senden";

class MailHandOff : public QObject {
    Q_OBJECT
public:
    static constexpr int kHandOverMs = 3000;

    MailHandOff(QWidget* owner, const QString& program, const QStringList& arguments, int handOverMs);

signals:
    // The windows are enabled again.
    void released();
    // xdg-email ended or could not start; on failure the error box has been shown.
    void finished(bool ok);

private:
    void release();
    void done(bool ok);

    QPointer<QWidget> owner_;
    QProcess* process_ = nullptr;
    QList<QPointer<QWidget>> disabled_;
    bool released_ = false;
    bool done_ = false;
};

// Starts the hand-off and returns it (it deletes itself after `finished`), or nullptr when
// there is no xdg-email, after showing the error box ("Fehler", error icon). A recipient that
// is no single address throws (see checkMailRecipient) before anything starts.
MailHandOff* SendMail(QWidget* owner, const MailRequest& request, int handOverMs = MailHandOff::kHandOverMs);

}  // namespace lumetra
