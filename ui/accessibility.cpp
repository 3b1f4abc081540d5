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

// A label whose reading may change while it lives: a caption that is a
// button with its offer in the mutation mode, the status line that shows its
// news as a notification (before Qt had announcements), or a plain label.
// Decided when asked, since Qt may make the interface before the label is
// marked.
class SpokenLabelAccessible : public QAccessibleWidget {
 public:
  explicit SpokenLabelAccessible(SpokenLabel* label) : QAccessibleWidget(label, QAccessible::StaticText) {}

  QString offer() const { return widget()->property(kOfferProperty).toString(); }
  QAccessible::Role role() const override {
    if (!offer().isEmpty()) return QAccessible::Button;
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
    if (widget()->property(kNewsProperty).toBool()) return QAccessible::Notification;
#endif
    return QAccessible::StaticText;
  }
  QString text(QAccessible::Text t) const override {
    if (t != QAccessible::Name) return QAccessibleWidget::text(t);
    if (const QString o = offer(); !o.isEmpty()) return o;
    if (!widget()->accessibleName().isEmpty()) return widget()->accessibleName();
    return static_cast<QLabel*>(widget())->text();
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

QAccessibleInterface* gameInterfaces(const QString&, QObject* object) {
  if (auto* board = qobject_cast<BoardView*>(object)) return new BoardAccessible(board);
  auto* widget = qobject_cast<QWidget*>(object);
  if (!widget) return nullptr;
  if (widget->property(kDecorationProperty).toBool()) return new DecorationAccessible(widget);
  if (auto* label = qobject_cast<SpokenLabel*>(object)) return new SpokenLabelAccessible(label);
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
