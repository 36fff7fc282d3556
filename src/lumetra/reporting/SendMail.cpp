#include "SendMail.h"

#include <QApplication>
#include <QProcess>
#include <QStandardPaths>
#include <QTimer>
#include <QWidget>

#include "base/ErrorReporter.h"

namespace lumetra {
namespace {

// Through the error path like every failure, in the box the mail hand-off has always shown.
void showMailError() { ErrorReporter::current().showCaptionedError("Fehler", kMailFailedText); }

}  // namespace

MailHandOff::MailHandOff(QWidget* owner, const QString& program, const QStringList& arguments, int handOverMs)
    : QObject(QCoreApplication::instance()), owner_(owner) {
    // The mail program's window acts as a modal dialog of ours until it has appeared.
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->isWindow() && window->isEnabled()) {
            window->setEnabled(false);
            disabled_.append(window);
        }
    }
    process_ = new QProcess(this);
    process_->setProcessChannelMode(QProcess::ForwardedChannels);
    process_->setStandardInputFile(QProcess::nullDevice());
    connect(process_, &QProcess::finished, this, [this](int exitCode, QProcess::ExitStatus status) {
        done(status == QProcess::NormalExit && exitCode == 0);
    });
    connect(process_, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart) done(false);
    });
    QTimer::singleShot(handOverMs, this, &MailHandOff::release);
    // Started from the event loop, so that the caller can connect to `finished` first.
    QMetaObject::invokeMethod(
        this, [this, program, arguments] { process_->start(program, arguments); }, Qt::QueuedConnection);
}

void MailHandOff::release() {
    if (released_) return;
    released_ = true;
    for (const QPointer<QWidget>& window : disabled_)
        if (window) window->setEnabled(true);
    disabled_.clear();
    emit released();
}

void MailHandOff::done(bool ok) {
    if (done_) return;
    done_ = true;
    release();
    if (!ok) showMailError();
    emit finished(ok);
    deleteLater();
}

MailHandOff* SendMail(QWidget* owner, const MailRequest& request, int handOverMs) {
    const QString program = QStandardPaths::findExecutable("xdg-email");
    if (program.isEmpty()) {
        showMailError();
        return nullptr;
    }
    return new MailHandOff(owner, program, request.xdgEmailArguments(), handOverMs);
}

}  // namespace lumetra
