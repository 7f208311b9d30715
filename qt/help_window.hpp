#pragma once

#include <QString>
#include <QWidget>
#include <string>

class QLabel;
class QLineEdit;
class QListWidget;
class QTextBrowser;

namespace zaptrail {

// The game's help: a contents list of the help file's sections beside the text, and a search
// field. It is not modal; the game goes on while it is open.
class HelpWindow : public QWidget {
  Q_OBJECT

 public:
  explicit HelpWindow(QWidget* parent = nullptr);
  // Reads the file afresh on every opening, so one put back while the game runs is found.
  // The path is the system's bytes, so a folder name in any encoding works.
  void Open(const std::string& path);
  // Selects the next place the word occurs, going round to the top; false when it occurs nowhere.
  bool Find(const QString& word);
  void ShowSection(int32_t row);

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void ListSections();

  QListWidget* contents_ = nullptr;
  QLineEdit* search_ = nullptr;
  QTextBrowser* text_ = nullptr;
  QLabel* status_ = nullptr;
};

}  // namespace zaptrail
