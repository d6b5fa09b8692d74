#pragma once

#include <QWidget>

namespace kortiv {

struct UserSettings;

// A preview of the curve styles of six control points (`i1_6`, `i7_12`),
// painted from the settings as they are being edited.
class StylePreviewWidget : public QWidget {
  Q_OBJECT

 public:
  StylePreviewWidget(const QString& name, const UserSettings& settings, int first_point,
                     QWidget* parent = nullptr);

  void ShowPhasePair(bool phase_pair);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  const UserSettings& settings_;
  int first_point_;
  bool phase_pair_ = false;
};

}  // namespace kortiv
