#pragma once

#include <QDialog>

#include "model/user_settings.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QSpinBox;
class QTabWidget;

namespace kortiv {

class Messenger;
class RadioGroup;
class StylePreviewWidget;
struct PlotState;

// What accepting the settings asks of the plot window besides taking the
// settings (which discards results made with other methods or units).
struct SettingsOutcome {
  bool refresh_plot = false;  // the plot must be drawn again ("Обновить")
};

// The user settings dialog "Настройки пользователя". Colours and line
// styles are edited in the settings at once (so everything painted from
// them follows) and restored by "Отменить"; everything else is taken by
// "Принять". While a plot window is shown with results, the page "Шкалы"
// also sets its manual axis limits.
class TfrmCustom : public QDialog {
  Q_OBJECT

 public:
  enum Page { kViewPage, kMethodsPage, kEditPage, kGraphPage, kScalePage, kFreqPage };

  // `shown_plot` is the plot of the plot window while it is shown, else
  // null; `results` tells whether there are results (or a phase portrait).
  TfrmCustom(UserSettings& settings, PlotState* shown_plot, bool results, Messenger& messenger,
             QWidget* parent = nullptr);

  void ShowPage(Page page);
  const SettingsOutcome& Outcome() const { return outcome_; }

  void accept() override;
  void reject() override;

 private:
  QWidget* MakeViewPage();
  QWidget* MakeMethodsPage();
  QWidget* MakeEditPage();
  QWidget* MakeGraphPage();
  QWidget* MakeScalePage();
  QWidget* MakeFreqPage();
  void Fill();
  void FillManualScales();
  void ShowAxisLimits(bool horizontal, bool automatic);
  void UpdateManualFields();

  int ChosenPoint() const;
  bool PhasePairChosen() const;
  PlotStyleRecord& ChosenRecord();
  int ChosenWidth() const;
  void ShowChosenPoint();
  void RedrawPreviews();
  void CheckDuplicates();

  void BackgroundChosen(int index);
  void GridColourChosen(int index);
  void ColourChosen(int index);
  void StyleChosen(int index);
  void WidthChosen(int index);
  void ManualChecked(bool horizontal, bool checked);
  bool SetManualScales();

  UserSettings& settings_;
  PlotState* plot_;
  bool results_;
  Messenger& messenger_;
  PlotStyles backup_;
  bool plot_outdated_ = false;
  SettingsOutcome outcome_;

  QTabWidget* pages_ = nullptr;
  RadioGroup* rgrLibPosition_ = nullptr;
  RadioGroup* rgrWhatToDo_ = nullptr;
  QCheckBox* chkFirstStart_ = nullptr;
  QCheckBox* chkDoubleWindows_ = nullptr;
  QCheckBox* chkPercentView_ = nullptr;
  RadioGroup* rgrDeriv_ = nullptr;
  RadioGroup* rgrDifur_ = nullptr;
  QCheckBox* chkAskDelete_ = nullptr;
  QCheckBox* chkAskPaste_ = nullptr;
  QComboBox* cmbBackgroundColor_ = nullptr;
  QComboBox* cmbGridColor_ = nullptr;
  RadioGroup* rgVPNselect_ = nullptr;
  RadioGroup* rgGroupSelect_ = nullptr;
  QComboBox* cmbColor_ = nullptr;
  QComboBox* cmbStyle_ = nullptr;
  RadioGroup* rgWidth_ = nullptr;
  StylePreviewWidget* i1_6_ = nullptr;
  StylePreviewWidget* i7_12_ = nullptr;
  QCheckBox* chkGridEnable_ = nullptr;
  QGroupBox* gbGrid_manual_ = nullptr;
  QCheckBox* chkX_manual_ = nullptr;
  QCheckBox* chkY_manual_ = nullptr;
  QLineEdit* edMinX_m_ = nullptr;
  QLineEdit* edMaxX_m_ = nullptr;
  QLineEdit* edMinY_m_ = nullptr;
  QLineEdit* edMaxY_m_ = nullptr;
  QSpinBox* cspngX_m_ = nullptr;
  QSpinBox* cspngY_m_ = nullptr;
  RadioGroup* rgrPhase_ = nullptr;
  RadioGroup* rgrFreq_ = nullptr;
  QCheckBox* chkTwoPI_ = nullptr;
};

}  // namespace kortiv
