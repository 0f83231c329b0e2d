#include "app/StatusBar.h"
#include "platform/ShownText.h"

#include <QAccessibleWidget>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>

namespace kelvane {

namespace {

constexpr int kInitialPanelWidth = 50;
constexpr QColor kLitColour(0, 255, 0);
constexpr QColor kDarkColour(255, 0, 0);
constexpr std::size_t kRoundingPanel = 2;

// A plain frame would be exposed as an unnamed area; this one is the window's status bar.
QAccessibleInterface* makeStatusBarInterface(const QString& className, QObject* object) {
    if (className != QLatin1String(StatusBar::staticMetaObject.className()))
        return nullptr;
    auto* bar = qobject_cast<StatusBar*>(object);
    return bar ? new QAccessibleWidget(bar, QAccessible::StatusBar) : nullptr;
}

} // namespace

LedLamp::LedLamp(QWidget* parent)
    : QWidget(parent) {
    setObjectName(QStringLiteral("JvLED1"));
    setFixedSize(sizeHint());
    showText(this, "accessibleName", QT_TRANSLATE_NOOP("Kelvane", "Commercial rounding lamp"));
}

void LedLamp::setLit(bool lit) {
    const bool changed = lit != lit_;
    lit_ = lit;
    showText(this, "accessibleDescription",
             lit ? QT_TRANSLATE_NOOP("Kelvane", "lit") : QT_TRANSLATE_NOOP("Kelvane", "dark"));
    update();
    if (changed)
        emit litChanged();
}

void LedLamp::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor colour = lit_ ? kLitColour : kDarkColour;
    QRadialGradient shine(rect().center() - QPoint(2, 2), width() / 2.0);
    shine.setColorAt(0, colour.lighter(160));
    shine.setColorAt(1, colour);
    painter.setPen(QPen(colour.darker(180), 1));
    painter.setBrush(shine);
    painter.drawEllipse(QRectF(rect()).adjusted(1, 1, -1, -1));
}

StatusBar::StatusBar(QWidget* parent)
    : QFrame(parent)
    , lamp_(nullptr) {
    // First of all: the bar's interface is made, and kept, at its first accessibility event.
    QAccessible::installFactory(&makeStatusBarInterface);
    setObjectName(QStringLiteral("JvStatusBar1"));
    showText(this, "accessibleName", QT_TRANSLATE_NOOP("Kelvane", "Status bar"));
    setFixedHeight(kHeight);
    // The panels' widths follow the window's width and together run past it by a
    // few pixels at the right, so the bar sets no minimum width to the window.
    setMinimumWidth(1);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    for (int i = 0; i < kPanelCount; ++i) {
        auto* panel = new QLabel(this);
        panel->setObjectName(QStringLiteral("JvStatusBar1Panel%1").arg(i));
        panel->setTextFormat(Qt::PlainText);
        panel->setFrameShape(QFrame::Panel);
        panel->setFrameShadow(QFrame::Sunken);
        panel->setContentsMargins(2, 0, 2, 0);
        panel->setFixedWidth(kInitialPanelWidth);
        layout->addWidget(panel);
        panels_[static_cast<std::size_t>(i)] = panel;
    }
    layout->addStretch(1);
    auto* lampLayout = new QHBoxLayout(panels_[3]);
    lampLayout->setContentsMargins(0, 0, 0, 0);
    lamp_ = new LedLamp(panels_[3]);
    lampLayout->addWidget(lamp_, 0, Qt::AlignCenter);
    connect(lamp_, &LedLamp::litChanged, this, [this] { showPanelText(kRoundingPanel); });
}

void StatusBar::setPanelText(int panel, const QString& text) {
    texts_.at(static_cast<std::size_t>(panel)) = text;
    showPanelText(static_cast<std::size_t>(panel));
}

QString StatusBar::panelText(int panel) const {
    return texts_.at(static_cast<std::size_t>(panel));
}

void StatusBar::showPanelText(std::size_t panel) {
    // A text wider than its panel ends in an ellipsis; the whole text is then the
    // panel's tooltip.
    QLabel* label = panels_[panel];
    const QMargins margins = label->contentsMargins();
    const int room =
        label->maximumWidth() - 2 * label->frameWidth() - margins.left() - margins.right();
    const QString shown = label->fontMetrics().elidedText(texts_[panel], Qt::ElideRight, room);
    label->setText(shown);
    label->setToolTip(shown == texts_[panel] ? QString() : texts_[panel]);
    // A screen reader reads the whole text, never the shortened one.
    QString spoken = texts_[panel];
    if (panel == kRoundingPanel && !spoken.isEmpty())
        spoken += lamp_->isLit() ? QStringLiteral(", lamp lit") : QStringLiteral(", lamp dark");
    if (label->accessibleName() != spoken) // each change of name is announced
        label->setAccessibleName(spoken);
}

int StatusBar::panelWidth(int panel) const {
    return panels_.at(static_cast<std::size_t>(panel))->maximumWidth();
}

void StatusBar::layOutPanels(int barWidth) {
    const int w = (barWidth - 32) / 3;
    panels_[0]->setFixedWidth(w - 15);
    panels_[1]->setFixedWidth(w - 15);
    panels_[2]->setFixedWidth(w + 30);
    for (std::size_t i = 0; i < panels_.size(); ++i)
        showPanelText(i);
}

} // namespace kelvane
