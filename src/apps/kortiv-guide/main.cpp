// kortiv-guide: builds the user guide and the program's icons.
//   kortiv-guide first-scheme OUT.krt        the model the guide builds step
//       by step, for kortiv-calc to calculate and draw
//   kortiv-guide guide SOURCE.html OUTDIR RESULTS.txt   the guide with its
//       generated sections, the element and button pictures and the results
//       of the first scheme
//   kortiv-guide picture IN OUT.png [SIZE]  a picture (an SVG drawing is
//       rendered at SIZE x SIZE pixels) saved as PNG

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "command_section.h"
#include "draw/element_symbol.h"
#include "guide/element_reference.h"
#include "guide/guide_sections.h"
#include "guide/results_excerpt.h"
#include "model/catalogue.h"
#include "model/model_file.h"
#include "model/scheme.h"
#include "support/stream_messenger.h"

namespace {

constexpr const char* kUsage =
    "Использование: kortiv-guide first-scheme OUT.krt\n"
    "               kortiv-guide guide SOURCE.html OUTDIR RESULTS.txt\n"
    "               kortiv-guide picture IN OUT.png [SIZE]\n";
constexpr const char* kPictureDir = "images";

int Fail(const std::string& text) {
  std::fprintf(stderr, "kortiv-guide: %s\n", text.c_str());
  return 1;
}

bool WriteText(const QString& path, const std::string& text) {
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
  return file.write(text.data(), static_cast<qint64>(text.size())) ==
         static_cast<qint64>(text.size());
}

// The scheme the guide builds step by step: a unit step into an aperiodic
// element, a control point on each.
bool WriteFirstScheme(const std::string& path) {
  kortiv::StreamMessenger messenger(std::cerr, false);
  kortiv::Scheme scheme(messenger);
  struct Placed {
    int column;
    int code;
    int control_point;
    std::vector<float> values;
  };
  const std::vector<Placed> elements = {{1, 101, 1, {1, 0}}, {2, 1, 0, {}}, {3, 204, 2, {1, 1, 0}}};
  for (const Placed& e : elements) {
    const int n = scheme.AppendElement(e.code, 0, {1, e.column});
    if (e.control_point > 0) scheme.SetControlPoint(n, e.control_point);
    if (e.values.empty()) continue;
    scheme.AllocateParamBlock(n);
    for (std::size_t i = 0; i < e.values.size(); ++i) {
      scheme.SetParam(scheme.GetParamAddress(n) + static_cast<int>(i), e.values[i]);
    }
  }
  scheme.RecountControlPoints();
  scheme.SetParam(0, 0);
  scheme.SetParam(1, 0.01f);
  scheme.SetParam(2, 5);
  return kortiv::WriteModelFile(path, scheme, "Первая схема");
}

bool WriteElementPictures(const QString& dir) {
  for (const kortiv::CatalogueEntry& entry : kortiv::Catalogue()) {
    const QString name = QString::fromStdString(kortiv::guide::ElementPictureName(entry.code));
    if (!kortiv::ElementImage(entry.code, 0).save(dir + "/" + name, "PNG")) return false;
  }
  return true;
}

QByteArray ReadAll(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

std::string_view View(const QByteArray& bytes) {
  return {bytes.constData(), static_cast<std::size_t>(bytes.size())};
}

int BuildGuide(const QString& source_path, const QString& out_dir, const QString& results_path) {
  const QByteArray text = ReadAll(source_path);
  if (text.isEmpty()) return Fail("нет исходного текста " + source_path.toStdString());
  const QString pictures = out_dir + "/" + kPictureDir;
  if (!QDir().mkpath(pictures)) return Fail("не удаётся создать " + pictures.toStdString());
  auto fragments = kortiv::guide::GeneratedFragments(kPictureDir);
  fragments["commands"] = kortiv::guide_cli::CommandsHtml(pictures, kPictureDir);
  if (fragments["commands"].empty()) return Fail("не удаётся записать рисунки кнопок");
  fragments["first-results"] = kortiv::guide::ResultsTableHtml(View(ReadAll(results_path)));
  if (fragments["first-results"].empty()) {
    return Fail("нет результатов первой схемы в " + results_path.toStdString());
  }
  const auto assembly = kortiv::guide::AssembleGuide(View(text), fragments);
  if (!assembly.html) return Fail(source_path.toStdString() + ": " + assembly.problem);
  if (!WriteElementPictures(pictures)) return Fail("не удаётся записать рисунки элементов");
  if (!WriteText(out_dir + "/index.html", *assembly.html)) {
    return Fail("не удаётся записать руководство");
  }
  return 0;
}

QImage ReadPicture(const QString& path, int size) {
  if (!path.endsWith(".svg", Qt::CaseInsensitive)) return QImage(path);
  QSvgRenderer renderer(path);
  if (!renderer.isValid() || size <= 0) return {};
  QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  renderer.render(&painter);
  return image;
}

int ConvertPicture(const QString& in, const QString& out, int size) {
  const QImage image = ReadPicture(in, size);
  if (image.isNull()) return Fail("не удаётся прочитать " + in.toStdString());
  if (!image.save(out, "PNG")) return Fail("не удаётся записать " + out.toStdString());
  return 0;
}

}  // namespace

int main(int argc, char* argv[]) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication application(argc, argv);
  const QStringList args = application.arguments();
  if (args.size() == 3 && args[1] == "first-scheme") {
    return WriteFirstScheme(args[2].toStdString()) ? 0 : Fail("не удаётся записать первую схему");
  }
  if (args.size() == 5 && args[1] == "guide") return BuildGuide(args[2], args[3], args[4]);
  if ((args.size() == 4 || args.size() == 5) && args[1] == "picture") {
    return ConvertPicture(args[2], args[3], args.size() == 5 ? args[4].toInt() : 0);
  }
  std::fputs(kUsage, stderr);
  return 2;
}
