#include "ui/library_frm.h"

#include <QEvent>
#include <QVBoxLayout>
#include <cmath>

#include "model/builtin_examples.h"
#include "model/catalogue.h"
#include "ui/palette_picture.h"
#include "ui/qt_text.h"

namespace kortiv {
namespace {

constexpr int kGap = 5;

// The groups of the list after "Примеры схем", in list order.
std::vector<LibraryRange> ListedRanges() {
  std::vector<LibraryRange> listed;
  for (const auto& range : LibraryRanges()) {
    if (!range.list_item.empty()) listed.push_back(range);
  }
  return listed;
}

}  // namespace

TLibraryFrm::TLibraryFrm(int screen_width, QWidget* parent)
    : QWidget(parent), screen_width_(screen_width) {
  setObjectName("TLibraryFrm");
  setWindowTitle("Библиотеки");
  setProperty("helpTopic", "library");

  scroll_ = new QScrollArea(this);
  scroll_->setFrameShape(QFrame::NoFrame);
  scroll_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  content_ = new QWidget;
  scroll_->setWidget(content_);
  scroll_->viewport()->installEventFilter(this);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(scroll_);

  list_ = new QComboBox(content_);
  list_->setObjectName("SelectLibCmb");
  list_->setPlaceholderText("Выбор библиотеки");
  list_->addItem("Примеры схем");
  for (const auto& range : ListedRanges()) list_->addItem(ToQString(range.list_item));
  list_->setCurrentIndex(-1);
  connect(list_, &QComboBox::currentIndexChanged, this, [this](int item) { BuildPalette(item); });

  const auto examples = BuiltinExamples();
  for (int k = 1; k <= kBuiltinExampleCount; ++k) {
    const BuiltinExample& example = examples[k - 1];
    auto* button = new QPushButton(ToQString(example.caption), content_);
    button->setObjectName(QString("butSchema%1").arg(k));
    button->setToolTip(ToQString(example.hint));
    button->setVisible(false);
    connect(button, &QPushButton::clicked, this, [this, k] { emit ExampleChosen(k); });
    buttons_.push_back(button);
  }
}

void TLibraryFrm::ChooseList(int item) {
  list_->setCurrentIndex(item);
}

void TLibraryFrm::BuildPalette(int item) {
  for (auto* picture : pictures_) delete picture;
  pictures_.clear();
  const bool examples = item == 0;
  for (auto* button : buttons_) button->setVisible(examples);
  if (item >= 1) {
    const LibraryRange range = ListedRanges()[item - 1];
    for (int i = 0; i < range.count; ++i) {
      auto* picture = new PalettePicture(range.first_code + i, content_);
      picture->setObjectName(i == 0 ? QString("imgShapsLib")
                                    : QString("imgShapsLib%1").arg(range.first_code + i));
      connect(picture, &PalettePicture::DoubleClicked, this, &TLibraryFrm::ElementChosen);
      picture->show();
      pictures_.push_back(picture);
    }
  }
  Layout();
}

double TLibraryFrm::ButtonMarginDivisor() const {
  if (screen_width_ < 700) return 13.0;
  if (screen_width_ > 900) return 5.0;
  return 6.5;
}

// The layout follows the width of the visible part of the window.
bool TLibraryFrm::eventFilter(QObject* watched, QEvent* event) {
  if (watched == scroll_->viewport() && event->type() == QEvent::Resize) Layout();
  return QWidget::eventFilter(watched, event);
}

// The pixel rules of the window: the list across the width, the buttons
// below it with margins by the screen width, the palette in rows of three.
void TLibraryFrm::Layout() {
  const int width = scroll_->viewport()->width();
  list_->setGeometry(0, 0, static_cast<int>(std::lround(0.97 * width)), list_->sizeHint().height());
  const int list_bottom = list_->geometry().bottom() + 1;
  int bottom = list_bottom;

  const int a = static_cast<int>(std::lround(width / ButtonMarginDivisor()));
  int y = list_bottom + kGap;
  for (auto* button : buttons_) {
    const int height = button->sizeHint().height();
    button->setGeometry(a, y, width - 2 * a, height);
    y += height + kGap;
    if (button->isVisible()) bottom = y;
  }

  const int w = (width - 6) / 3 - 6;
  const int h = static_cast<int>(std::lround(w * 2.0 / 3.0));
  for (int i = 0; i < static_cast<int>(pictures_.size()); ++i) {
    const int x = i == 0 ? 6 : (i % 3) * (w + 5) + 5;
    const int top = list_bottom + 6 + (i / 3) * (h + 1);
    pictures_[i]->setGeometry(x, top, w, h);
    bottom = std::max(bottom, top + h + 6);
  }
  content_->resize(width, bottom);
}

}  // namespace kortiv
