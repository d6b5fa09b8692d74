#include "ui/element_drag.h"

#include <QDataStream>
#include <QIODevice>

namespace kortiv {
namespace {

const QString kMimeType = "application/x-kortiv-element";

}  // namespace

QMimeData* EncodeElementDrag(const ElementDrag& drag) {
  QByteArray bytes;
  QDataStream out(&bytes, QIODevice::WriteOnly);
  out << drag.from_library << drag.code << drag.source.row << drag.source.column;
  auto* data = new QMimeData;
  data->setData(kMimeType, bytes);
  return data;
}

std::optional<ElementDrag> DecodeElementDrag(const QMimeData* data) {
  if (!data || !data->hasFormat(kMimeType)) return std::nullopt;
  ElementDrag drag;
  QDataStream in(data->data(kMimeType));
  in >> drag.from_library >> drag.code >> drag.source.row >> drag.source.column;
  if (in.status() != QDataStream::Ok) return std::nullopt;
  return drag;
}

}  // namespace kortiv
