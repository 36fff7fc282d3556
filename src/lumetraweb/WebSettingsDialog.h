#pragma once
// The web viewer's settings dialog (TForm2): LUMWEB.INI and the refresh timer.
#include <QSpinBox>
#include <QTimer>
#include <QWidget>

#include "WebInterfaces.h"
#include "WebSettings.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace lumetra {

// Whole minutes 1…30; a typed value outside the range is pulled in when the field is left.
class PeriodSpinBox : public QSpinBox {
public:
    explicit PeriodSpinBox(QWidget* parent = nullptr);

protected:
    QValidator::State validate(QString& input, int& pos) const override;
    void fixup(QString& input) const override;
};

class WebSettingsDialog : public QWidget, public WebSettingsFields {
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

    QTimer& timer() { return Timer1; }
    Path iniPath() const { return webSettingsPath(workingDirectory_); }

private:
    WebSettingsValues fieldValues() const;

    Path workingDirectory_;
    WebViewerActions& viewer_;

    QLineEdit* LMDEdit1;
    QLineEdit* LMDMaskEdit1;
    QLineEdit* LMDEdit2;
    QCheckBox* sCheckBox2;
    QCheckBox* sCheckBox3;
    QPushButton* sButton1;
    QPushButton* sButton2;
    PeriodSpinBox* SpinEdit1;
    QTimer Timer1;
};

}  // namespace lumetra
