#pragma once

#include <QFrame>
#include <QString>

#include <array>

class QLabel;

namespace kelvane {

// The round indicator lamp: lime green when lit, red when dark; it does not blink.
class LedLamp final : public QWidget {
    Q_OBJECT
public:
    explicit LedLamp(QWidget* parent = nullptr);
    void setLit(bool lit);
    bool isLit() const { return lit_; }
    QSize sizeHint() const override { return {14, 14}; }

signals:
    void litChanged();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool lit_ = false;
};

// The four-panel status bar: material, density, commercial rounding, and the lamp.
// Assistive technology finds it as a status bar whose panels read their whole texts,
// the rounding panel's with the lamp's state ("Commercial Rounding: On, lamp lit").
class StatusBar final : public QFrame {
    Q_OBJECT
public:
    static constexpr int kPanelCount = 4;
    static constexpr int kHeight = 19;

    explicit StatusBar(QWidget* parent = nullptr);

    void setPanelText(int panel, const QString& text);
    QString panelText(int panel) const;
    int panelWidth(int panel) const;
    // The panel widths for a bar W pixels wide: w = (W − 32) / 3 truncated; panels
    // 0 and 1 get w − 15, panel 2 w + 30, the lamp's panel keeps 50.
    void layOutPanels(int barWidth);
    LedLamp& lamp() { return *lamp_; }
    const LedLamp& lamp() const { return *lamp_; }

private:
    void showPanelText(std::size_t panel);

    std::array<QLabel*, kPanelCount> panels_{};
    std::array<QString, kPanelCount> texts_;
    LedLamp* lamp_;
};

} // namespace kelvane
