#include "ui/help/about_dialog.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "ui/help/help_key_filter.h"

namespace kortiv {
namespace {

constexpr const char* kLicence =
    "Permission is hereby granted, free of charge, to any person obtaining a copy of this "
    "software and associated documentation files (the \"Software\"), to deal in the Software "
    "without restriction, including without limitation the rights to use, copy, modify, merge, "
    "publish, distribute, sublicense, and/or sell copies of the Software, and to permit persons "
    "to whom the Software is furnished to do so, subject to the following conditions: the above "
    "copyright notice and this permission notice shall be included in all copies or substantial "
    "portions of the Software. THE SOFTWARE IS PROVIDED \"AS IS\", WITHOUT WARRANTY OF ANY KIND, "
    "EXPRESS OR IMPLIED, INCLUDING BUT NOT LIMITED TO THE WARRANTIES OF MERCHANTABILITY, FITNESS "
    "FOR A PARTICULAR PURPOSE AND NONINFRINGEMENT. IN NO EVENT SHALL THE AUTHORS OR COPYRIGHT "
    "HOLDERS BE LIABLE FOR ANY CLAIM, DAMAGES OR OTHER LIABILITY, WHETHER IN AN ACTION OF "
    "CONTRACT, TORT OR OTHERWISE, ARISING FROM, OUT OF OR IN CONNECTION WITH THE SOFTWARE OR THE "
    "USE OR OTHER DEALINGS IN THE SOFTWARE.";

}  // namespace

QString AboutDialog::AboutHtml(const QString& version) {
  return QString(
             "<h2>Kortiv</h2><p>Версия %1</p>"
             "<p>Учебная программа для изучения систем автоматического управления: структурная "
             "схема системы собирается из источников сигнала, линейных звеньев, нелинейных и "
             "функциональных элементов, а Kortiv рассчитывает переходные процессы, частотные "
             "характеристики и фазовые портреты.</p>"
             "<p>Руководство пользователя открывается клавишей F1.</p>"
             "<h3>Лицензия</h3><p>Kortiv распространяется на условиях лицензии MIT.</p>"
             "<p><small>%2</small></p>")
      .arg(version.toHtmlEscaped(), QString(kLicence).toHtmlEscaped());
}

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent) {
  setObjectName("TfrmAbout");
  setWindowTitle("О программе");
  setProperty(kHelpTopicProperty, "about");
  resize(460, 420);
  auto* text = new QTextBrowser(this);
  text->setObjectName("richtxtAbout");
  text->setHtml(AboutHtml(KORTIV_VERSION));
  auto* close = new QPushButton("Закрыть", this);
  close->setObjectName("Button1");
  close->setDefault(true);
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(close);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(text, 1);
  layout->addLayout(buttons);
}

}  // namespace kortiv
