#include "qt/held_keys.hpp"

#include <QApplication>
#include <QKeyEvent>
#include <QWindow>
#include <optional>

namespace zaptrail {
namespace {

std::optional<Key> GameKey(int qtKey) {
  switch (qtKey) {
    case Qt::Key_Up:
      return Key::Up;
    case Qt::Key_Right:
      return Key::Right;
    case Qt::Key_Down:
      return Key::Down;
    case Qt::Key_Left:
      return Key::Left;
    case Qt::Key_Escape:
      return Key::Escape;
    case Qt::Key_Space:
      return Key::Space;
    default:
      return std::nullopt;
  }
}

}  // namespace

HeldKeys::HeldKeys(QObject* parent) : QObject(parent) {
  qApp->installEventFilter(this);
  connect(qApp, &QGuiApplication::focusWindowChanged, this, [this] {
    if (!GameHasTheKeyboard()) ReleaseAll();
  });
}

bool HeldKeys::GameHasTheKeyboard() const {
  // A menu is a popup of its own, with the keyboard while it is open.
  const QWindow* focus = QGuiApplication::focusWindow();
  return focus != nullptr && QApplication::activePopupWidget() == nullptr && !IsIgnored(focus);
}

bool HeldKeys::IsIgnored(const QWindow* window) const {
  for (const QPointer<QWidget>& ignored : ignored_) {
    if (ignored != nullptr && ignored->windowHandle() == window) return true;
  }
  return false;
}

bool HeldKeys::TypedIntoIgnoredWindow(QObject* watched) const {
  // A key reaches the platform window first and then the focused widget inside it.
  const auto* widget = qobject_cast<QWidget*>(watched);
  for (const QPointer<QWidget>& window : ignored_) {
    if (window == nullptr) continue;
    if (widget != nullptr ? widget->window() == window : window->windowHandle() == watched) {
      return true;
    }
  }
  return false;
}

bool HeldKeys::IsRepeat(const QKeyEvent& event, Key key) const {
  if (event.isAutoRepeat()) return true;
  // X repeats a held key as a release and a press of the same moment. The framework marks the
  // pair as a repeat only when both reach one window; when the keyboard moves between them the
  // press looks new, so the shared moment tells.
  return event.type() == QEvent::KeyPress && event.timestamp() != 0 &&
         event.timestamp() == releasedAt_[static_cast<size_t>(key)];
}

bool HeldKeys::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease: {
      const auto* keyEvent = static_cast<QKeyEvent*>(event);
      const std::optional<Key> key = GameKey(keyEvent->key());
      if (!key || IsRepeat(*keyEvent, *key)) break;
      if (event->type() == QEvent::KeyRelease) {
        releasedAt_[static_cast<size_t>(*key)] = keyEvent->timestamp();
      } else if (TypedIntoIgnoredWindow(watched)) {
        break;
      }
      held_[static_cast<size_t>(*key)] = event->type() == QEvent::KeyPress;
      break;
    }
    case QEvent::ApplicationDeactivate:
      // Releases that happen in another application never reach us.
      ReleaseAll();
      break;
    default:
      break;
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace zaptrail
