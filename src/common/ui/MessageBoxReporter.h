#pragma once
// The general error dialog: owned by the application window, the application title
// as caption, error icon, "OK".
#include <QPointer>
#include <QString>
#include <QWidget>

#include "base/ErrorReporter.h"

namespace lumetra {

class MessageBoxReporter : public ErrorReporter {
public:
    explicit MessageBoxReporter(QString applicationTitle) : title_(std::move(applicationTitle)) {}
    void setOwner(QWidget* owner) { owner_ = owner; }
    void showError(const std::string& text) override;
    void showCaptionedError(const std::string& caption, const std::string& text) override;

private:
    QString title_;
    QPointer<QWidget> owner_;
};

}  // namespace lumetra
