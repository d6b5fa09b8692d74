#pragma once

#include <QDialog>
#include <array>
#include <memory>

#include "params/parameter_entry.h"

class QButtonGroup;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace kortiv {

class CoefficientGridView;
struct UserSettings;

// The parameter form: one dialog for every element kind and for the
// integration parameters. It shows the layout of the kind, keeps the
// ParameterEntry in step with every change the user makes, and leaves the
// scheme alone until "Принять" stores values that pass every check.
class TfrmParametersSet : public QDialog {
  Q_OBJECT

 public:
  // The form for element `element`, or for the integration parameters when
  // it is 0; nothing (after the messenger's report) for a kind without
  // parameters.
  static std::unique_ptr<TfrmParametersSet> Create(const ParameterContext& context, int element,
                                                   QWidget* parent = nullptr);

  const ParameterEntry& entry() const { return entry_; }
  // What the last "Принять" did.
  const AcceptOutcome& outcome() const { return outcome_; }

  // Aligns the captions on label k (1..5: lblPar1..lblAux1; -1: lblPar2,
  // with the grid rebuilt) and places every control around them.
  void Reposition(int k);

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  TfrmParametersSet(ParameterEntry entry, Messenger& messenger, QWidget* parent);

  void CreateControls();
  void CreateRadioGroup(QGroupBox*& box, QButtonGroup*& group, const char* name, int items);
  void ShowLayout();
  void ShowFields();
  void ShowGrid();
  void ShowPicture();
  void Connect();
  void SetTabOrder();

  void cmdOKClick();
  void cmdApplyClick();
  void TextChanged(ControlId id, const QString& text);
  void IntegerChanged(ControlId id, int value);
  void AfterChange();

  // The control of the form that holds `id` and the label of a caption.
  QWidget* Control(ControlId id) const;
  QLabel* Label(LabelId id) const;
  // The visible label/control pairs from the top of the form.
  std::vector<const LayoutControl*> Rows() const;
  // Puts the focus in `control` with its text selected.
  void FocusControl(QWidget* control);
  // Puts the focus in the field the last refusal was about.
  void FocusRefused();

  ParameterEntry entry_;
  Messenger& messenger_;
  AcceptOutcome outcome_;
  bool showing_ = false;  // the form is being filled from the entry, not typed in

  QLabel* lblNameMod_ = nullptr;
  std::array<QLabel*, 5> labels_{};    // lblPar1..lblPar4, lblAux1
  std::array<QLineEdit*, 5> texts_{};  // txtPar1..txtPar4, txtAux1
  QSpinBox* cseM_ = nullptr;
  QSpinBox* cseN_ = nullptr;
  QSpinBox* cseP_ = nullptr;
  QGroupBox* rgView_ = nullptr;
  QGroupBox* rgScale_ = nullptr;
  QButtonGroup* viewItems_ = nullptr;
  QButtonGroup* scaleItems_ = nullptr;
  CoefficientGridView* StringGridPar_ = nullptr;
  QLabel* imgParMod_ = nullptr;
  QPushButton* cmdOK_ = nullptr;
  QPushButton* cmdNo_ = nullptr;
  QPushButton* cmdApply_ = nullptr;
};

// Runs the parameter form modally for element `element` (mode 0) or for the
// integration parameters (mode 1). The scheme changes only when the user
// accepts; answers whether he did.
bool RunParameterDialog(QWidget* parent, const ParameterContext& context, int mode, int element);

// The context of the form under the user's settings: his frequency unit,
// and the system's decimal separator for the numbers shown.
ParameterContext MakeParameterContext(Scheme& scheme, WorkingTimes& times, TimeScaleStats& stats,
                                      const UserSettings& settings, Messenger& messenger);

}  // namespace kortiv
