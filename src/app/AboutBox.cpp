#include "app/AboutBox.h"

#include "app/HotLabel.h"
#include "platform/QtText.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>

namespace kelvane {

namespace {

constexpr int kIconSize = 64;
const QColor kMaroon(128, 0, 0);

const QString kEmailAddress = QStringLiteral("support@kelvane.example");
const QString kWebAddress = QStringLiteral("www.kelvane.example");
const QString kNotice = QStringLiteral(
    "All weights calculated by this program are theoretical and are for guidance only.");

QFont PixelFont(const QString& family, int pixels) {
    QFont font(family);
    font.setPixelSize(pixels);
    return font;
}

void SetTextColour(QWidget* widget, const QColor& colour) {
    QPalette colours = widget->palette();
    colours.setColor(QPalette::WindowText, colour);
    colours.setColor(QPalette::Text, colour);
    widget->setPalette(colours);
}

// The program's picture when the application carries no icon of its own: a maroon
// tile with a white "K".
QPixmap DrawnIcon() {
    QPixmap pixmap(kIconSize, kIconSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kMaroon);
    painter.drawRoundedRect(QRectF(2, 2, kIconSize - 4, kIconSize - 4), 10, 10);
    QFont letter(QStringLiteral("Tahoma"));
    letter.setPixelSize(44);
    letter.setBold(true);
    painter.setFont(letter);
    painter.setPen(Qt::white);
    painter.drawText(pixmap.rect(), Qt::AlignCenter, QStringLiteral("K"));
    return pixmap;
}

QPixmap ProgramPixmap() {
    const QIcon icon = QApplication::windowIcon();
    const QPixmap pixmap = icon.isNull() ? QPixmap() : icon.pixmap(kIconSize, kIconSize);
    return pixmap.isNull() ? DrawnIcon() : pixmap;
}

QLabel* MakeLabel(const QString& name, QWidget* parent) {
    QLabel* label = MakePlainLabel(QString(), parent);
    label->setObjectName(name);
    return label;
}

} // namespace

TAboutBox1::TAboutBox1(Platform& platform, QWidget* parent)
    : QDialog(parent)
    , platform_(platform)
    , ProgramIcon(MakeLabel(QStringLiteral("ProgramIcon"), this))
    , TitleLabel(MakeLabel(QStringLiteral("TitleLabel"), this))
    , VersionLabel(MakeLabel(QStringLiteral("VersionLabel"), this))
    , CopyrightLabel(MakeLabel(QStringLiteral("CopyrightLabel"), this))
    , VellEmailLabel(new TVellHotLabel(platform_, this))
    , VellWebsiteLabel(new TVellHotLabel(platform_, this))
    , NoticeMemo(new QPlainTextEdit(this))
    , OKButton(new QPushButton(QStringLiteral("OK"), this)) {
    setObjectName(QStringLiteral("AboutBox1"));
    setFixedSize(353, 352);
    // A fixed dialog: a title and a close button, nothing to minimise or maximise.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setFont(PixelFont(QStringLiteral("Tahoma"), 11));
    QPalette colours = palette();
    colours.setColor(QPalette::Window, colours.color(QPalette::Button)); // button face
    setPalette(colours);
    SetTextColour(this, Qt::black);

    ProgramIcon->setGeometry(8, 8, kIconSize, kIconSize);
    ProgramIcon->setMinimumSize(kIconSize, kIconSize);
    ProgramIcon->setAlignment(Qt::AlignCenter);

    TitleLabel->setGeometry(80, 8, 265, 65);
    TitleLabel->setWordWrap(true);
    TitleLabel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    QFont titleFont = PixelFont(QStringLiteral("Calibri"), 27);
    titleFont.setBold(true);
    TitleLabel->setFont(titleFont);
    SetTextColour(TitleLabel, kMaroon);

    VersionLabel->move(8, 80);
    CopyrightLabel->move(8, 96);

    // The links as the dialog's layout gives them: taken unchecked while loading,
    // with captions of their own.
    VellEmailLabel->setObjectName(QStringLiteral("VellEmailLabel"));
    VellWebsiteLabel->setObjectName(QStringLiteral("VellWebsiteLabel"));
    for (TVellHotLabel* label : {VellEmailLabel, VellWebsiteLabel}) {
        label->beginLoading();
        label->setCaptionIsURL(false);
    }
    VellEmailLabel->setURL(QStringLiteral("mailto:") + kEmailAddress);
    VellWebsiteLabel->setURL(QStringLiteral("http://") + kWebAddress);
    for (TVellHotLabel* label : {VellEmailLabel, VellWebsiteLabel})
        label->endLoading();
    VellEmailLabel->move(8, 120);
    VellWebsiteLabel->move(8, 136);

    NoticeMemo->setObjectName(QStringLiteral("NoticeMemo"));
    NoticeMemo->setAccessibleName(QStringLiteral("Notice"));
    NoticeMemo->setGeometry(8, 200, 337, 81);
    NoticeMemo->setFrameShape(QFrame::NoFrame);
    QPalette memoColours = NoticeMemo->palette();
    memoColours.setColor(QPalette::Base, memoColours.color(QPalette::Button));
    NoticeMemo->setPalette(memoColours);

    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setGeometry(141, 320, 70, 25);
    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);

    FormCreate();
    OKButton->setFocus();
}

void TAboutBox1::FormCreate() {
    ProgramIcon->setPixmap(ProgramPixmap());
    setWindowTitle(QStringLiteral("About Kelvane"));
    TitleLabel->setText(QStringLiteral("Kelvane"));
    VersionLabel->setText(QStringLiteral("Version 2026.1.0"));
    VersionLabel->adjustSize();
    CopyrightLabel->setText(QStringLiteral("Copyright © 2026 Kelvane Software Ltd"));
    CopyrightLabel->adjustSize();

    setUpLink(VellEmailLabel, kEmailAddress);
    setUpLink(VellWebsiteLabel, kWebAddress);

    // An empty line, then the notice.
    NoticeMemo->clear();
    NoticeMemo->setPlainText(QStringList{QString(), kNotice}.join(QLatin1Char('\n')));
}

void TAboutBox1::setUpLink(TVellHotLabel* label, const QString& caption) {
    // The caption is not the link here, so it is not checked as one.
    label->setCaption(caption);
    const QFont normal = PixelFont(QStringLiteral("Tahoma"), 11);
    label->setFont(TVellFont{normal, Qt::black});
    QFont underlined = normal;
    underlined.setUnderline(true);
    label->setHighlightFont(TVellFont{underlined, kMaroon});
    label->setHighlightURL(true);
}

void TAboutBox1::keyPressEvent(QKeyEvent* event) {
    // OK is the cancel button too: Escape presses it and closes the box with OK.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        OKButton->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace kelvane
