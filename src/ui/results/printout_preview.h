#pragma once

#include <QString>
#include <functional>

class QPagedPaintDevice;
class QPrinter;
class QWidget;

namespace kortiv {

// Shows a printout in the print preview over `parent`; its print button asks
// for the printer (or the PDF file) and prints the pages as one document.
// `paint` draws the whole printout on the device it is given.
void PreviewPrintout(QWidget* parent, QPrinter& printer, const QString& title,
                     const std::function<void(QPagedPaintDevice&)>& paint);

}  // namespace kortiv
