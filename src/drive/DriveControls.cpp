#include "drive/DriveControls.h"

#include "drive/DriveLayout.h"
#include "platform/ShownText.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QJsonArray>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextEdit>

namespace kelvane {

QWidget* findControl(const QString& objectName) {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->objectName() == objectName)
            return window;
        if (auto* control = window->findChild<QWidget*>(objectName))
            return control;
    }
    return nullptr;
}

namespace {

QString controlText(QWidget* control) {
    if (auto* label = qobject_cast<QLabel*>(control))
        return label->text();
    if (auto* edit = qobject_cast<QLineEdit*>(control))
        return edit->text();
    if (auto* plain = qobject_cast<QPlainTextEdit*>(control))
        return plain->toPlainText();
    if (auto* rich = qobject_cast<QTextEdit*>(control))
        return rich->toPlainText();
    if (auto* button = qobject_cast<QAbstractButton*>(control))
        return button->text();
    if (auto* combo = qobject_cast<QComboBox*>(control))
        return combo->currentText();
    if (auto* group = qobject_cast<QGroupBox*>(control))
        return group->title();
    if (control->isWindow())
        return control->windowTitle();
    return control->accessibleName();
}

QJsonObject describeFont(const QWidget* control) {
    const QFont font = control->font();
    QJsonObject description;
    description["family"] = font.family();
    description["pixelSize"] = font.pixelSize();
    description["bold"] = font.bold();
    description["underline"] = font.underline();
    description["color"] = control->palette().color(control->foregroundRole()).name();
    return description;
}

// A table's column captions, every row as its cells' texts, the current cell, and the
// cells that carry a note (a tooltip, such as why the cell cannot be saved).
void describeTable(const QAbstractItemModel& model, const QModelIndex& current,
                   QJsonObject& state) {
    QJsonArray headers;
    for (int column = 0; column < model.columnCount(); ++column)
        headers.append(model.headerData(column, Qt::Horizontal).toString());
    state["headers"] = headers;
    QJsonArray rows;
    QJsonArray notes;
    for (int row = 0; row < model.rowCount(); ++row) {
        QJsonArray cells;
        for (int column = 0; column < model.columnCount(); ++column) {
            const QModelIndex cell = model.index(row, column);
            cells.append(cell.data().toString());
            const QString note = cell.data(Qt::ToolTipRole).toString();
            if (!note.isEmpty())
                notes.append(QJsonObject{{"row", row}, {"column", column}, {"toolTip", note}});
        }
        rows.append(cells);
    }
    state["rows"] = rows;
    state["notes"] = notes;
    state["currentRow"] = current.isValid() ? current.row() : -1;
    state["currentColumn"] = current.isValid() ? current.column() : -1;
}

} // namespace

QJsonObject describeControl(QWidget* control) {
    QJsonObject state;
    state["text"] = controlText(control);
    state["visible"] = !control->isHidden();
    state["enabled"] = control->isEnabled();
    state["focused"] = control->hasFocus();
    if (!control->toolTip().isEmpty())
        state["toolTip"] = control->toolTip();
    if (auto* button = qobject_cast<QAbstractButton*>(control); button && button->isCheckable())
        state["checked"] = button->isChecked();
    if (auto* push = qobject_cast<QPushButton*>(control))
        state["flat"] = push->isFlat();
    if (auto* slider = qobject_cast<QAbstractSlider*>(control)) {
        state["position"] = slider->value();
        state["min"] = slider->minimum();
        state["max"] = slider->maximum();
    }
    if (auto* combo = qobject_cast<QComboBox*>(control)) {
        QJsonArray items;
        for (int i = 0; i < combo->count(); ++i)
            items.append(combo->itemText(i));
        state["items"] = items;
        state["current"] = combo->currentText();
    }
    if (qobject_cast<QLabel*>(control))
        state["font"] = describeFont(control);
    if (auto* view = qobject_cast<QAbstractItemView*>(control); view && view->model()) {
        // The rows' texts, the first hundred of them, and the highlighted row's: the
        // current row, or the selected one in a list that keeps no current row.
        const QAbstractItemModel& model = *view->model();
        QJsonArray items;
        for (int row = 0; row < std::min(model.rowCount(), 100); ++row)
            items.append(model.index(row, 0).data().toString());
        state["items"] = items;
        state["count"] = model.rowCount();
        QModelIndex highlighted = view->currentIndex();
        if (!highlighted.isValid() && view->selectionModel() &&
            view->selectionModel()->hasSelection())
            highlighted = view->selectionModel()->selectedIndexes().value(0);
        state["current"] = highlighted.data().toString();
        if (model.columnCount() > 1)
            describeTable(model, view->currentIndex(), state);
    }
    state["geometry"] = geometryOf(control);
    const QJsonObject measure = textMeasure(control);
    for (auto it = measure.begin(); it != measure.end(); ++it)
        state[it.key()] = it.value();
    return state;
}

QString withoutAccessMarkers(const QString& caption) {
    QString plain;
    // Keys shown after a tab ("Next Page\tCtrl+Tab") are not part of the caption.
    const qsizetype end =
        caption.contains(QLatin1Char('\t')) ? caption.indexOf(QLatin1Char('\t')) : caption.size();
    for (qsizetype i = 0; i < end; ++i) {
        if (caption[i] == QLatin1Char('&')) {
            if (i + 1 < end && caption[i + 1] == QLatin1Char('&'))
                plain += caption[++i];
            continue;
        }
        plain += caption[i];
    }
    return plain;
}

QAction* findMenuEntry(const QList<QAction*>& entries, const QString& name) {
    QList<QAction*> real;
    for (QAction* entry : entries)
        if (!entry->isSeparator())
            real << entry;
    if (name.startsWith(QLatin1Char('#'))) {
        bool ok = false;
        const int index = name.mid(1).toInt(&ok);
        return ok && index >= 0 && index < real.size() ? real[index] : nullptr;
    }
    for (QAction* entry : real)
        if (withoutAccessMarkers(entry->text()) == name)
            return entry;
    // A script written for English finds the entry by its English caption in any
    // language; a submenu keeps its caption as its title.
    for (QAction* entry : real) {
        const QString english =
            entry->menu() ? englishText(*entry->menu(), "title") : englishText(*entry, "text");
        if (!english.isNull() && withoutAccessMarkers(english) == name)
            return entry;
    }
    return nullptr;
}

} // namespace kelvane
