#pragma once

namespace kortiv {

// What changed in the document; the view repaints and re-reads the enabling.
struct DocumentChange {
  bool scheme = false;     // elements, parameters or control points
  bool replaced = false;   // New, Open, Close, an example: a view resets its scroll and selection
  bool state = false;      // model state, file path, model name, caption
  bool results = false;    // results made or discarded
  bool status = false;     // the status panel texts
  bool clipboard = false;  // copy, cut, paste: Paste enabling and the cut hatch
  bool run = false;        // a run started or ended
};

// The ui registers observers to repaint and re-enable; they are called on
// the ui thread only.
class DocumentObserver {
 public:
  virtual ~DocumentObserver() = default;

  virtual void DocumentChanged(const DocumentChange& change) = 0;

  // An analysis message about to be shown concerns this element: the view
  // selects it and scrolls it into view before the message appears.
  virtual void FaultElementShown(int /*element*/) {}
};

}  // namespace kortiv
