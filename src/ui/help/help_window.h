#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;
class QTextBrowser;
class QToolButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace kortiv {

// The guide's window: the contents at the left, the text at the right, back
// and forward through the pages seen, and a search through the text.
class HelpWindow : public QWidget {
  Q_OBJECT

 public:
  explicit HelpWindow(QWidget* parent = nullptr);

  // Opens the guide at its contents, at a section ("parameters"), or with the
  // cursor in the search field.
  void ShowContents();
  void ShowTopic(const QString& topic);
  void ShowSearch();

  // Selects the next place of `text` after the current one, from the top
  // again when the end is reached; false when the guide does not have it.
  bool FindNext(const QString& text);

  QTextBrowser* browser() const { return browser_; }

 private:
  void LoadGuide();
  void BuildContents();
  void OpenContentsItem(QTreeWidgetItem* item);
  void OpenSection(const QString& anchor);
  void FollowLink(const QUrl& url);
  void Present();

  QTreeWidget* contents_;
  QTextBrowser* browser_;
  QToolButton* back_;
  QToolButton* forward_;
  QLineEdit* search_;
  QLabel* search_result_;
  bool loaded_ = false;
};

}  // namespace kortiv
