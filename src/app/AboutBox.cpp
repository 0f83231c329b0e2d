#include "app/AboutBox.h"

#include "app/HotLabel.h"
#include "platform/ShownText.h"
#include "widgets/PlainLabel.h"

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
constexpr const char* kNotice = QT_TRANSLATE_NOOP(
    "Kelvane", "All weights calculated by this program are theoretical and are for guidance only.");

QFont pixelFont(const QString& family, int pixels) {
    QFont font(family);
    font.setPixelSize(pixels);
    return font;
}

void setTextColour(QWidget* widget, const QColor& colour) {
    QPalette colours = widget->palette();
    colours.setColor(QPalette::WindowText, colour);
    colours.setColor(QPalette::Text, colour);
    widget->setPalette(colours);
}

// The program's picture when the application carries no icon of its own: a maroon
// tile with a white "K".
QPixmap drawnIcon() {
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

QPixmap programPixmap() {
    const QIcon icon = QApplication::windowIcon();
    const QPixmap pixmap = icon.isNull() ? QPixmap() : icon.pixmap(kIconSize, kIconSize);
    return pixmap.isNull() ? drawnIcon() : pixmap;
}

// An empty plain label known by its object name.
QLabel* namedLabel(const QString& name, QWidget* parent) {
    QLabel* label = makePlainLabel(QString(), parent);
    label->setObjectName(name);
    return label;
}

} // namespace

AboutBox::AboutBox(Platform& platform, QWidget* parent)
    : QDialog(parent)
    , platform_(platform)
    , programIcon_(namedLabel(QStringLiteral("ProgramIcon"), this))
    , titleLabel_(namedLabel(QStringLiteral("TitleLabel"), this))
    , versionLabel_(namedLabel(QStringLiteral("VersionLabel"), this))
    , copyrightLabel_(namedLabel(QStringLiteral("CopyrightLabel"), this))
    , emailLabel_(new HotLabel(platform_, this))
    , websiteLabel_(new HotLabel(platform_, this))
    , noticeMemo_(new QPlainTextEdit(this))
    , okButton_(new QPushButton(shownText(QT_TRANSLATE_NOOP("Kelvane", "OK")), this)) {
    setObjectName(QStringLiteral("AboutBox1"));
    setFixedSize(353, 352);
    // A fixed dialog: a title and a close button, nothing to minimise or maximise.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setFont(pixelFont(QStringLiteral("Tahoma"), 11));
    QPalette colours = palette();
    colours.setColor(QPalette::Window, colours.color(QPalette::Button)); // button face
    setPalette(colours);
    setTextColour(this, Qt::black);

    programIcon_->setGeometry(8, 8, kIconSize, kIconSize);
    programIcon_->setMinimumSize(kIconSize, kIconSize);
    programIcon_->setAlignment(Qt::AlignCenter);

    titleLabel_->setGeometry(80, 8, 265, 65);
    titleLabel_->setWordWrap(true);
    titleLabel_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    QFont titleFont = pixelFont(QStringLiteral("Calibri"), 27);
    titleFont.setBold(true);
    titleLabel_->setFont(titleFont);
    setTextColour(titleLabel_, kMaroon);

    versionLabel_->move(8, 80);
    copyrightLabel_->move(8, 96);

    // The links as the dialog's layout gives them: taken unchecked while loading,
    // with captions of their own.
    emailLabel_->setObjectName(QStringLiteral("VellEmailLabel"));
    websiteLabel_->setObjectName(QStringLiteral("VellWebsiteLabel"));
    for (HotLabel* label : {emailLabel_, websiteLabel_}) {
        label->beginLoading();
        label->setCaptionIsUrl(false);
    }
    emailLabel_->setUrl(QStringLiteral("mailto:") + kEmailAddress);
    websiteLabel_->setUrl(QStringLiteral("http://") + kWebAddress);
    for (HotLabel* label : {emailLabel_, websiteLabel_}) {
        label->endLoading();
        // Reached with Tab and opened with Enter or Space, as well as by a click.
        label->setFocusPolicy(Qt::TabFocus);
    }
    emailLabel_->move(8, 120);
    websiteLabel_->move(8, 136);

    noticeMemo_->setObjectName(QStringLiteral("NoticeMemo"));
    noticeMemo_->setAccessibleName(shownText(QT_TRANSLATE_NOOP("Kelvane", "Notice")));
    // Read and selected, never typed into; Tab moves on from it.
    noticeMemo_->setReadOnly(true);
    noticeMemo_->setTabChangesFocus(true);
    noticeMemo_->setGeometry(8, 200, 337, 81);
    noticeMemo_->setFrameShape(QFrame::NoFrame);
    QPalette memoColours = noticeMemo_->palette();
    memoColours.setColor(QPalette::Base, memoColours.color(QPalette::Button));
    noticeMemo_->setPalette(memoColours);

    okButton_->setObjectName(QStringLiteral("OKButton"));
    okButton_->setGeometry(141, 320, 70, 25);
    okButton_->setDefault(true);
    connect(okButton_, &QPushButton::clicked, this, &QDialog::accept);

    showTexts();
    okButton_->setFocus();
}

void AboutBox::showTexts() {
    programIcon_->setPixmap(programPixmap());
    setWindowTitle(shownText(QT_TRANSLATE_NOOP("Kelvane", "About Kelvane")));
    titleLabel_->setText(QStringLiteral("Kelvane"));
    versionLabel_->setText(shownText(QT_TRANSLATE_NOOP("Kelvane", "Version")) +
                           QStringLiteral(" 2026.1.0"));
    versionLabel_->adjustSize();
    copyrightLabel_->setText(QStringLiteral("Copyright © 2026 Kelvane Software Ltd"));
    copyrightLabel_->adjustSize();

    setUpLink(emailLabel_, kEmailAddress);
    setUpLink(websiteLabel_, kWebAddress);

    // An empty line, then the notice.
    noticeMemo_->clear();
    noticeMemo_->setPlainText(QStringList{QString(), shownText(kNotice)}.join(QLatin1Char('\n')));
}

void AboutBox::setUpLink(HotLabel* label, const QString& caption) {
    // The caption is not the link here, so it is not checked as one.
    label->setCaption(caption);
    const QFont normal = pixelFont(QStringLiteral("Tahoma"), 11);
    label->setLinkFont(LinkFont{normal, Qt::black});
    QFont underlined = normal;
    underlined.setUnderline(true);
    label->setHighlightFont(LinkFont{underlined, kMaroon});
    label->setHighlightsUrl(true);
}

void AboutBox::keyPressEvent(QKeyEvent* event) {
    // OK is the cancel button too: Escape presses it and closes the box with OK.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        okButton_->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace kelvane
