// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT
#include "gui/widgets/accessibility.h"

#include "gui/widgets/captionedframe.h"
#include "gui/widgets/dropdownlist.h"
#include "gui/widgets/linklabel.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>

namespace planetarch {

namespace {

class LinkLabelAccessible final : public QAccessibleWidget
{
public:
    explicit LinkLabelAccessible(LinkLabel *label) : QAccessibleWidget(label, QAccessible::Link) {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return label()->text();
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.linked = true;
        return s;
    }

    QStringList actionNames() const override { return {pressAction()}; }

    void doAction(const QString &action) override
    {
        if (action == pressAction() && widget()->isEnabled())
            emit label()->clicked();
    }

    QStringList keyBindingsForAction(const QString &) const override { return {}; }

private:
    LinkLabel *label() const { return static_cast<LinkLabel *>(widget()); }
};

class CaptionedFrameAccessible final : public QAccessibleWidget
{
public:
    explicit CaptionedFrameAccessible(CaptionedFrame *frame)
        : QAccessibleWidget(frame, QAccessible::Grouping)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        const auto *frame = static_cast<const CaptionedFrame *>(widget());
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return frame->caption();
        return QAccessibleWidget::text(t);
    }
};

class DropDownListAccessible final : public QAccessibleWidget
{
public:
    explicit DropDownListAccessible(DropDownList *list)
        : QAccessibleWidget(list, QAccessible::ComboBox)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return list()->currentText();
        return QAccessibleWidget::text(t); // the name is the widget's accessible name
    }

    // The one child is the list that drops down, as with Qt's own combo boxes.
    int childCount() const override { return 1; }
    QAccessibleInterface *child(int index) const override
    {
        return index == 0 ? QAccessible::queryAccessibleInterface(list()->view()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        return child && child->object() == list()->view() ? 0 : -1;
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.expandable = true;
        s.expanded = list()->view()->isVisible();
        return s;
    }

    QStringList actionNames() const override { return {showMenuAction(), pressAction()}; }
    void doAction(const QString &action) override
    {
        if (action == showMenuAction() || action == pressAction())
            list()->showPopup();
    }
    QStringList keyBindingsForAction(const QString &) const override { return {}; }

private:
    DropDownList *list() const { return static_cast<DropDownList *>(widget()); }
};

QAccessibleInterface *createInterface(const QString &className, QObject *object)
{
    if (className == QLatin1StringView(LinkLabel::staticMetaObject.className()))
        return new LinkLabelAccessible(static_cast<LinkLabel *>(object));
    if (className == QLatin1StringView(CaptionedFrame::staticMetaObject.className()))
        return new CaptionedFrameAccessible(static_cast<CaptionedFrame *>(object));
    if (className == QLatin1StringView(DropDownList::staticMetaObject.className()))
        return new DropDownListAccessible(static_cast<DropDownList *>(object));
    return nullptr;
}

} // namespace

void installAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(createInterface);
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace planetarch
