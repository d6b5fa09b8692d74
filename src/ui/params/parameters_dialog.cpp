#include "ui/params/parameters_dialog.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>
#include <limits>

#include "draw/cell_geometry.h"
#include "draw/element_symbol.h"
#include "model/user_settings.h"
#include "support/messenger.h"
#include "support/number_format.h"
#include "ui/params/button_placement.h"
#include "ui/params/coefficient_grid_view.h"

namespace kortiv {
namespace {

constexpr int kLabelLeft = 5;   // captions start here; the label column ends 5 beyond them
constexpr int kMargin = 8;      // between groups of controls and from the form's edges
constexpr int kRowSpacing = 6;  // between the rows of captions and fields
constexpr int kLeastButtonWidth = 75;
constexpr double kButtonFoot = 1.1;  // button heights from the foot of the form to the buttons' top

const std::array<const char*, 5> kLabelNames = {"lblPar1", "lblPar2", "lblPar3", "lblPar4",
                                                "lblAux1"};
const std::array<const char*, 5> kTextNames = {"txtPar1", "txtPar2", "txtPar3", "txtPar4",
                                               "txtAux1"};

QString ToQString(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

int LabelIndex(LabelId id) {
  return static_cast<int>(id) - static_cast<int>(LabelId::kLblPar1);
}

template <class Widget>
Widget* Named(QWidget* parent, const char* name) {
  auto* widget = new Widget(parent);
  widget->setObjectName(QString::fromLatin1(name));
  return widget;
}

}  // namespace

std::unique_ptr<TfrmParametersSet> TfrmParametersSet::Create(const ParameterContext& context,
                                                             int element, QWidget* parent) {
  std::optional<ParameterEntry> entry = ParameterEntry::Open(context, element);
  if (!entry) return nullptr;
  return std::unique_ptr<TfrmParametersSet>(
      new TfrmParametersSet(std::move(*entry), context.messenger, parent));
}

TfrmParametersSet::TfrmParametersSet(ParameterEntry entry, Messenger& messenger, QWidget* parent)
    : QDialog(parent), entry_(std::move(entry)), messenger_(messenger) {
  setObjectName(QStringLiteral("frmParametersSet"));
  setProperty("helpTopic", QStringLiteral("parameters"));
  CreateControls();
  ShowLayout();
  ShowFields();
  Connect();
  Reposition(entry_.layout().reposition);
  SetTabOrder();
}

void TfrmParametersSet::CreateControls() {
  lblNameMod_ = Named<QLabel>(this, "lblNameMod");
  QFont underlined = lblNameMod_->font();
  underlined.setUnderline(true);
  lblNameMod_->setFont(underlined);
  lblNameMod_->setAlignment(Qt::AlignCenter);
  for (int i = 0; i < 5; ++i) {
    labels_[i] = Named<QLabel>(this, kLabelNames[i]);
    labels_[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    texts_[i] = Named<QLineEdit>(this, kTextNames[i]);
  }
  cseM_ = Named<QSpinBox>(this, "cseM");
  cseN_ = Named<QSpinBox>(this, "cseN");
  cseP_ = Named<QSpinBox>(this, "cseP");
  CreateRadioGroup(rgView_, viewItems_, "rgView", static_cast<int>(kViewItems.size()));
  CreateRadioGroup(rgScale_, scaleItems_, "rgScale", 3);
  StringGridPar_ = Named<CoefficientGridView>(this, "StringGridPar");
  imgParMod_ = Named<QLabel>(this, "imgParMod");
  imgParMod_->setFixedSize(kDialogPictureSize);
  cmdOK_ = Named<QPushButton>(this, "cmdOK");
  cmdOK_->setText(QStringLiteral("Принять"));
  cmdOK_->setDefault(true);
  cmdNo_ = Named<QPushButton>(this, "cmdNo");
  cmdNo_->setText(QStringLiteral("Отменить"));
  cmdApply_ = Named<QPushButton>(this, "cmdApply");
}

void TfrmParametersSet::CreateRadioGroup(QGroupBox*& box, QButtonGroup*& group, const char* name,
                                         int items) {
  box = Named<QGroupBox>(this, name);
  group = new QButtonGroup(box);
  auto* column = new QVBoxLayout(box);
  for (int i = 0; i < items; ++i) {
    auto* item = new QRadioButton(box);
    group->addButton(item, i);
    column->addWidget(item);
  }
  column->addStretch();
}

QWidget* TfrmParametersSet::Control(ControlId id) const {
  switch (id) {
    case ControlId::kCseM:
      return cseM_;
    case ControlId::kCseN:
      return cseN_;
    case ControlId::kCseP:
      return cseP_;
    case ControlId::kRgView:
      return rgView_;
    case ControlId::kRgScale:
      return rgScale_;
    case ControlId::kStringGridPar:
      return StringGridPar_;
    default:
      return texts_[ParameterFields::TextSlot(id)];
  }
}

QLabel* TfrmParametersSet::Label(LabelId id) const {
  return id == LabelId::kNone ? nullptr : labels_[LabelIndex(id)];
}

std::vector<const LayoutControl*> TfrmParametersSet::Rows() const {
  std::vector<const LayoutControl*> rows;
  for (const LayoutControl& ctl : entry_.layout().controls) {
    if (ctl.label != LabelId::kNone) rows.push_back(&ctl);
  }
  std::sort(rows.begin(), rows.end(),
            [](const LayoutControl* a, const LayoutControl* b) { return a->label < b->label; });
  return rows;
}

void TfrmParametersSet::ShowLayout() {
  const ParameterLayout& layout = entry_.layout();
  for (QWidget* widget : std::initializer_list<QWidget*>{cseM_, cseN_, cseP_, rgView_, rgScale_,
                                                         StringGridPar_, cmdApply_}) {
    widget->hide();
  }
  for (int i = 0; i < 5; ++i) {
    labels_[i]->hide();
    texts_[i]->hide();
  }
  texts_[ParameterFields::TextSlot(ControlId::kTxtAux1)]->setEnabled(false);

  setWindowTitle(ToQString(layout.form_caption));
  lblNameMod_->setText(QString::fromStdString(entry_.name()));
  for (const LayoutControl& ctl : layout.controls) {
    QWidget* control = Control(ctl.control);
    control->show();
    if (QLabel* label = Label(ctl.label)) {
      label->setText(ToQString(ctl.caption));
      label->show();
    }
    if (ctl.control == ControlId::kTxtAux1) control->setEnabled(ctl.value >= 0);
    if (auto* spin = qobject_cast<QSpinBox*>(control)) {
      spin->setRange(ctl.limits ? ctl.limits->min : std::numeric_limits<int>::min(),
                     ctl.limits ? ctl.limits->max : std::numeric_limits<int>::max());
    }
    if (layout.hints && !ctl.hint.empty()) control->setToolTip(ToQString(ctl.hint));
    if (auto* box = qobject_cast<QGroupBox*>(control)) {
      box->setTitle(ToQString(ctl.caption));
      QButtonGroup* group = box == rgView_ ? viewItems_ : scaleItems_;
      for (std::size_t i = 0; i < ctl.items.size(); ++i) {
        group->button(static_cast<int>(i))->setText(ToQString(ctl.items[i]));
      }
    }
  }
  if (!layout.apply_caption.empty()) {
    cmdApply_->setText(ToQString(layout.apply_caption));
    cmdApply_->show();
  }
  ShowPicture();
}

void TfrmParametersSet::ShowPicture() {
  if (entry_.code() == 0) {
    imgParMod_->hide();
    return;
  }
  // Drawn at the screen's pixel density, so the formulas stay sharp when scaled.
  const qreal ratio = devicePixelRatioF();
  QImage image(kDialogPictureSize * ratio, QImage::Format_RGB32);
  image.setDevicePixelRatio(ratio);
  QPainter painter(&image);
  DrawDialogPicture(painter, kDialogPictureSize, entry_.code());
  painter.end();
  imgParMod_->setPixmap(QPixmap::fromImage(image));
}

void TfrmParametersSet::ShowFields() {
  showing_ = true;
  const ParameterFields& fields = entry_.fields();
  for (int i = 0; i < 5; ++i) texts_[i]->setText(QString::fromStdString(fields.texts[i]));
  for (ControlId id : {ControlId::kCseM, ControlId::kCseN, ControlId::kCseP}) {
    static_cast<QSpinBox*>(Control(id))->setValue(fields.Integer(id));
  }
  if (QAbstractButton* item = viewItems_->button(fields.view)) item->setChecked(true);
  if (QAbstractButton* item = scaleItems_->button(fields.scale)) item->setChecked(true);
  if (entry_.layout().Shows(ControlId::kStringGridPar)) StringGridPar_->ShowGrid(fields.grid);
  cmdApply_->setEnabled(entry_.ApplyEnabled());
  showing_ = false;
}

void TfrmParametersSet::Connect() {
  for (int i = 0; i < 5; ++i) {
    const auto id = static_cast<ControlId>(i);
    connect(texts_[i], &QLineEdit::textEdited, this,
            [this, id](const QString& text) { TextChanged(id, text); });
  }
  for (ControlId id : {ControlId::kCseM, ControlId::kCseN, ControlId::kCseP}) {
    connect(static_cast<QSpinBox*>(Control(id)), &QSpinBox::valueChanged, this,
            [this, id](int value) { IntegerChanged(id, value); });
  }
  const auto choose = [this](ControlId id) {
    return [this, id](int item, bool checked) {
      if (checked) IntegerChanged(id, item);
    };
  };
  connect(viewItems_, &QButtonGroup::idToggled, this, choose(ControlId::kRgView));
  connect(scaleItems_, &QButtonGroup::idToggled, this, choose(ControlId::kRgScale));
  connect(StringGridPar_, &CoefficientGridView::CellEdited, this,
          [this](int row, int column, const QString& text) {
            entry_.SetGridCell(row, column, text.toStdString());
          });
  connect(cmdOK_, &QPushButton::clicked, this, &TfrmParametersSet::cmdOKClick);
  connect(cmdNo_, &QPushButton::clicked, this, &QDialog::reject);
  connect(cmdApply_, &QPushButton::clicked, this, &TfrmParametersSet::cmdApplyClick);
}

void TfrmParametersSet::TextChanged(ControlId id, const QString& text) {
  entry_.SetText(id, text.toStdString());
  AfterChange();
}

void TfrmParametersSet::IntegerChanged(ControlId id, int value) {
  if (showing_) return;
  entry_.SetInteger(id, value);
  AfterChange();
}

void TfrmParametersSet::AfterChange() {
  cmdApply_->setEnabled(entry_.ApplyEnabled());
}

void TfrmParametersSet::cmdOKClick() {
  outcome_ = entry_.Accept();
  if (outcome_.close) {
    accept();
    return;
  }
  if (entry_.OrdersPending()) return FocusControl(cmdApply_);
  FocusRefused();
}

void TfrmParametersSet::cmdApplyClick() {
  const bool rebuild = entry_.layout().apply == ApplyAction::kRebuildGrid;
  entry_.Apply();
  ShowFields();
  if (rebuild) {
    Reposition(entry_.layout().reposition);
    StringGridPar_->FocusFirstCell();
  } else {
    FocusRefused();
  }
}

void TfrmParametersSet::FocusRefused() {
  const std::optional<RefusedField>& refused = entry_.Refused();
  if (!refused) return;
  if (refused->control != ControlId::kStringGridPar) return FocusControl(Control(refused->control));
  const int column = entry_.fields().grid.ColumnOfIndex(refused->grid_index);
  StringGridPar_->setFocus(Qt::OtherFocusReason);
  StringGridPar_->SetCurrentGridCell(refused->grid_row, column);
}

void TfrmParametersSet::FocusControl(QWidget* control) {
  control->setFocus(Qt::OtherFocusReason);
  if (auto* edit = qobject_cast<QLineEdit*>(control)) edit->selectAll();
  if (auto* spin = qobject_cast<QSpinBox*>(control)) spin->selectAll();
}

void TfrmParametersSet::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  const std::vector<const LayoutControl*> rows = Rows();
  if (!rows.empty()) FocusControl(Control(rows.front()->control));
}

void TfrmParametersSet::SetTabOrder() {
  std::vector<QWidget*> order;
  for (const LayoutControl* row : Rows()) order.push_back(Control(row->control));
  for (QButtonGroup* group : {viewItems_, scaleItems_}) {
    for (QAbstractButton* item : group->buttons()) order.push_back(item);
  }
  order.push_back(StringGridPar_);
  order.push_back(cmdOK_);
  order.push_back(cmdApply_);
  order.push_back(cmdNo_);
  for (std::size_t i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);
}

void TfrmParametersSet::Reposition(int k) {
  if (!IsRepositionIndex(k)) {
    messenger_.Show(kRepositionErrorText);
    return;
  }
  const ParameterLayout& layout = entry_.layout();
  const QFontMetrics metrics = fontMetrics();
  const auto caption_width = [&](QLabel* label) {
    return metrics.horizontalAdvance(label->text());
  };
  // The column ends at label k; a caption that this font makes wider than
  // label k still starts inside the form.
  int x = caption_width(labels_[k == -1 ? 1 : k - 1]) + kLabelLeft;
  const std::vector<const LayoutControl*> rows = Rows();
  for (const LayoutControl* row : rows) {
    x = std::max(x, caption_width(Label(row->label)) + kLabelLeft);
  }
  const int field_width = metrics.horizontalAdvance(QStringLiteral("-0,00000E-00")) + 16;
  const int row_height = std::max(texts_[0]->sizeHint().height(), cseM_->sizeHint().height());
  const int fields_right = x + 1 + field_width;
  const bool picture = !imgParMod_->isHidden();
  const bool radio = layout.Shows(ControlId::kRgView);
  const bool grid = layout.Shows(ControlId::kStringGridPar);
  const bool apply = !layout.apply_caption.empty();
  const bool integration = entry_.code() == 0;

  // The form keeps the designed size unless this font needs more room.
  int width = std::max(layout.form_width, fields_right + (picture ? 2 * kMargin : 0) +
                                              (picture ? imgParMod_->width() : 0) + kMargin);
  width = std::max(width, lblNameMod_->sizeHint().width() + 2 * kMargin);
  if (radio) {
    const int item_width = std::max(rgView_->sizeHint().width(), rgScale_->sizeHint().width());
    width = std::max(width, 2 * (item_width + 8));
  }
  const int button =
      std::max({kLeastButtonWidth, cmdOK_->sizeHint().width(), cmdNo_->sizeHint().width()});
  // Four coefficients fit beside the titles; higher orders scroll.
  if (grid) width = std::max(width, StringGridPar_->WidthFor(4) + 14);
  const int apply_width = apply ? std::max(kLeastButtonWidth, cmdApply_->sizeHint().width()) : 0;
  width = WidthForButtons(width, kMargin, button, apply_width, integration);

  // From the top: the name, the rows beside the picture, the radio groups or
  // the grid, the buttons.
  const int name_height = lblNameMod_->sizeHint().height();
  lblNameMod_->setGeometry((width - lblNameMod_->sizeHint().width()) / 2, kMargin,
                           lblNameMod_->sizeHint().width(), name_height);
  const int rows_top = kMargin + name_height + kMargin;
  const int rows_height = static_cast<int>(rows.size()) * (row_height + kRowSpacing) - kRowSpacing;
  const int block_height = std::max(rows_height, picture ? imgParMod_->height() : 0);
  int y = rows_top;
  for (const LayoutControl* row : rows) {
    QLabel* label = Label(row->label);
    const int label_width = caption_width(label);
    label->setGeometry(x - label_width, y, label_width, row_height);
    Control(row->control)->setGeometry(x + 1, y, field_width, row_height);
    y += row_height + kRowSpacing;
  }
  imgParMod_->move((fields_right + width - imgParMod_->width()) / 2,
                   rows_top + (block_height - imgParMod_->height()) / 2);
  int below = rows_top + block_height + kMargin;
  if (radio) {
    const int group_width = width / 2 - 8;
    const int group_height = std::max(rgView_->sizeHint().height(), rgScale_->sizeHint().height());
    rgView_->setGeometry(kLabelLeft, below, group_width, group_height);
    rgScale_->setGeometry(kLabelLeft + group_width + 2, below, group_width, group_height);
    below += group_height + kMargin;
  }
  if (grid) {
    StringGridPar_->setGeometry(4, below, width - 14, StringGridPar_->MostHeight());
    StringGridPar_->FitColumns();
    StringGridPar_->resize(width - 14, StringGridPar_->HeightFor(width - 14));
    below += StringGridPar_->MostHeight() + kMargin;
  }

  const int button_height = cmdOK_->sizeHint().height();
  const int height =
      std::max(layout.form_height, below + static_cast<int>(kButtonFoot * button_height));
  const int buttons_top = static_cast<int>(height - kButtonFoot * button_height);
  const ButtonColumns columns = PlaceButtons(width, button, apply_width, integration);
  cmdOK_->setGeometry(columns.ok, buttons_top, button, button_height);
  cmdNo_->setGeometry(columns.no, buttons_top, button, button_height);
  if (apply) cmdApply_->setGeometry(columns.apply, buttons_top, apply_width, button_height);
  setFixedSize(width, height);
}

bool RunParameterDialog(QWidget* parent, const ParameterContext& context, int mode, int element) {
  const bool integration = mode == 1;
  if (!integration && element <= 0) return false;
  std::unique_ptr<TfrmParametersSet> form =
      TfrmParametersSet::Create(context, integration ? 0 : element, parent);
  return form && form->exec() == QDialog::Accepted;
}

ParameterContext MakeParameterContext(Scheme& scheme, WorkingTimes& times, TimeScaleStats& stats,
                                      const UserSettings& settings, Messenger& messenger) {
  return {.scheme = scheme,
          .times = times,
          .stats = stats,
          .messenger = messenger,
          .freq_in_hertz = settings.FreqInHertz,
          .decimal_separator = SystemDecimalSeparator()};
}

}  // namespace kortiv
