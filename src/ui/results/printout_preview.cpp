#include "ui/results/printout_preview.h"

#include <QPrintPreviewDialog>
#include <QPrinter>

namespace kortiv {

void PreviewPrintout(QWidget* parent, QPrinter& printer, const QString& title,
                     const std::function<void(QPagedPaintDevice&)>& paint) {
  printer.setDocName(title);
  QPrintPreviewDialog preview(&printer, parent);
  preview.setObjectName("dlgPrintPreview");
  preview.setWindowTitle(title);
  QObject::connect(&preview, &QPrintPreviewDialog::paintRequested,
                   [&paint](QPrinter* target) { paint(*target); });
  preview.exec();
}

}  // namespace kortiv
