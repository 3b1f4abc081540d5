// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QLabel>
#include <QMouseEvent>

#include "ui/game/board_accessible.h"
#include "ui/game/board_view.h"

namespace klebony {

namespace {

// Marks that the factory reads; a property costs nothing while no reader listens.
constexpr const char* kOfferProperty = "klebonyOffer";
constexpr const char* kDecorationProperty = "klebonyDecoration";
constexpr const char* kNewsProperty = "klebonyNews";

// A panel caption: plain text, or in the mutation mode a button whose press
// is the click on it.
class CaptionAccessible : public QAccessibleWidget {
 public:
  explicit CaptionAccessible(QLabel* caption) : QAccessibleWidget(caption, QAccessible::StaticText) {}

  QString offer() const { return widget()->property(kOfferProperty).toString(); }
  QAccessible::Role role() const override {
    return offer().isEmpty() ? QAccessible::StaticText : QAccessible::Button;
  }
  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Name) {
      const QString o = offer();
      return o.isEmpty() ? static_cast<QLabel*>(widget())->text() : o;
    }
    return QAccessibleWidget::text(t);
  }
  QStringList actionNames() const override {
    return offer().isEmpty() ? QStringList() : QStringList{pressAction()};
  }
  QStringList keyBindingsForAction(const QString&) const override { return {QStringLiteral("Return")}; }
  void doAction(const QString& name) override {
    if (name != pressAction() || offer().isEmpty()) return;
    // The same press as the pointer's, so the panel's own handling buys the step.
    QWidget* w = widget();
    const QPointF centre = QRectF(w->rect()).center();
    QMouseEvent press(QEvent::MouseButtonPress, centre, w->mapToGlobal(centre), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, centre, w->mapToGlobal(centre), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(w, &press);
    QCoreApplication::sendEvent(w, &release);
  }
};

// A picture that only decorates: present for the tree, passed by when read.
class DecorationAccessible : public QAccessibleWidget {
 public:
  explicit DecorationAccessible(QWidget* w) : QAccessibleWidget(w, QAccessible::Graphic) {}
  QAccessible::State state() const override {
    QAccessible::State s = QAccessibleWidget::state();
    s.invisible = true;
    return s;
  }
};

#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
// The status line before announcements existed: a notification, which a
// reader speaks when it is shown.
class NewsAccessible : public QAccessibleWidget {
 public:
  explicit NewsAccessible(QLabel* line) : QAccessibleWidget(line, QAccessible::Notification) {}
  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Name) return static_cast<QLabel*>(widget())->text();
    return QAccessibleWidget::text(t);
  }
};
#endif

QAccessibleInterface* gameInterfaces(const QString&, QObject* object) {
  if (auto* board = qobject_cast<BoardView*>(object)) return new BoardAccessible(board);
  auto* widget = qobject_cast<QWidget*>(object);
  if (!widget) return nullptr;
  if (widget->property(kDecorationProperty).toBool()) return new DecorationAccessible(widget);
  auto* label = qobject_cast<SpokenLabel*>(object);
  if (label && label->property(kOfferProperty).isValid()) return new CaptionAccessible(label);
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
  if (label && label->property(kNewsProperty).toBool()) return new NewsAccessible(label);
#endif
  return nullptr;
}

}  // namespace

void installAccessibility() { QAccessible::installFactory(gameInterfaces); }

void announce(QWidget* source, const QString& text) {
  if (!QAccessible::isActive() || text.isEmpty()) return;
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
  QAccessibleAnnouncementEvent event(source, text);
  QAccessible::updateAccessibility(&event);
#else
  QAccessibleEvent event(source, QAccessible::ObjectShow);
  QAccessible::updateAccessibility(&event);
#endif
}

void setPressableOffer(QWidget* caption, const QString& offer) {
  const QVariant old = caption->property(kOfferProperty);
  if (old.isValid() && old.toString() == offer) return;
  caption->setProperty(kOfferProperty, offer);
  if (!old.isValid() || !QAccessible::isActive()) return;
  QAccessibleEvent renamed(caption, QAccessible::NameChanged);
  QAccessible::updateAccessibility(&renamed);
}

void markDecoration(QWidget* picture) { picture->setProperty(kDecorationProperty, true); }

void markNews(QWidget* line) { line->setProperty(kNewsProperty, true); }

}  // namespace klebony
