#pragma once

namespace kortiv {

// Left edges of the buttons at the foot of the parameter form.
struct ButtonColumns {
  int ok = 0;
  int no = 0;
  int apply = 0;  // meaningful only with the apply button
};

// Places "Принять" and "Отменить" (of width `button`) and, when
// `apply_width` is above 0, the apply button between them, centred on a form
// `form_width` wide. The integration form sets its buttons closer together.
ButtonColumns PlaceButtons(int form_width, int button, int apply_width, bool integration);

// The narrowest form, not below `least`, whose buttons keep `margin` from
// both edges.
int WidthForButtons(int least, int margin, int button, int apply_width, bool integration);

}  // namespace kortiv
