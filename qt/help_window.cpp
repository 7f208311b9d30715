#include "qt/help_window.hpp"

#include <QAbstractTextDocumentLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "session/own_files.hpp"

namespace zaptrail {
namespace {

constexpr int32_t kSectionLevel = 2;
constexpr int32_t kContentsWidth = 170;

// What the help shows in place of a file it cannot show, naming the file.
QString FaultText(OwnFileFault fault, const QString& path) {
  QString what;
  switch (fault) {
    case OwnFileFault::Missing:
      what = QStringLiteral("The help file is missing.");
      break;
    case OwnFileFault::NotAFile:
      what = QStringLiteral(
          "The help file cannot be used: something that is not a file (a "
          "folder, a pipe or a device) stands in its place.");
      break;
    case OwnFileFault::TooLarge:
      what = QStringLiteral("The help file cannot be used: it is far larger than any help page.");
      break;
    case OwnFileFault::Empty:
      what = QStringLiteral("The help file is empty.");
      break;
    case OwnFileFault::None:
      what = QStringLiteral("The help file cannot be read.");
      break;
  }
  return what + QStringLiteral("\n\nIt should be here: %1\n\nReinstalling the game puts it back.")
                    .arg(path);
}

}  // namespace

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName(QStringLiteral("HelpWindow"));
  setWindowTitle(QStringLiteral("zap trail help"));
  resize(680, 460);

  search_ = new QLineEdit(this);
  search_->setPlaceholderText(QStringLiteral("word to find"));
  auto* findButton = new QPushButton(QStringLiteral("Find"), this);
  status_ = new QLabel(this);
  contents_ = new QListWidget(this);
  contents_->setFixedWidth(kContentsWidth);
  text_ = new QTextBrowser(this);

  auto* searchRow = new QHBoxLayout;
  searchRow->addWidget(new QLabel(QStringLiteral("Find:"), this));
  searchRow->addWidget(search_, 1);
  searchRow->addWidget(findButton);
  searchRow->addWidget(status_, 1);
  auto* pages = new QHBoxLayout;
  pages->addWidget(contents_);
  pages->addWidget(text_, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(searchRow);
  layout->addLayout(pages, 1);

  const auto findTyped = [this] { Find(search_->text()); };
  connect(search_, &QLineEdit::returnPressed, this, findTyped);
  connect(findButton, &QPushButton::clicked, this, findTyped);
  connect(contents_, &QListWidget::currentRowChanged, this, &HelpWindow::ShowSection);
}

void HelpWindow::Open(const std::string& path) {
  status_->clear();
  std::string html;
  if (ReadOwnFile(path, OwnFile::Help, html) && !html.empty()) {
    text_->setHtml(QString::fromStdString(html));
  } else {
    text_->setPlainText(
        FaultText(FaultOfOwnFile(path, OwnFile::Help), QString::fromLocal8Bit(path)));
  }
  ListSections();
}

void HelpWindow::ListSections() {
  const QSignalBlocker quiet(contents_);
  contents_->clear();
  for (QTextBlock block = text_->document()->begin(); block.isValid(); block = block.next()) {
    if (block.blockFormat().headingLevel() != kSectionLevel) continue;
    auto* item = new QListWidgetItem(block.text(), contents_);
    item->setData(Qt::UserRole, block.position());
  }
}

void HelpWindow::ShowSection(int32_t row) {
  const QListWidgetItem* item = contents_->item(row);
  if (item == nullptr) return;
  const QTextBlock block = text_->document()->findBlock(item->data(Qt::UserRole).toInt());
  QTextCursor cursor(block);
  text_->setTextCursor(cursor);
  const QRectF place = text_->document()->documentLayout()->blockBoundingRect(block);
  text_->verticalScrollBar()->setValue(static_cast<int32_t>(place.top()));
}

bool HelpWindow::Find(const QString& word) {
  if (word.isEmpty()) return false;
  bool found = text_->find(word);
  if (!found) {
    text_->moveCursor(QTextCursor::Start);
    found = text_->find(word);
  }
  status_->setText(found ? QString() : QStringLiteral("\"%1\" is not in the help.").arg(word));
  return found;
}

void HelpWindow::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    close();
    return;
  }
  QWidget::keyPressEvent(event);
}

}  // namespace zaptrail
