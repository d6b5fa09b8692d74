#pragma once

// Checks of what a user sees of the parameter form: nothing clipped or
// overlapping, captions aligned, the picture and the name centred.

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "ui/params/parameters_dialog.h"

namespace kortiv::test {

inline std::vector<QWidget*> VisibleControls(const QWidget* form) {
  std::vector<QWidget*> controls;
  for (QWidget* child : form->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    if (child->isVisibleTo(form) && !child->objectName().isEmpty()) controls.push_back(child);
  }
  return controls;
}

inline void CheckNothingClippedOrOverlapping(const QWidget* form) {
  const std::vector<QWidget*> controls = VisibleControls(form);
  for (QWidget* control : controls) {
    const QString name = control->objectName();
    QVERIFY2(form->rect().contains(control->geometry()), qPrintable(name + " leaves the form"));
    if (auto* label = qobject_cast<QLabel*>(control); label && label->pixmap().isNull()) {
      QVERIFY2(label->width() >= label->fontMetrics().horizontalAdvance(label->text()),
               qPrintable(name + " clips its caption"));
    }
    if (qobject_cast<QPushButton*>(control) || qobject_cast<QGroupBox*>(control)) {
      QVERIFY2(control->width() >= control->sizeHint().width(),
               qPrintable(name + " is narrower than its texts"));
      QVERIFY2(control->height() >= control->sizeHint().height(),
               qPrintable(name + " is lower than its texts"));
    }
  }
  for (std::size_t i = 0; i < controls.size(); ++i) {
    for (std::size_t j = i + 1; j < controls.size(); ++j) {
      QVERIFY2(!controls[i]->geometry().intersects(controls[j]->geometry()),
               qPrintable(controls[i]->objectName() + " overlaps " + controls[j]->objectName()));
    }
  }
}

// The captions end on one line, the fields start one pixel right of it, the
// picture stands midway between txtPar1's place and the right edge.
inline void CheckAlignment(const QWidget* form) {
  int column = -1;
  int fields_right = -1;
  for (QWidget* control : VisibleControls(form)) {
    const QString name = control->objectName();
    if (!name.startsWith("lblPar") && !name.startsWith("lblAux")) continue;
    const int end = control->geometry().x() + control->width();
    if (column < 0) column = end;
    QCOMPARE(end, column);
    auto* label = static_cast<QLabel*>(control);
    QVERIFY(label->alignment() & Qt::AlignRight);
    QWidget* field = nullptr;
    for (QWidget* other : VisibleControls(form)) {
      const bool beside =
          other->geometry().top() == control->geometry().top() && other->x() > control->x();
      if (beside && (field == nullptr || other->x() < field->x())) field = other;
    }
    QVERIFY2(field != nullptr, qPrintable(name + " has no field beside it"));
    QCOMPARE(field->x(), column + 1);
    fields_right = std::max(fields_right, field->geometry().right() + 1);
  }
  const QWidget* name = form->findChild<QWidget*>("lblNameMod");
  QVERIFY(std::abs(name->geometry().center().x() * 2 + 1 - form->width()) <= 2);
  const QWidget* picture = form->findChild<QWidget*>("imgParMod");
  if (picture->isVisibleTo(form)) {
    const int left_room = picture->x() - fields_right;
    const int right_room = form->width() - (picture->x() + picture->width());
    QVERIFY(left_room > 0);
    QVERIFY(std::abs(left_room - right_room) <= 1);
  }
}

}  // namespace kortiv::test
