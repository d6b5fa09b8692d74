#pragma once

#ifdef KORTIV_CALC_WITH_DRAW

#include <QGuiApplication>
#include <memory>

namespace kortiv::calc_cli {

// Painting pictures with text needs a QGuiApplication; the batch runner
// makes one on the offscreen platform for the commands that draw.
class OffscreenPainting {
 public:
  OffscreenPainting();
  OffscreenPainting(const OffscreenPainting&) = delete;
  OffscreenPainting& operator=(const OffscreenPainting&) = delete;

 private:
  int argc_ = 1;
  char name_[12] = "kortiv-calc";
  char* argv_[2] = {name_, nullptr};
  std::unique_ptr<QGuiApplication> application_;
};

}  // namespace kortiv::calc_cli

#endif
