#include "ui/widgets.h"

#include "data/scaling.h"

#include <QAction>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLayout>
#include <QScrollBar>
#include <QToolButton>
#include <algorithm>

namespace tirelou::ui {

void KeepNarrow(QLabel* label) {
    // Wrapping would upset the rows that set labels side by side; a text longer than the
    // room is cut at the frame's edge instead (screen readers still get it whole).
    label->setMinimumWidth(1);
}

void KeepLabelsNarrow(QWidget* root) {
    for (QLabel* label : root->findChildren<QLabel*>())
        KeepNarrow(label);
}

// ---- InputField

InputField::InputField(QWidget* parent) : QLineEdit(parent) {
    // Pasted text is upper-cased as typed text is, so an answer means the same however it came.
    connect(this, &QLineEdit::textEdited, this, [this](const QString& now) {
        if (!upperCase_)
            return;
        const QString upper = now.toUpper();
        if (upper == now)
            return;
        const int cursor = cursorPosition();
        setText(upper);
        setCursorPosition(std::min(cursor, static_cast<int>(upper.size())));
    });
}

QString InputField::promptText() const {
    QWidget* screen = window();
    for (QWidget* w = parentWidget(); w; w = w->parentWidget())
        if (w->inherits("tirelou::ui::ScreenBase")) {
            screen = w;
            break;
        }
    QLabel* prompt = nullptr;
    for (QLabel* label : screen->findChildren<QLabel*>()) {
        if (label->buddy() == this) {
            prompt = label;
            break;
        }
        if (!prompt && label->property("role").toString() == QLatin1String("prompt") && !label->isHidden() &&
            !label->text().isEmpty())
            prompt = label;
    }
    return prompt ? prompt->text().simplified().remove(QLatin1Char('&')) : QString();
}

void InputField::namePrompt() {
    const QString name = promptText();
    if (!name.isEmpty() && name != accessibleName())
        setAccessibleName(name);
}

void InputField::focusInEvent(QFocusEvent* event) {
    // The prompt changes from step to step; the reader is told the one asked now.
    namePrompt();
    QLineEdit::focusInEvent(event);
}

void InputField::showEvent(QShowEvent* event) {
    namePrompt();
    QLineEdit::showEvent(event);
}

void InputField::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        emit entered();
        return;
    }
    const QString text = event->text();
    const bool typed = !text.isEmpty() && text.at(0).isPrint() &&
                       !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
    if (upperCase_ && typed && text.toUpper() != text) {
        QKeyEvent upper(event->type(), event->key(), event->modifiers(), text.toUpper(),
                        event->isAutoRepeat(), static_cast<ushort>(event->count()));
        QLineEdit::keyPressEvent(&upper);
        event->setAccepted(upper.isAccepted());
        return;
    }
    QLineEdit::keyPressEvent(event);
}

// ---- ListBox

ListBox::ListBox(QWidget* parent) : QListWidget(parent) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);
    setSpacing(2);
    connect(this, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { emit itemChosen(row(item)); });
}

void ListBox::keyPressEvent(QKeyEvent* event) {
    // Enter picks the current item, so the lists work without a mouse too.
    const int key = event->key();
    if ((key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) && currentRow() >= 0) {
        event->accept();
        emit itemChosen(currentRow());
        return;
    }
    if (key == Qt::Key_Escape) {
        event->accept();
        emit cancelled();
        return;
    }
    QListWidget::keyPressEvent(event);
}

QSize ListBox::sizeHint() const {
    int widest = 0;
    for (int i = 0; i < count(); ++i)
        widest = std::max(widest, fontMetrics().horizontalAdvance(item(i)->text()));
    const int chrome = 2 * frameWidth() + verticalScrollBar()->sizeHint().width() + 4 * spacing() + 24;
    const int width = std::max(widest + chrome, fontMetrics().averageCharWidth() * 32);
    // Tall enough for its items (a long list scrolls), never a tall empty box.
    const int rows = std::clamp(count(), 4, 16);
    const int rowHeight = (count() > 0 ? sizeHintForRow(0) : fontMetrics().height() + 6) + 2 * spacing();
    return {width, rows * rowHeight + 2 * frameWidth() + 4};
}

QString ListBox::itemText(int index) const {
    const QListWidgetItem* it = item(index);
    return it ? it->text() : QString();
}

// ---- Grid

Grid::Grid(QWidget* parent) : QTableWidget(parent) {
    horizontalHeader()->hide();
    verticalHeader()->hide();
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setWordWrap(false);
    setAlternatingRowColors(false);
    setTabKeyNavigation(false); // Tab leaves the grid for the next control; the arrows move in it
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
}

void Grid::focusInEvent(QFocusEvent* event) {
    const bool hadCurrent = currentIndex().isValid();
    QTableWidget::focusInEvent(event);
    // Given the focus by the keyboard or by a screen, the view makes its first cell current;
    // here that cell is the heading, which must not look chosen.
    if (!hadCurrent && event->reason() != Qt::MouseFocusReason)
        selectionModel()->clearCurrentIndex();
}

void Grid::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    const bool choose = key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space;
    if (choose && currentIndex().isValid()) {
        event->accept();
        emit cellClicked(currentRow(), currentColumn());
        return;
    }
    // The first arrow press lands on the first row below the heading, not on the heading.
    if ((key == Qt::Key_Down || key == Qt::Key_Up) && !currentIndex().isValid() &&
        rowCount() > headingRows_) {
        event->accept();
        setCurrentCell(headingRows_, 0);
        return;
    }
    QTableWidget::keyPressEvent(event);
}

void Grid::styleCell(int row, int column) {
    QTableWidgetItem* it = item(row, column);
    if (!it)
        return;
    if (row < headingRows_) {
        it->setFlags(it->flags() & ~Qt::ItemIsSelectable);
        QFont f = font(); // the grid's own font, so headings follow the window scaling
        f.setBold(true);
        it->setFont(f);
        it->setBackground(QColor(0xec, 0xe6, 0xd6));
    }
}

void Grid::setText(int row, int column, const QString& text) {
    if (row >= rowCount())
        setRowCount(row + 1);
    if (column >= columnCount())
        setColumnCount(column + 1);
    QTableWidgetItem* it = item(row, column);
    if (!it) {
        it = new QTableWidgetItem;
        it->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        setItem(row, column, it);
    }
    it->setText(text);
    styleCell(row, column);
}

QString Grid::text(int row, int column) const {
    const QTableWidgetItem* it = item(row, column);
    return it ? it->text() : QString();
}

void Grid::setAlignment(int row, int column, Qt::Alignment alignment) {
    if (!item(row, column))
        setText(row, column, QString());
    item(row, column)->setTextAlignment(alignment | Qt::AlignVCenter);
}

int Grid::addRow() {
    const int r = rowCount();
    setRowCount(r + 1);
    return r;
}

void Grid::clearAll() {
    clearContents();
    setRowCount(0);
}

void Grid::setHeadingRows(int rows) {
    headingRows_ = rows;
}

void Grid::setDesignedColumnWidths(const QList<int>& twips) {
    designedWidths_ = twips;
    if (columnCount() < twips.size())
        setColumnCount(static_cast<int>(twips.size()));
    applyScale(100);
}

void Grid::applyScale(int factor) {
    for (int c = 0; c < designedWidths_.size(); ++c)
        setColumnWidth(c, Scaled(designedWidths_[c], factor) / 15);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    for (int r = 0; r < std::min(headingRows_, rowCount()); ++r)
        for (int c = 0; c < columnCount(); ++c)
            styleCell(r, c);
}

QStringList Grid::rowTexts() const {
    QStringList out;
    for (int r = 0; r < rowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < columnCount(); ++c)
            cells << text(r, c);
        out << cells.join(QLatin1Char('|'));
    }
    return out;
}

// ---- Toolbar

Toolbar::Toolbar(QWidget* parent) : QToolBar(parent) {
    setMovable(false);
    setFloatable(false);
    setToolButtonStyle(Qt::ToolButtonTextOnly);
}

int Toolbar::addButton(const QString& caption) {
    QAction* action = addAction(caption);
    actions_.push_back(action);
    const int index = count();
    action->setObjectName(QStringLiteral("button%1").arg(index));
    connect(action, &QAction::triggered, this, [this, index] { emit buttonClicked(index); });
    if (QWidget* w = widgetForAction(action)) {
        w->setObjectName(QStringLiteral("toolbarButton%1").arg(index));
        w->setAccessibleName(caption);
        // Tab reaches the buttons too (a tool bar leaves them out of the focus chain).
        w->setFocusPolicy(Qt::TabFocus);
        w->installEventFilter(this);
    }
    return index;
}

int Toolbar::addSeparator() {
    actions_.push_back(QToolBar::addSeparator());
    return count();
}

QAction* Toolbar::button(int index) const {
    return index >= 1 && index <= count() ? actions_[static_cast<std::size_t>(index - 1)] : nullptr;
}

QToolButton* Toolbar::buttonWidget(int index) const {
    QAction* a = button(index);
    return a ? qobject_cast<QToolButton*>(widgetForAction(a)) : nullptr;
}

void Toolbar::setCaption(int index, const QString& caption) {
    if (QAction* a = button(index)) {
        a->setText(caption);
        if (QWidget* w = widgetForAction(a))
            w->setAccessibleName(caption);
    }
}

QString Toolbar::caption(int index) const {
    QAction* a = button(index);
    return a ? a->text() : QString();
}

void Toolbar::setButtonVisible(int index, bool visible) {
    if (QAction* a = button(index))
        a->setVisible(visible);
}

bool Toolbar::isButtonVisible(int index) const {
    QAction* a = button(index);
    return a && a->isVisible();
}

void Toolbar::setButtonEnabled(int index, bool enabled) {
    if (QAction* a = button(index))
        a->setEnabled(enabled);
}

bool Toolbar::isButtonEnabled(int index) const {
    QAction* a = button(index);
    return a && a->isEnabled();
}

void Toolbar::focusButton(int index) {
    QAction* action = button(index);
    if (!action || !action->isVisible() || !action->isEnabled())
        return;
    // A button made visible just now is shown by the bar's next layout pass; run it first.
    if (layout())
        layout()->activate();
    if (QToolButton* w = buttonWidget(index); w && w->isVisibleTo(this))
        w->setFocus(Qt::TabFocusReason);
}

bool Toolbar::eventFilter(QObject* watched, QEvent* event) {
    // A tool button answers Space only; Enter presses it as well, as on a dialog's button.
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (auto* w = qobject_cast<QToolButton*>(watched);
            w && (key == Qt::Key_Return || key == Qt::Key_Enter)) {
            w->click();
            return true;
        }
    }
    return QToolBar::eventFilter(watched, event);
}

} // namespace tirelou::ui
