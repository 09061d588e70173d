// The button images and the icon as drawn by res/tools/MakeImages.cpp, the bitmap button
// that shows them, and the About box.

#include "AboutBox.h"
#include "BitmapButton.h"

#include <QApplication>
#include <QFontMetrics>
#include <QImage>
#include <QImageReader>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <string>

static QImage LoadImage(const QString& name)
{
    RegisterPanelImages();
    return QImage(QStringLiteral(":/res/") + name).convertToFormat(QImage::Format_RGB32);
}

static std::string Rgb(QRgb c)
{
    return std::to_string(qRed(c)) + "," + std::to_string(qGreen(c)) + "," + std::to_string(qBlue(c));
}

// --- button images -----------------------------------------------------------------------

struct ButtonImageCase
{
    const char* Name;
    QRgb Face;
    QRgb Word;
    QRect Ink;
    QRgb OuterTopLeft;
    QRgb InnerTopLeft;
    QRgb InnerBottomRight;
    QRgb OuterBottomRight;
};

static const QRgb kWhite = qRgb(255, 255, 255);
static const QRgb kDark = qRgb(128, 128, 128);
static const QRgb kShade = qRgb(192, 192, 192);
static const QRgb kLight = qRgb(241, 239, 226);
static const QRgb kBlack = qRgb(0, 0, 0);
static const QRgb kGreen = qRgb(0, 255, 0);
static const QRgb kRed = qRgb(255, 0, 0);
static const QRgb kGreyFace = qRgb(192, 192, 192);
static const QRgb kGreyWord = qRgb(178, 178, 178);
static const QRect kStartInk(QPoint(83, 26), QPoint(239, 62));
static const QRect kStopInk(QPoint(100, 25), QPoint(226, 61));

static const ButtonImageCase kButtonImages[] = {
    {"STARTU.png", kGreen, kBlack, kStartInk, kWhite, kLight, kShade, kDark},
    {"STARTD.png", kGreen, kBlack, kStartInk, kDark, kShade, qRgb(240, 240, 240), kWhite},
    {"STARTX.png", kGreyFace, kGreyWord, kStartInk, kWhite, kLight, kShade, kDark},
    {"STOPU.png", kRed, kBlack, kStopInk, kWhite, kLight, kShade, kDark},
    {"STOPD.png", kRed, kBlack, kStopInk, kDark, kShade, qRgb(239, 239, 239), kWhite},
    {"STOPX.png", kGreyFace, kGreyWord, kStopInk, kWhite, kLight, kShade, kDark},
};

TEST(ButtonImages, SizeFaceWordAndBorder)
{
    for (const ButtonImageCase& c : kButtonImages) {
        SCOPED_TRACE(c.Name);
        RegisterPanelImages();
        const QImage raw(QStringLiteral(":/res/") + QLatin1String(c.Name));
        ASSERT_FALSE(raw.isNull());
        EXPECT_FALSE(raw.hasAlphaChannel());
        ASSERT_EQ(raw.size(), QSize(317, 90));
        const QImage image = raw.convertToFormat(QImage::Format_RGB32);

        // Border lines, including the corners that the bottom/right lines own.
        const struct
        {
            QPoint At;
            QRgb Colour;
        } border[] = {
            {{0, 0}, c.OuterTopLeft},      {{315, 0}, c.OuterTopLeft},   {{0, 88}, c.OuterTopLeft},
            {{158, 0}, c.OuterTopLeft},    {{0, 45}, c.OuterTopLeft},    {{1, 1}, c.InnerTopLeft},
            {{314, 1}, c.InnerTopLeft},    {{1, 87}, c.InnerTopLeft},    {{158, 1}, c.InnerTopLeft},
            {{315, 1}, c.InnerBottomRight}, {{1, 88}, c.InnerBottomRight}, {{315, 88}, c.InnerBottomRight},
            {{158, 88}, c.InnerBottomRight}, {{315, 45}, c.InnerBottomRight}, {{316, 0}, c.OuterBottomRight},
            {{0, 89}, c.OuterBottomRight}, {{316, 89}, c.OuterBottomRight}, {{158, 89}, c.OuterBottomRight},
            {{316, 45}, c.OuterBottomRight}, {{2, 2}, c.Face},          {{314, 87}, c.Face},
            {{10, 45}, c.Face},
        };
        for (const auto& b : border)
            EXPECT_EQ(Rgb(image.pixel(b.At)), Rgb(b.Colour)) << "at " << b.At.x() << "," << b.At.y();

        // Inside the border: only face and word, the word filling exactly its ink box.
        QRect ink;
        int foreign = 0;
        for (int y = 2; y < 88; ++y)
            for (int x = 2; x < 315; ++x) {
                const QRgb p = image.pixel(x, y);
                if (p == c.Word)
                    ink |= QRect(x, y, 1, 1);
                else if (p != c.Face)
                    ++foreign;
            }
        EXPECT_EQ(foreign, 0);
        EXPECT_EQ(ink, c.Ink);
    }
}

TEST(ButtonImages, PressedImageKeepsTheFaceOfTheNormalOne)
{
    for (const char* base : {"START", "STOP"}) {
        SCOPED_TRACE(base);
        const QImage up = LoadImage(QLatin1String(base) + QStringLiteral("U.png"));
        const QImage down = LoadImage(QLatin1String(base) + QStringLiteral("D.png"));
        const QImage disabled = LoadImage(QLatin1String(base) + QStringLiteral("X.png"));
        const QRect face(2, 2, 313, 86);
        EXPECT_EQ(up.copy(face), down.copy(face));
        // Disabled: the same lettering at the same place, only in other colours.
        for (int y = face.top(); y <= face.bottom(); ++y)
            for (int x = face.left(); x <= face.right(); ++x)
                ASSERT_EQ(up.pixel(x, y) == kBlack, disabled.pixel(x, y) == kGreyWord)
                    << "at " << x << "," << y;
    }
}

// --- icon --------------------------------------------------------------------------------

static bool InStandardPalette(QRgb c)
{
    static const QRgb palette[] = {
        qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
        qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(192, 192, 192),
        qRgb(128, 128, 128), qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0),
        qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255),
    };
    for (const QRgb p : palette)
        if (p == (c | 0xFF000000u))
            return true;
    return false;
}

TEST(Icon, StopwatchInSixteenColoursWithTransparentSurround)
{
    RegisterPanelImages();
    const QImage icon = QImage(QStringLiteral(":/res/karvelostrum.png")).convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(icon.size(), QSize(32, 32));

    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            const QRgb p = icon.pixel(x, y);
            ASSERT_TRUE(qAlpha(p) == 0 || (qAlpha(p) == 255 && InStandardPalette(p)))
                << "at " << x << "," << y;
        }

    const struct
    {
        QPoint At;
        QRgb Colour; // 0 = transparent
    } probes[] = {
        {{0, 0}, 0},                         {{31, 0}, 0},    {{0, 31}, 0},
        {{31, 31}, 0},                       {{15, 0}, kBlack}, // crown
        {{16, 24}, kBlack},                  // dial below the hub
        {{15, 12}, qRgb(192, 192, 192)},     // hand to 12
        {{16, 6}, qRgb(255, 255, 0)},        // ring
        {{16, 4}, qRgb(128, 128, 0)},        // rim
        {{16, 31}, qRgb(128, 128, 0)},
    };
    for (const auto& p : probes) {
        const QRgb actual = icon.pixel(p.At);
        if (p.Colour == 0)
            EXPECT_EQ(qAlpha(actual), 0) << "at " << p.At.x() << "," << p.At.y();
        else
            EXPECT_EQ(Rgb(actual), Rgb(p.Colour)) << "at " << p.At.x() << "," << p.At.y();
    }
    // The knobs stand out at the upper left and right, clear of the rim.
    EXPECT_EQ(Rgb(icon.pixel(5, 7)), Rgb(kBlack));
    EXPECT_EQ(Rgb(icon.pixel(26, 7)), Rgb(kBlack));
}

TEST(Icon, WindowsIconFileShowsTheSameImage)
{
    if (!QImageReader::supportedImageFormats().contains("ico"))
        GTEST_SKIP() << "no ICO image plugin";
    QImageReader reader(QStringLiteral(KV_RES_DIR "/karvelostrum.ico"));
    const QImage ico = reader.read().convertToFormat(QImage::Format_ARGB32);
    ASSERT_FALSE(ico.isNull()) << reader.errorString().toStdString();
    RegisterPanelImages();
    const QImage png = QImage(QStringLiteral(":/res/karvelostrum.png")).convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(ico.size(), png.size());
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            const QRgb a = ico.pixel(x, y);
            const QRgb b = png.pixel(x, y);
            ASSERT_EQ(qAlpha(a), qAlpha(b)) << "at " << x << "," << y;
            if (qAlpha(a) != 0) {
                ASSERT_EQ(Rgb(a), Rgb(b)) << "at " << x << "," << y;
            }
        }
}

// --- BitmapButton ------------------------------------------------------------------------

static QImage Shown(QWidget& widget)
{
    return widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

TEST(BitmapButton, ShowsTheImageOfItsState)
{
    struct Case
    {
        const char* Base;
        bool Enabled;
        bool Pressed;
        const char* Expected;
    };
    const Case cases[] = {
        {"START", true, false, "STARTU.png"},  {"START", false, false, "STARTX.png"},
        {"START", true, true, "STARTD.png"},   {"STOP", true, false, "STOPU.png"},
        {"STOP", false, false, "STOPX.png"},   {"STOP", true, true, "STOPD.png"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.Base) + (c.Enabled ? " enabled" : " disabled")
                     + (c.Pressed ? " pressed" : ""));
        BitmapButton button(QLatin1String(c.Base));
        button.setEnabled(c.Enabled);
        if (c.Pressed)
            QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(150, 45));
        EXPECT_EQ(Shown(button), LoadImage(QLatin1String(c.Expected)));
        if (c.Pressed)
            QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(150, 45));
        // Back to its resting image once released.
        EXPECT_EQ(Shown(button), LoadImage(QLatin1String(c.Base) + QLatin1String(c.Enabled ? "U.png" : "X.png")));
    }
}

TEST(BitmapButton, FixedSizeWhateverTheFont)
{
    QWidget parent;
    QFont big = parent.font();
    big.setPointSize(30);
    parent.setFont(big);
    BitmapButton button(QStringLiteral("START"), &parent);
    button.adjustSize();
    EXPECT_EQ(button.size(), QSize(317, 90));
    EXPECT_EQ(button.minimumSize(), QSize(317, 90));
    EXPECT_EQ(button.maximumSize(), QSize(317, 90));
    EXPECT_EQ(button.text(), QStringLiteral("START"));
}

TEST(BitmapButton, ClicksLikeAPushButtonAndTakesTabFocus)
{
    QWidget parent;
    auto* first = new QPushButton(QStringLiteral("first"), &parent);
    auto* button = new BitmapButton(QStringLiteral("STOP"), &parent);
    EXPECT_TRUE(button->focusPolicy() & Qt::TabFocus);

    QSignalSpy clicked(button, &QAbstractButton::clicked);
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(clicked.count(), 1);
    QTest::keyClick(button, Qt::Key_Space);
    EXPECT_EQ(clicked.count(), 2);
    // Released outside: no click, as with any push button.
    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(400, 200));
    EXPECT_EQ(clicked.count(), 2);

    button->setEnabled(false);
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(clicked.count(), 2);

    // Focus shows the normal image, without a focus frame.
    button->setEnabled(true);
    parent.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&parent));
    first->setFocus();
    QTest::keyClick(first, Qt::Key_Tab);
    EXPECT_TRUE(button->hasFocus());
    EXPECT_EQ(Shown(*button), LoadImage(QStringLiteral("STOPU.png")));
}

// --- About box ---------------------------------------------------------------------------

static_assert(sizeof(kAboutMenuText) == 29 + 1);

TEST(AboutBox, MenuEntryText)
{
    const QString text = QString::fromLatin1(kAboutMenuText);
    EXPECT_EQ(text, QStringLiteral("\"&O aplikaci Karvelostrum...\""));
}

TEST(AboutBox, CaptionTextsAndLayout)
{
    CAboutBox box;
    EXPECT_EQ(box.windowTitle(), QStringLiteral("O aplikaci Karvelostrum"));
    EXPECT_FALSE(box.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
    EXPECT_EQ(box.font().pointSize(), 8);

    QStringList texts;
    const QRect client = box.rect();
    for (QLabel* label : box.findChildren<QLabel*>()) {
        SCOPED_TRACE(label->text().toStdString());
        EXPECT_TRUE(client.contains(label->geometry()));
        if (!label->pixmap().isNull()) {
            EXPECT_EQ(label->pixmap().size(), QSize(32, 32));
            continue;
        }
        texts << label->text();
        EXPECT_EQ(label->textFormat(), Qt::PlainText);
        // Every line fits the width the layout gives it.
        EXPECT_LE(QFontMetrics(label->font()).horizontalAdvance(label->text()), label->width());
    }
    EXPECT_TRUE(texts.contains(QStringLiteral("Karvelostrum Verze 3.0")));
    EXPECT_EQ(texts.size(), 5);

    const auto buttons = box.findChildren<QPushButton*>();
    ASSERT_EQ(buttons.size(), 1);
    EXPECT_EQ(buttons.front()->text(), QStringLiteral("OK"));
    EXPECT_TRUE(buttons.front()->isDefault());
    EXPECT_TRUE(client.contains(buttons.front()->geometry()));
    // The template is wider than tall and OK sits at the right.
    EXPECT_GT(box.width(), 2 * box.height());
    EXPECT_GT(buttons.front()->x(), box.width() / 2);
}

TEST(AboutBox, OkAcceptsEscapeAndCloseReject)
{
    enum class Action { ClickOk, Enter, Escape, Close };
    const struct
    {
        Action How;
        QDialog::DialogCode Result;
    } cases[] = {
        {Action::ClickOk, QDialog::Accepted},
        {Action::Enter, QDialog::Accepted},
        {Action::Escape, QDialog::Rejected},
        {Action::Close, QDialog::Rejected},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.How));
        CAboutBox box;
        box.setResult(-1);
        box.open();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&box));
        switch (c.How) {
        case Action::ClickOk:
            QTest::mouseClick(box.findChild<QPushButton*>(), Qt::LeftButton);
            break;
        case Action::Enter:
            QTest::keyClick(&box, Qt::Key_Return);
            break;
        case Action::Escape:
            QTest::keyClick(&box, Qt::Key_Escape);
            break;
        case Action::Close:
            box.close();
            break;
        }
        EXPECT_FALSE(box.isVisible());
        EXPECT_EQ(box.result(), c.Result);
    }
}
