#pragma once

#include <QComboBox>
#include <QPushButton>
#include <QScrollArea>
#include <QWidget>
#include <vector>

namespace kortiv {

class PalettePicture;

// The element library: a list of the catalogue's groups, the palette of
// the chosen group's symbols and the six buttons of the built-in examples.
// It only offers; the main window places elements and loads examples.
class TLibraryFrm : public QWidget {
  Q_OBJECT
 public:
  // The layout rules depend on the screen width.
  TLibraryFrm(int screen_width, QWidget* parent);

  // The list item shown (0: examples, 1..5: groups, -1: none yet).
  void ChooseList(int item);
  const std::vector<PalettePicture*>& Pictures() const { return pictures_; }

 signals:
  // A palette picture was double-clicked.
  void ElementChosen(int code);
  // Example button k (1..6) was pressed.
  void ExampleChosen(int k);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildPalette(int item);
  void Layout();
  double ButtonMarginDivisor() const;

  int screen_width_;
  QScrollArea* scroll_;
  QWidget* content_;
  QComboBox* list_;
  std::vector<QPushButton*> buttons_;
  std::vector<PalettePicture*> pictures_;
};

}  // namespace kortiv
