#pragma once
// The desktop program's main window (TForm1): the chart of the selected month or year, the
// navigation, the reference choice, and the buttons that open the other windows.
#include <functional>

#include "chart/TLedBitmapButton.h"
#include "chart/TLedSpectrum.h"
#include "data/AppContext.h"
#include "evaluation/Evaluation.h"
#include "ui/FixedWindow.h"

class QFrame;
class QLabel;
class QPushButton;
class QToolButton;

namespace lumetra {

class StatisticsDialog;

class MainWindow : public ui::FixedWindow, public MainWindowActions, private EvaluationSink {
    Q_OBJECT
public:
    // The creation step: directories, view mode, today's date; registers itself in `context`.
    explicit MainWindow(AppContext& context, QWidget* parent = nullptr);
    ~MainWindow() override;

    // MainWindowActions
    void WeiterBerechnung() override;
    void setReferenceCaption(const std::string& text) override;
    void setChartShowsInactive(bool show) override;
    void setSelectedDateText(const std::string& text) override;

    void Berechnung();
    void setStatisticsDialog(StatisticsDialog* dialog) { statistics_ = dialog; }
    void setAboutBox(QWidget* about) { about_ = about; }
    // Runs before the window closes (the backup on close); false or an exception keeps it open.
    void setCloseHandler(std::function<bool()> handler) { closeHandler_ = std::move(handler); }

    // Handlers.
    void MonatClick();
    void JahrClick();
    void LedBitmapButton9Click();  // previous month
    void LedBitmapButton1Click();  // next month
    void LedBitmapButton2Click();  // previous year
    void LedBitmapButton3Click();  // next year
    void sBitBtn1Click();
    void sBitBtn2Click();
    void sBitBtn3Click();
    void sBitBtn4Click();  // "Datum wählen"
    void StatistikClick();
    void InfoClick();
    void LedSpectrum1MouseMove(int x);

    TLedSpectrum* chart() const { return chart_; }

signals:
    // Windows that other parts of the program own.
    void datePickerRequested();
    void settingsRequested();
    void dayValuesRequested();  // "Tageswerte": day curve of the selected date
    void manualEntryRequested();
    void csvImportRequested();
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // EvaluationSink
    void setMonthCaption(const std::string& text) override;
    void setYearCaption(const std::string& text) override;
    void setColumns(int count) override;
    void setBar(int index, int value) override;
    void setReferenceLine(int height, Rgb colour) override;
    void hideReferenceLine() override;
    void setMonthMark(int month, int height) override;
    void setFigure(Figure figure, const std::string& text) override;

    void buildTopRow();
    void buildChartPanel();
    void buildButtons();
    void chooseReference(ReferenceMode mode);
    void showMonthView(bool month);
    int lineTop(int height) const;

    AppContext& context_;
    Evaluation evaluation_;
    StatisticsDialog* statistics_ = nullptr;
    QWidget* about_ = nullptr;
    std::function<bool()> closeHandler_;

    QLabel* monthCaption_ = nullptr;  // Label14
    QLabel* yearCaption_ = nullptr;   // Label21
    QLabel* dayValue_ = nullptr;      // Label15
    QLabel* dateLabel_ = nullptr;     // Label1
    QFrame* chartPanel_ = nullptr;    // Panel1
    TLedSpectrum* chart_ = nullptr;
    QList<QLabel*> dayScale_;          // Label28 … Label34
    QList<QLabel*> monthNames_;        // Label2 … Label13
    QFrame* referenceLine_ = nullptr;  // Panel2
    QList<QFrame*> monthMarks_;        // Panel3 … Panel14
    QToolButton* referenceButtons_[3] = {};
    QLabel* referenceCaption_ = nullptr;  // Label22
    QPushButton* statistikButton_ = nullptr;
};

}  // namespace lumetra
