#pragma once

#include <QIcon>
#include <QString>

namespace kortiv {

// The icon of a tool button, by the objectName of its command (mnuNew,
// mnuRun, ...): the desktop theme's icon when the theme has one, otherwise a
// drawn glyph. An unknown name gives an empty icon.
QIcon CommandIcon(const QString& command);

// Only the drawn glyph, without asking the theme.
QIcon DrawnCommandIcon(const QString& command);

}  // namespace kortiv
