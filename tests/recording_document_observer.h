#pragma once

#include <vector>

#include "document/document_observer.h"

namespace kortiv::test {

// Keeps every change notice and every fault element the document reported.
class RecordingDocumentObserver : public DocumentObserver {
 public:
  void DocumentChanged(const DocumentChange& change) override { changes.push_back(change); }
  void FaultElementShown(int element) override { fault_elements.push_back(element); }

  std::vector<DocumentChange> changes;
  std::vector<int> fault_elements;
};

}  // namespace kortiv::test
