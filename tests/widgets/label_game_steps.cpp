#include "tests/widgets/label_game_steps.hpp"

namespace zaptrail::testing {

QLabel* FindLabel(TForm9& box, const char* name) {
  return box.findChild<QLabel*>(QString::fromLatin1(name));
}

void PushLabelsOut(TForm9& box) {
  const QString stage = FindLabel(box, "Label1")->text();
  for (const char* name : {"Label1", "Label2", "Label4"}) {
    QLabel* label = FindLabel(box, name);
    for (int32_t move = 0; move < 1000 && label->x() < box.width() - 4; ++move) {
      box.Label1MouseMove(label, 0);
      if (FindLabel(box, "Label1")->text() != stage) return;
    }
  }
}

}  // namespace zaptrail::testing
