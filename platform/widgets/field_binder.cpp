#include "platform/widgets/field_binder.h"

#include "platform/prompter.h"
#include "platform/widgets/guarded_handler.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRegularExpression>

FieldBinder::FieldBinder(Cursor &cursor, Prompter &prompter, QObject *parent)
    : QObject(parent), cursor_(cursor), prompter_(prompter)
{
    connect(&cursor_, &Cursor::updateRecordRequested, this, &FieldBinder::updateRecord);
    connect(&cursor_, &Cursor::currentChanged, this, Guarded(prompter_, [this] {
        for (auto &binding : bindings_)
            binding->dirty = false;
        refresh();
    }));
    connect(&cursor_, &Cursor::fieldChanged, this, Guarded(prompter_, [this](int fieldIndex) {
        const QString name = cursor_.field(fieldIndex).name();
        // Calculated fields are worked out again after every write, so they follow too.
        for (auto &binding : bindings_)
            if (!binding->dirty
                && (binding->field.compare(name, Qt::CaseInsensitive) == 0 || isCalculated(binding->field)))
                show(*binding);
    }));
    connect(&cursor_, &Cursor::stateChanged, this, Guarded(prompter_, [this](Cursor::State state) {
        if (state == Cursor::State::Browse || state == Cursor::State::Inactive) {
            for (auto &binding : bindings_)
                binding->dirty = false;
            refresh();
        }
    }));
}

FieldBinder::Binding &FieldBinder::add(QWidget *widget, const QString &field)
{
    bindings_.push_back(std::make_unique<Binding>());
    Binding &binding = *bindings_.back();
    binding.widget = widget;
    binding.field = field;
    return binding;
}

bool FieldBinder::isCalculated(const QString &field) const
{
    const int index = cursor_.isOpen() ? cursor_.fieldIndex(field) : -1;
    return index >= 0 && cursor_.field(index).isCalculated();
}

QString FieldBinder::currentText(const QString &field) const
{
    if (!cursor_.isOpen() || cursor_.fieldIndex(field) < 0)
        return QString();
    return cursor_.field(field).asString();
}

void FieldBinder::show(Binding &binding)
{
    if (!binding.widget || !binding.show)
        return;
    const bool wasFilling = filling_;
    filling_ = true;
    binding.show();
    filling_ = wasFilling;
}

void FieldBinder::refresh()
{
    for (auto &binding : bindings_)
        show(*binding);
}

void FieldBinder::startEditing(Binding &binding)
{
    if (filling_)
        return;
    if (!cursor_.isEditing()) {
        RunHandler(prompter_, [this] { cursor_.edit(); });
        if (!cursor_.isEditing()) {
            // The record refused to be edited (a hook said no): show it as it is.
            refresh();
            return;
        }
    }
    binding.dirty = true;
}

void FieldBinder::assign(Binding &binding)
{
    if (!binding.dirty || !binding.text)
        return;
    binding.dirty = false;
    if (!cursor_.isEditing())
        return;
    if (!RunHandler(prompter_, [this, &binding] { cursor_.field(binding.field).setAsString(binding.text()); })) {
        show(binding);
        return;
    }
    if (binding.afterAssign)
        binding.afterAssign();
}

void FieldBinder::updateRecord()
{
    for (auto &binding : bindings_)
        assign(*binding);
}

void FieldBinder::setAfterAssign(QWidget *control, std::function<void()> handler)
{
    for (auto &binding : bindings_)
        if (binding->widget == control)
            binding->afterAssign = handler;
}

void FieldBinder::setOnUntouchedExit(QWidget *control, std::function<void()> handler)
{
    for (auto &binding : bindings_)
        if (binding->widget == control)
            binding->onUntouchedExit = handler;
}

void FieldBinder::displayOnly(const std::function<void()> &change)
{
    const bool wasFilling = filling_;
    filling_ = true;
    change();
    filling_ = wasFilling;
}

void FieldBinder::setReadOnly(bool readOnly)
{
    for (auto &binding : bindings_) {
        QWidget *widget = binding->widget;
        if (auto *edit = qobject_cast<QLineEdit *>(widget))
            edit->setReadOnly(readOnly);
        else if (auto *memo = qobject_cast<QPlainTextEdit *>(widget))
            memo->setReadOnly(readOnly);
        else if (widget && !qobject_cast<QLabel *>(widget))
            widget->setEnabled(!readOnly);
    }
}

bool FieldBinder::isEditable(const Binding &binding) const
{
    if (!binding.widget || !binding.widget->isEnabled())
        return false;
    if (auto *edit = qobject_cast<QLineEdit *>(binding.widget.data()))
        return !edit->isReadOnly();
    if (auto *memo = qobject_cast<QPlainTextEdit *>(binding.widget.data()))
        return !memo->isReadOnly();
    return bool(binding.text);
}

bool FieldBinder::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusOut) {
        // A menu or list popping up is no leaving of the control.
        const bool left = static_cast<QFocusEvent *>(event)->reason() != Qt::PopupFocusReason;
        for (auto &binding : bindings_) {
            if (binding->widget != watched)
                continue;
            const bool typed = binding->dirty;
            // A line edit assigns when its editing finishes; a memo has no such signal.
            if (qobject_cast<QPlainTextEdit *>(watched))
                assign(*binding);
            if (!typed && left && binding->onUntouchedExit && isEditable(*binding))
                binding->onUntouchedExit();
        }
    }
    return QObject::eventFilter(watched, event);
}

void FieldBinder::bindLineEdit(QLineEdit *edit, const QString &field)
{
    Binding &binding = add(edit, field);
    binding.show = [this, edit, field] { edit->setText(currentText(field)); };
    binding.text = [edit] {
        // A masked box reads back its separators even when nothing was typed.
        if (!edit->inputMask().isEmpty() && !edit->hasAcceptableInput()) {
            QString typed = edit->text();
            typed.remove(QRegularExpression(QStringLiteral("[^0-9A-Za-z]")));
            if (typed.isEmpty())
                return QString();
        }
        return edit->text();
    };
    connect(edit, &QLineEdit::textEdited, this, [this, &binding] { startEditing(binding); });
    connect(edit, &QLineEdit::editingFinished, this, [this, &binding] { assign(binding); });
    edit->installEventFilter(this);
    show(binding);
}

void FieldBinder::bindComboBox(QComboBox *combo, const QString &field)
{
    Binding &binding = add(combo, field);
    if (combo->isEditable()) {
        binding.show = [this, combo, field] { combo->setEditText(currentText(field)); };
        binding.text = [combo] { return combo->currentText(); };
        connect(combo, &QComboBox::editTextChanged, this, [this, &binding] { startEditing(binding); });
        connect(combo, &QComboBox::activated, this, [this, &binding] {
            startEditing(binding);
            assign(binding);
        });
        if (combo->lineEdit())
            connect(combo->lineEdit(), &QLineEdit::editingFinished, this,
                    [this, &binding] { assign(binding); });
    } else {
        binding.show = [this, combo, field] {
            const QString text = currentText(field);
            combo->setCurrentIndex(text.isEmpty() ? -1 : text.toInt());
        };
        binding.text = [combo] {
            return combo->currentIndex() < 0 ? QString() : QString::number(combo->currentIndex());
        };
        connect(combo, &QComboBox::activated, this, [this, &binding] {
            startEditing(binding);
            assign(binding);
        });
    }
    show(binding);
}

void FieldBinder::bindCheckBox(QCheckBox *box, const QString &field)
{
    Binding &binding = add(box, field);
    binding.show = [this, box, field] {
        box->setChecked(cursor_.isOpen() && cursor_.fieldIndex(field) >= 0
                        && cursor_.field(field).asBoolean());
    };
    binding.text = [box] { return box->isChecked() ? QStringLiteral("tak") : QStringLiteral("nie"); };
    connect(box, &QCheckBox::clicked, this, [this, &binding] {
        startEditing(binding);
        assign(binding);
    });
    show(binding);
}

void FieldBinder::bindButtonGroup(QButtonGroup *group, const QString &field)
{
    QWidget *anchor = group->buttons().isEmpty() ? nullptr : group->buttons().first()->parentWidget();
    Binding &binding = add(anchor, field);
    binding.show = [this, group, field] {
        const QString text = currentText(field);
        if (QAbstractButton *button = text.isEmpty() ? nullptr : group->button(text.toInt())) {
            button->setChecked(true);
        } else if (QAbstractButton *checked = group->checkedButton()) {
            group->setExclusive(false);
            checked->setChecked(false);
            group->setExclusive(true);
        }
    };
    binding.text = [group] {
        return group->checkedId() < 0 ? QString() : QString::number(group->checkedId());
    };
    connect(group, &QButtonGroup::idClicked, this, [this, &binding] {
        startEditing(binding);
        assign(binding);
    });
    show(binding);
}

void FieldBinder::bindMemo(QPlainTextEdit *memo, const QString &field)
{
    Binding &binding = add(memo, field);
    binding.show = [this, memo, field] { memo->setPlainText(currentText(field)); };
    binding.text = [memo] { return memo->toPlainText(); };
    connect(memo, &QPlainTextEdit::textChanged, this, [this, &binding] { startEditing(binding); });
    memo->installEventFilter(this);
    show(binding);
}

void FieldBinder::bindLabel(QLabel *label, const QString &field)
{
    Binding &binding = add(label, field);
    binding.show = [this, label, field] { label->setText(currentText(field)); };
    show(binding);
}
