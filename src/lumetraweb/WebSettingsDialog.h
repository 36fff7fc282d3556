#pragma once
// The web viewer's settings dialog (TForm2): LUMWEB.INI and the refresh timer.
#include <QSpinBox>
#include <QTimer>

#include "WebInterfaces.h"
#include "WebSettings.h"
#include "ui/FixedWindow.h"

class QCheckBox;
class QLineEdit;

namespace lumetra {

// Whole minutes 1…30; a typed value outside the range is pulled in when the field is left.
class PeriodSpinBox : public QSpinBox {
public:
    explicit PeriodSpinBox(QWidget* parent = nullptr);

protected:
    QValidator::State validate(QString& input, int& pos) const override;
    void fixup(QString& input) const override;
};

class WebSettingsDialog : public ui::FixedWindow, public WebSettingsFields {
    Q_OBJECT
public:
    // Does not load yet: FormCreate does, under the start-up guard.
    WebSettingsDialog(Path workingDirectory, WebViewerActions& viewer, QWidget* parent = nullptr);

    void FormCreate();
    void sButton1Click();
    void sButton2Click();
    void Timer1Timer();

    // WebSettingsFields
    std::string baseUrl() const override;
    std::string smaNumber() const override;
    std::string pacMaxText() const override;
    bool hideInactive() const override;

    QTimer& timer() { return timer1_; }
    Path iniPath() const { return webSettingsPath(workingDirectory_); }

private:
    WebSettingsValues fieldValues() const;

    Path workingDirectory_;
    WebViewerActions& viewer_;

    QLineEdit* lmdEdit1_;
    QLineEdit* lmdMaskEdit1_;
    QLineEdit* lmdEdit2_;
    QCheckBox* sCheckBox2_;
    QCheckBox* sCheckBox3_;
    PeriodSpinBox* spinEdit1_;
    QTimer timer1_;
};

}  // namespace lumetra
