#pragma once

#include <QDialog>
#include <optional>

#include "results/point_filter.h"

class QGroupBox;
class QRadioButton;
class QSpinBox;

namespace kortiv {

// The filter dialog: which points, from 0 to N, and with which step the
// table, the export or the printout takes. Each caller names its purpose in
// the caption of the step group.
class TfrmFilter : public QDialog {
  Q_OBJECT

 public:
  TfrmFilter(int last_point, const QString& step_caption, QWidget* parent = nullptr);

  // The chosen points: the whole range 0..N, or from cseFirst to cseLast;
  // the step 1, 10, 100 or cseStep. The bounds hold: first at most
  // last - 1, step at least 1.
  PointFilter Filter() const;

 private:
  void BuildRangeGroup(QGroupBox* group);
  void BuildStepGroup(QGroupBox* group);
  void Activate();

  int last_point_;
  QRadioButton* rbALL_;
  QRadioButton* rbBetween_;
  QSpinBox* cseFirst_;
  QSpinBox* cseLast_;
  QRadioButton* rbStep1_;
  QRadioButton* rbStep10_;
  QRadioButton* rbStep100_;
  QRadioButton* rbStepN_;
  QSpinBox* cseStep_;
};

// Shows the filter dialog modally; the chosen points, or nothing when it
// was cancelled.
std::optional<PointFilter> AskPointFilter(QWidget* parent, int last_point,
                                          const QString& step_caption);

// The step group captions of the three callers.
inline const char* const kTableStepCaption = "... и шаг точек для показа в таблице:";
inline const char* const kSaveStepCaption = "... и шаг точек для сохранения в таблице:";
inline const char* const kPrintStepCaption = "... и шаг точек для печати в таблице:";

}  // namespace kortiv
