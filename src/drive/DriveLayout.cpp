#include "drive/DriveLayout.h"

#include "drive/DriveControls.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOption>

#include <cmath>

namespace kelvane {

namespace {

int neededWidth(const QWidget* control, const QString& text) {
    const QFontMetricsF metrics(control->font());
    qreal widest = 0;
    for (const QString& line : text.split(QLatin1Char('\n')))
        widest = std::max(widest, metrics.horizontalAdvance(line));
    return static_cast<int>(std::ceil(widest));
}

int labelRoom(const QLabel* label) {
    const int margin = label->margin();
    int indent = label->indent();
    if (indent < 0)
        indent = label->frameWidth() > 0
                     ? label->fontMetrics().horizontalAdvance(QLatin1Char('x')) / 2
                     : 0;
    const bool centred = label->alignment() & Qt::AlignHCenter;
    return label->contentsRect().width() - 2 * margin - (centred ? 0 : indent);
}

int lineEditRoom(const QLineEdit* edit) {
    QStyleOptionFrame option;
    option.initFrom(edit);
    option.rect = edit->rect();
    option.lineWidth = edit->hasFrame()
                           ? edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, edit)
                           : 0;
    option.state |= QStyle::State_Sunken;
    const QRect contents =
        edit->style()->subElementRect(QStyle::SE_LineEditContents, &option, edit);
    constexpr int kInnerMargin = 2; // the entry box's own space on each side of its text
    return contents.marginsRemoved(edit->textMargins()).width() - 2 * kInnerMargin;
}

int buttonRoom(const QAbstractButton* button) {
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    option.icon = button->icon();
    option.iconSize = button->iconSize();
    QStyle::SubElement element = QStyle::SE_PushButtonContents;
    if (button->inherits("QCheckBox"))
        element = QStyle::SE_CheckBoxContents;
    else if (button->inherits("QRadioButton"))
        element = QStyle::SE_RadioButtonContents;
    int room = button->style()->subElementRect(element, &option, button).width();
    if (element == QStyle::SE_PushButtonContents && !button->icon().isNull())
        room -= button->iconSize().width() + 4;
    return room;
}

int comboRoom(const QComboBox* combo) {
    QStyleOptionComboBox option;
    option.initFrom(combo);
    option.editable = combo->isEditable();
    option.frame = combo->hasFrame();
    option.currentText = combo->currentText();
    option.subControls = QStyle::SC_All;
    return combo->style()
        ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, combo)
        .width();
}

// Controls whose inner widgets are part of them, not controls of their own.
bool isWholeControl(const QWidget* widget) {
    return qobject_cast<const QComboBox*>(widget) || qobject_cast<const QLineEdit*>(widget) ||
           qobject_cast<const QAbstractScrollArea*>(widget) ||
           qobject_cast<const QAbstractSpinBox*>(widget) ||
           qobject_cast<const QAbstractButton*>(widget) || qobject_cast<const QLabel*>(widget);
}

void collectControls(const QWidget* parent, QList<const QWidget*>& controls) {
    for (const QWidget* child : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!child->isVisible() || child->isWindow())
            continue;
        const bool hasShownChildren = [&] {
            for (const QWidget* inner : child->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
                if (inner->isVisible() && !inner->isWindow())
                    return true;
            return false;
        }();
        if (isWholeControl(child) || !hasShownChildren)
            controls << child;
        else
            collectControls(child, controls);
    }
}

QString shownText(const QWidget* control) {
    if (auto* label = qobject_cast<const QLabel*>(control))
        return label->textFormat() == Qt::RichText || Qt::mightBeRichText(label->text())
                   ? QString()
                   : label->text();
    if (auto* edit = qobject_cast<const QLineEdit*>(control))
        return edit->displayText();
    if (auto* button = qobject_cast<const QAbstractButton*>(control))
        return withoutAccessMarkers(button->text());
    if (auto* combo = qobject_cast<const QComboBox*>(control))
        return combo->currentText();
    if (auto* group = qobject_cast<const QGroupBox*>(control))
        return withoutAccessMarkers(group->title());
    return {};
}

} // namespace

QJsonObject geometryOf(const QWidget* control) {
    const QPoint origin =
        control->isWindow() ? QPoint(0, 0) : control->mapTo(control->window(), QPoint(0, 0));
    return QJsonObject{{"x", origin.x()},
                       {"y", origin.y()},
                       {"width", control->width()},
                       {"height", control->height()}};
}

QJsonObject textMeasure(const QWidget* control) {
    int room = -1;
    if (auto* label = qobject_cast<const QLabel*>(control); label && !label->wordWrap())
        room = labelRoom(label);
    else if (auto* edit = qobject_cast<const QLineEdit*>(control))
        room = lineEditRoom(edit);
    else if (auto* button = qobject_cast<const QAbstractButton*>(control))
        room = buttonRoom(button);
    else if (auto* combo = qobject_cast<const QComboBox*>(control))
        room = comboRoom(combo);
    const QString text = shownText(control);
    if (room < 0 || text.isEmpty())
        return {};
    return QJsonObject{{"textWidth", neededWidth(control, text)}, {"textRoom", room}};
}

QJsonArray namedControls(const QWidget* page) {
    QJsonArray names;
    for (const QWidget* control : page->findChildren<QWidget*>()) {
        const QString name = control->objectName();
        if (!name.isEmpty() && !name.startsWith(QLatin1String("qt_")) && control->isVisible())
            names.append(name);
    }
    return names;
}

QJsonArray pageLayout(const QWidget* page) {
    QList<const QWidget*> controls;
    collectControls(page, controls);
    QJsonArray layout;
    for (const QWidget* control : controls) {
        QJsonObject entry = textMeasure(control);
        entry["name"] = control->objectName();
        entry["text"] = shownText(control);
        entry["geometry"] = geometryOf(control);
        layout.append(entry);
    }
    return layout;
}

} // namespace kelvane
