#pragma once

#include <QString>

namespace kortiv {

// The guide's first page: share/kortiv/guide/index.html beside the folder of
// the program, which holds in the build tree (build/bin) as in an installed
// tree (/usr/bin). Empty when the guide is not there.
QString GuideIndexPath();

}  // namespace kortiv
