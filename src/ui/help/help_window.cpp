#include "ui/help/help_window.h"

#include <QApplication>
#include <QDesktopServices>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>
#include <QSplitter>
#include <QTextBlock>
#include <QTextBrowser>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "ui/help/guide_location.h"

namespace kortiv {
namespace {

constexpr int kAnchorRole = Qt::UserRole;

QToolButton* ToolButton(const QString& name, const QString& text, QStyle::StandardPixmap icon,
                        QWidget* parent) {
  auto* button = new QToolButton(parent);
  button->setObjectName(name);
  button->setText(text);
  button->setToolTip(text);
  button->setIcon(parent->style()->standardIcon(icon));
  button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  return button;
}

// The first anchor name set in a block of the guide.
QString AnchorOf(const QTextBlock& block) {
  for (auto it = block.begin(); !it.atEnd(); ++it) {
    const QStringList names = it.fragment().charFormat().anchorNames();
    if (!names.isEmpty()) return names.first();
  }
  return {};
}

}  // namespace

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName("HelpWindow");
  setWindowTitle("Kortiv: справка");
  // An open guide must not keep the program running once its main window closes.
  setAttribute(Qt::WA_QuitOnClose, false);
  // Large enough to read, never larger than the screen (at any scale factor).
  resize(QSize(1000, 720).boundedTo(screen()->availableSize() * 9 / 10));

  back_ = ToolButton("btnBack", "Назад", QStyle::SP_ArrowBack, this);
  forward_ = ToolButton("btnForward", "Вперёд", QStyle::SP_ArrowForward, this);
  auto* home = ToolButton("btnContents", "Оглавление", QStyle::SP_DirHomeIcon, this);
  search_ = new QLineEdit(this);
  search_->setObjectName("edtSearch");
  search_->setPlaceholderText("Поиск в руководстве");
  search_->setClearButtonEnabled(true);
  auto* find = new QPushButton("Найти", this);
  find->setObjectName("btnFind");
  search_result_ = new QLabel(this);
  search_result_->setObjectName("lblSearchResult");

  auto* bar = new QHBoxLayout;
  bar->addWidget(back_);
  bar->addWidget(forward_);
  bar->addWidget(home);
  bar->addSpacing(12);
  bar->addWidget(search_, 1);
  bar->addWidget(find);
  bar->addWidget(search_result_);

  contents_ = new QTreeWidget(this);
  contents_->setObjectName("treeContents");
  contents_->header()->hide();
  browser_ = new QTextBrowser(this);
  browser_->setObjectName("txtGuide");
  browser_->setOpenLinks(false);
  auto* splitter = new QSplitter(this);
  splitter->addWidget(contents_);
  splitter->addWidget(browser_);
  splitter->setStretchFactor(1, 3);
  splitter->setSizes({width() / 4, width() * 3 / 4});

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(bar);
  layout->addWidget(splitter, 1);

  back_->setEnabled(false);
  forward_->setEnabled(false);
  connect(back_, &QToolButton::clicked, browser_, &QTextBrowser::backward);
  connect(forward_, &QToolButton::clicked, browser_, &QTextBrowser::forward);
  connect(browser_, &QTextBrowser::backwardAvailable, back_, &QToolButton::setEnabled);
  connect(browser_, &QTextBrowser::forwardAvailable, forward_, &QToolButton::setEnabled);
  connect(home, &QToolButton::clicked, this, &HelpWindow::ShowContents);
  connect(browser_, &QTextBrowser::anchorClicked, this, &HelpWindow::FollowLink);
  connect(contents_, &QTreeWidget::itemActivated, this, &HelpWindow::OpenContentsItem);
  connect(contents_, &QTreeWidget::itemClicked, this, &HelpWindow::OpenContentsItem);
  const auto find_next = [this] { FindNext(search_->text()); };
  connect(search_, &QLineEdit::returnPressed, this, find_next);
  connect(find, &QPushButton::clicked, this, find_next);
  connect(new QShortcut(QKeySequence::Find, this), &QShortcut::activated, this,
          &HelpWindow::ShowSearch);
  connect(new QShortcut(Qt::Key_F2, this), &QShortcut::activated, this, &HelpWindow::ShowSearch);
}

void HelpWindow::LoadGuide() {
  if (loaded_) return;
  const QString index = GuideIndexPath();
  if (index.isEmpty()) {
    browser_->setHtml(
        "<h2>Руководство не найдено</h2><p>Руководство пользователя Kortiv устанавливается в "
        "папку share/kortiv/guide рядом с папкой программы. Переустановите Kortiv.</p>");
    return;
  }
  QUrl contents = QUrl::fromLocalFile(index);
  contents.setFragment("contents");
  browser_->setSource(contents);
  browser_->clearHistory();
  BuildContents();
  loaded_ = true;
}

// The contents follow the headings of the guide: sections, groups of
// elements and the elements themselves.
void HelpWindow::BuildContents() {
  contents_->clear();
  QTreeWidgetItem* parents[5] = {};
  for (QTextBlock block = browser_->document()->begin(); block.isValid(); block = block.next()) {
    const int level = block.blockFormat().headingLevel();
    const QString anchor = AnchorOf(block);
    if (level < 2 || level > 4 || anchor.isEmpty()) continue;
    QTreeWidgetItem* parent = level > 2 ? parents[level - 1] : nullptr;
    auto* item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(contents_);
    item->setText(0, block.text().trimmed());
    item->setData(0, kAnchorRole, anchor);
    parents[level] = item;
    for (int deeper = level + 1; deeper < 5; ++deeper) parents[deeper] = nullptr;
  }
}

void HelpWindow::OpenContentsItem(QTreeWidgetItem* item) {
  if (item != nullptr) ShowTopic(item->data(0, kAnchorRole).toString());
}

// The window is shown first: a section is scrolled to in the text as laid
// out at the window's size.
void HelpWindow::ShowContents() {
  LoadGuide();
  Present();
  OpenSection("contents");
  browser_->verticalScrollBar()->setValue(0);  // the title above the anchor too
}

void HelpWindow::ShowTopic(const QString& topic) {
  LoadGuide();
  Present();
  OpenSection(topic);
}

// Pages of the guide open in the window; anything else (the model of the
// first scheme, a web page) goes to the program the desktop has for it.
void HelpWindow::FollowLink(const QUrl& url) {
  const QUrl target = browser_->source().resolved(url);
  if (url.path().isEmpty() || target.path().endsWith(".html")) {
    browser_->setSource(url);
  } else {
    QDesktopServices::openUrl(target);
  }
}

// A section already open is only scrolled to: the history keeps one entry.
void HelpWindow::OpenSection(const QString& anchor) {
  if (!loaded_) return;
  if (browser_->source().fragment() == anchor) {
    browser_->scrollToAnchor(anchor);
  } else {
    browser_->setSource(QUrl("#" + anchor));
  }
}

void HelpWindow::ShowSearch() {
  LoadGuide();
  Present();
  search_->setFocus(Qt::ShortcutFocusReason);
  search_->selectAll();
}

bool HelpWindow::FindNext(const QString& text) {
  search_result_->clear();
  if (text.trimmed().isEmpty()) return false;
  if (browser_->find(text)) return true;
  QTextCursor top = browser_->textCursor();  // from the top once more
  top.movePosition(QTextCursor::Start);
  browser_->setTextCursor(top);
  if (browser_->find(text)) return true;
  search_result_->setText("не найдено");
  return false;
}

// Above a modal dialog the window would take no input unless it is modal
// itself; otherwise it stays an ordinary window beside the program.
void HelpWindow::Present() {
  QWidget* modal = QApplication::activeModalWidget();
  const Qt::WindowModality wanted =
      modal != nullptr && modal != this ? Qt::ApplicationModal : Qt::NonModal;
  if (windowModality() != wanted) {
    hide();
    setWindowModality(wanted);
  }
  show();
  raise();
  activateWindow();
}

}  // namespace kortiv
