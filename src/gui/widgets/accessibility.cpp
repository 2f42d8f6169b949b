// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT
#include "gui/widgets/accessibility.h"

#include "gui/widgets/captionedframe.h"
#include "gui/widgets/dropdownlist.h"
#include "gui/widgets/linklabel.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QLineEdit>
#include <QStackedWidget>
#include <QValidator>

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
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return frame()->caption();
        return QAccessibleWidget::text(t);
    }

private:
    CaptionedFrame *frame() const { return static_cast<CaptionedFrame *>(widget()); }
};

// A widget's text as one run of plain text: a screen reader that reads a text by its runs then
// reads it whole (Qt's own line edit reports an empty run at every offset, and "Ann" is heard as
// "An").
class OneRunTextAccessible : public QAccessibleWidget, public QAccessibleTextInterface
{
public:
    using QAccessibleWidget::QAccessibleWidget;

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    using QAccessibleWidget::text;
    QString text(int start, int end) const override { return content().mid(start, end - start); }
    int characterCount() const override { return static_cast<int>(content().size()); }
    QString attributes(int, int *start, int *end) const override
    {
        *start = 0;
        *end = characterCount();
        return {};
    }

protected:
    virtual QString content() const = 0;
};

#if QT_VERSION >= QT_VERSION_CHECK(6, 5, 0)
QAccessibleInterface *chosenItem(const DropDownList *list)
{
    QAccessibleInterface *view = QAccessible::queryAccessibleInterface(list->view());
    const int row = list->currentIndex();
    return view && row >= 0 && row < view->childCount() ? view->child(row) : nullptr;
}

// Where Qt has selections (6.5 on), the chosen item is the list's one selected item: some screen
// readers speak a combo box's new choice from that alone.
class ChosenItemSelection : public QAccessibleSelectionInterface
{
public:
    explicit ChosenItemSelection(DropDownList *list) : m_list(list) {}

    int selectedItemCount() const override { return chosenItem(m_list) ? 1 : 0; }
    QList<QAccessibleInterface *> selectedItems() const override
    {
        if (QAccessibleInterface *item = chosenItem(m_list))
            return {item};
        return {};
    }
    bool select(QAccessibleInterface *item) override
    {
        QAccessibleInterface *view = QAccessible::queryAccessibleInterface(m_list->view());
        const int row = view ? view->indexOfChild(item) : -1;
        if (row < 0 || row >= m_list->count())
            return false;
        m_list->setCurrentIndex(row);
        return true;
    }
    bool unselect(QAccessibleInterface *) override { return false; } // a choice is always made
    bool selectAll() override { return false; }
    bool clear() override { return false; }

private:
    DropDownList *m_list;
};
#else
class ChosenItemSelection
{
public:
    explicit ChosenItemSelection(DropDownList *) {}
};
#endif

// The chosen item is the list's text, all of it selected: that is where a screen reader looks for
// a combo box's value, and a selected insertion is what it speaks as a new choice.
class DropDownListAccessible final : public OneRunTextAccessible, public ChosenItemSelection
{
public:
    explicit DropDownListAccessible(DropDownList *list)
        : OneRunTextAccessible(list, QAccessible::ComboBox), ChosenItemSelection(list)
    {
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
#if QT_VERSION >= QT_VERSION_CHECK(6, 5, 0)
        if (type == QAccessible::SelectionInterface)
            return static_cast<QAccessibleSelectionInterface *>(this);
#endif
        return OneRunTextAccessible::interface_cast(type);
    }

    using OneRunTextAccessible::text;
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return content();
        return QAccessibleWidget::text(t); // the name is the widget's accessible name
    }

    // The one child is the list that drops down, as with Qt's own combo boxes.
    int childCount() const override
    {
        return 1;
    }
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
        s.readOnly = true;
        return s;
    }

    QStringList actionNames() const override
    {
        return {showMenuAction(), pressAction()};
    }
    void doAction(const QString &action) override
    {
        if (action == showMenuAction() || action == pressAction())
            list()->showPopup();
    }
    QStringList keyBindingsForAction(const QString &) const override
    {
        return {};
    }

    // The text: the chosen item, read-only and selected whole.
    void selection(int index, int *start, int *end) const override
    {
        *start = 0;
        *end = index == 0 ? characterCount() : 0;
    }
    int selectionCount() const override
    {
        return content().isEmpty() ? 0 : 1;
    }
    void addSelection(int, int) override
    {
    }
    void removeSelection(int) override
    {
    }
    void setSelection(int, int, int) override
    {
    }
    int cursorPosition() const override
    {
        return 0;
    }
    void setCursorPosition(int) override
    {
    }
    QRect characterRect(int) const override
    {
        return {};
    }
    int offsetAtPoint(const QPoint &) const override
    {
        return -1;
    }
    void scrollToSubstring(int, int) override
    {
    }

protected:
    QString content() const override
    {
        return list()->currentText();
    }

private:
    DropDownList *list() const
    {
        return static_cast<DropDownList *>(widget());
    }
};

// A line edit as Qt has it, but for its text's runs.
class LineEditAccessible final : public OneRunTextAccessible,
                                 public QAccessibleEditableTextInterface
{
public:
    explicit LineEditAccessible(QLineEdit *edit)
        : OneRunTextAccessible(edit, QAccessible::EditableText)
    {
        addControllingSignal(QStringLiteral("textChanged(const QString&)"));
        addControllingSignal(QStringLiteral("returnPressed()"));
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::EditableTextInterface)
            return static_cast<QAccessibleEditableTextInterface *>(this);
        return OneRunTextAccessible::interface_cast(type);
    }

    // The program's line edits are never read-only and never hide their text. The name is the
    // box's own, or its label's.
    using OneRunTextAccessible::text;
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Value ? content() : QAccessibleWidget::text(t);
    }
    void setText(QAccessible::Text t, const QString &text) override
    {
        if (t == QAccessible::Value)
            setContent(text);
        else
            QAccessibleWidget::setText(t, text);
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.editable = true;
        s.selectableText = true;
        return s;
    }

    void selection(int index, int *start, int *end) const override
    {
        *start = *end = 0;
        if (index == 0 && edit()->hasSelectedText()) {
            *start = edit()->selectionStart();
            *end = *start + static_cast<int>(edit()->selectedText().size());
        }
    }
    int selectionCount() const override { return edit()->hasSelectedText() ? 1 : 0; }
    void addSelection(int start, int end) override { setSelection(0, start, end); }
    void removeSelection(int index) override
    {
        if (index == 0)
            edit()->deselect();
    }
    void setSelection(int index, int start, int end) override
    {
        if (index == 0)
            edit()->setSelection(start, end - start);
    }
    int cursorPosition() const override { return edit()->cursorPosition(); }
    void setCursorPosition(int position) override { edit()->setCursorPosition(position); }
    QRect characterRect(int offset) const override
    {
        const QFontMetrics metrics(edit()->font());
        const QString text = content();
        const QRect area = edit()->contentsRect().marginsRemoved(edit()->textMargins());
        const int x = area.left() + metrics.horizontalAdvance(text.left(offset));
        const int width = offset < text.size() ? metrics.horizontalAdvance(text.at(offset)) : 1;
        const QRect local(x, area.top(), width, area.height());
        return QRect(edit()->mapToGlobal(local.topLeft()), local.size());
    }
    int offsetAtPoint(const QPoint &point) const override
    {
        return edit()->cursorPositionAt(edit()->mapFromGlobal(point));
    }
    void scrollToSubstring(int, int end) override { edit()->setCursorPosition(end); }

    void deleteText(int start, int end) override { replaceText(start, end, QString()); }
    void insertText(int offset, const QString &text) override { replaceText(offset, offset, text); }
    void replaceText(int start, int end, const QString &text) override
    {
        setContent(content().replace(start, end - start, text));
    }

protected:
    QString content() const override { return edit()->text(); }

private:
    QLineEdit *edit() const { return static_cast<QLineEdit *>(widget()); }
    // Text a screen reader sets meets the box's validator, as typed or pasted text does: refused
    // whole (the validator says so), the box keeping what it had. setText() alone would skip it.
    void setContent(QString text)
    {
        int position = 0;
        if (const QValidator *rule = edit()->validator();
            rule && rule->validate(text, position) == QValidator::Invalid)
            return;
        edit()->setText(text);
    }
};

QAccessibleInterface *createInterface(const QString &className, QObject *object)
{
    if (className == QLatin1StringView(LinkLabel::staticMetaObject.className()))
        return new LinkLabelAccessible(static_cast<LinkLabel *>(object));
    if (className == QLatin1StringView(CaptionedFrame::staticMetaObject.className()))
        return new CaptionedFrameAccessible(static_cast<CaptionedFrame *>(object));
    if (className == QLatin1StringView(DropDownList::staticMetaObject.className()))
        return new DropDownListAccessible(static_cast<DropDownList *>(object));
    // A stack of pages is layout, not something to announce ("layered pane") on every return.
    if (className == QLatin1StringView(QStackedWidget::staticMetaObject.className()))
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Grouping);
    if (className == QLatin1StringView(QLineEdit::staticMetaObject.className()))
        return new LineEditAccessible(static_cast<QLineEdit *>(object));
    if (object && object->isWidgetType() && object->property("accessibleDialog").toBool())
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Dialog);
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

void announceTextReplaced(QObject *widget, const QString &text)
{
    if (!QAccessible::isActive())
        return;
    QAccessibleTextInsertEvent inserted(widget, 0, text);
    QAccessible::updateAccessibility(&inserted);
}

} // namespace planetarch
