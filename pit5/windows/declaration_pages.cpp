#include "pit5/windows/declaration_pages.h"

#include "pit5/declaration_positions.h"
#include "platform/widgets/field_binder.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScrollArea>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

QLabel *heading(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    label->setWordWrap(true);
    return label;
}

QWidget *lineEdit(const DeclarationPosition &position, FieldBinder &binder, QWidget *parent)
{
    auto *edit = new QLineEdit(parent);
    Cursor &declarations = binder.cursor();
    if (position.maxLength > 0)
        edit->setMaxLength(position.maxLength);
    else if (position.kind == PositionKind::Text && declarations.isOpen()
             && declarations.hasField(position.field))
        edit->setMaxLength(declarations.field(position.field).size());
    if (!position.inputMask.isEmpty())
        edit->setInputMask(position.inputMask);
    if (position.kind == PositionKind::Amount || position.kind == PositionKind::Share
        || position.kind == PositionKind::Count)
        edit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    binder.bindLineEdit(edit, position.field);
    return edit;
}

QWidget *memo(const DeclarationPosition &position, FieldBinder &binder, QWidget *parent)
{
    auto *edit = new QPlainTextEdit(parent);
    edit->setTabChangesFocus(true);
    edit->setFixedHeight(edit->fontMetrics().lineSpacing() * 4);
    binder.bindMemo(edit, position.field);
    return edit;
}

QWidget *ruleChoice(const DeclarationPosition &position, FieldBinder &binder, QWidget *parent)
{
    auto *choices = new QWidget(parent);
    auto *layout = new QHBoxLayout(choices);
    layout->setContentsMargins(0, 0, 0, 0);
    auto *group = new QButtonGroup(choices);
    for (int value = 0; value < TaxationRules().size(); ++value) {
        auto *button = new QRadioButton(TaxationRules()[value], choices);
        group->addButton(button, value);
        layout->addWidget(button);
    }
    layout->addStretch();
    binder.bindButtonGroup(group, position.field);
    return choices;
}

QWidget *editor(const DeclarationPosition &position, FieldBinder &binder, QWidget *parent)
{
    switch (position.kind) {
    case PositionKind::Memo: return memo(position, binder, parent);
    case PositionKind::Rule: return ruleChoice(position, binder, parent);
    default: return lineEdit(position, binder, parent);
    }
}

// A caption over its box, as the printed form has them.
QWidget *captioned(const DeclarationPosition &position, QWidget *box, QWidget *parent)
{
    auto *cell = new QWidget(parent);
    auto *layout = new QVBoxLayout(cell);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    auto *caption = new QLabel(position.caption, cell);
    caption->setWordWrap(true);
    caption->setBuddy(box);
    layout->addWidget(caption);
    layout->addWidget(box);
    layout->addStretch();
    return cell;
}

} // namespace

DeclarationControls BuildDeclarationPages(QTabWidget *pages, FieldBinder &binder)
{
    DeclarationControls controls;
    QList<QVBoxLayout *> pageLayouts;
    for (const DeclarationPage &page : DeclarationPages()) {
        auto *scroll = new QScrollArea(pages);
        scroll->setWidgetResizable(true);
        auto *content = new QWidget(scroll);
        auto *layout = new QVBoxLayout(content);
        if (!page.heading.isEmpty())
            layout->addWidget(heading(page.heading, content));
        if (!page.note.isEmpty()) {
            auto *note = new QLabel(page.note, content);
            note->setWordWrap(true);
            layout->addWidget(note);
        }
        scroll->setWidget(content);
        pages->addTab(scroll, page.title);
        pageLayouts << layout;
    }

    QList<QGridLayout *> groupGrids;
    for (const DeclarationGroup &group : DeclarationGroups()) {
        QVBoxLayout *pageLayout = pageLayouts[group.page];
        auto *box = new QGroupBox(group.title, pageLayout->parentWidget());
        auto *grid = new QGridLayout(box);
        pageLayout->addWidget(box);
        groupGrids << grid;
        if (group.hiddenForFlatRate)
            controls.hiddenForFlatRate << box;
    }
    for (QVBoxLayout *layout : pageLayouts)
        layout->addStretch();

    for (const DeclarationPosition &position : DeclarationPositions()) {
        QGridLayout *grid = groupGrids[position.group];
        QWidget *groupBox = grid->parentWidget();
        QWidget *cell;
        if (position.kind == PositionKind::Label) {
            auto *label = new QLabel(position.caption, groupBox);
            label->setWordWrap(true);
            cell = label;
        } else {
            QWidget *box = editor(position, binder, groupBox);
            box->setObjectName(position.field);
            controls.boxes.insert(position.field, box);
            cell = captioned(position, box, groupBox);
        }
        grid->addWidget(cell, position.row, position.column, 1, position.columnSpan);
    }
    for (QGridLayout *grid : groupGrids)
        for (int column = 0; column < grid->columnCount(); ++column)
            grid->setColumnStretch(column, 1);
    return controls;
}
