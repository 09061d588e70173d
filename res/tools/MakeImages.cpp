// Draws the START/STOP button images and the stopwatch icon, and writes them into the
// directory given on the command line (default: the current one):
//   STARTU.png STARTD.png STARTX.png STOPU.png STOPD.png STOPX.png karvelostrum.png karvelostrum.ico
// The images are committed; run this only when their design changes.

#include <QByteArray>
#include <QColor>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRect>
#include <QTransform>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>

constexpr int kButtonWidth = 317;
constexpr int kButtonHeight = 90;

// Plain (not antialiased) lettering keeps every image to its few exact colours.
constexpr bool kAntialiasText = false;

struct BorderColours
{
    QRgb OuterTopLeft;
    QRgb InnerTopLeft;
    QRgb InnerBottomRight;
    QRgb OuterBottomRight;
};

constexpr BorderColours kRaised{qRgb(255, 255, 255), qRgb(241, 239, 226), qRgb(192, 192, 192),
                                qRgb(128, 128, 128)};
constexpr BorderColours kSunken{qRgb(128, 128, 128), qRgb(192, 192, 192), qRgb(240, 240, 240),
                                qRgb(255, 255, 255)};
constexpr BorderColours kSunkenStop{qRgb(128, 128, 128), qRgb(192, 192, 192),
                                    qRgb(239, 239, 239), qRgb(255, 255, 255)};

struct ButtonWord
{
    const char* Text;
    QRect Ink; // pixels that the word's ink must just fill
};

struct ButtonImage
{
    const char* FileName;
    ButtonWord Word;
    QRgb Face;
    QRgb WordColour;
    BorderColours Border;
};

const ButtonWord kStart{"START", QRect(QPoint(83, 26), QPoint(239, 62))};
const ButtonWord kStop{"STOP", QRect(QPoint(100, 25), QPoint(226, 61))};

const QRgb kGreen = qRgb(0, 255, 0);
const QRgb kRed = qRgb(255, 0, 0);
const QRgb kBlack = qRgb(0, 0, 0);
const QRgb kDisabledFace = qRgb(192, 192, 192);
const QRgb kDisabledWord = qRgb(178, 178, 178);

const std::array<ButtonImage, 6> kButtons{{
    {"STARTU.png", kStart, kGreen, kBlack, kRaised},
    {"STARTD.png", kStart, kGreen, kBlack, kSunken},
    {"STARTX.png", kStart, kDisabledFace, kDisabledWord, kRaised},
    {"STOPU.png", kStop, kRed, kBlack, kRaised},
    {"STOPD.png", kStop, kRed, kBlack, kSunkenStop},
    {"STOPX.png", kStop, kDisabledFace, kDisabledWord, kRaised},
}};

static QFont LetteringFont()
{
    // Prefer the file itself so that the images do not depend on fontconfig's choice.
    const int id = QFontDatabase::addApplicationFont(
        QStringLiteral("/usr/share/fonts/truetype/liberation/LiberationSans-Bold.ttf"));
    QString family = QStringLiteral("Liberation Sans");
    if (id >= 0 && !QFontDatabase::applicationFontFamilies(id).isEmpty())
        family = QFontDatabase::applicationFontFamilies(id).constFirst();
    QFont font(family);
    font.setBold(true);
    font.setPixelSize(200); // large: the outline is scaled to the ink box afterwards
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setKerning(true);
    return font;
}

// Two-pixel border in the usual Windows order: the top/left lines stop one pixel short,
// so the bottom/right lines own the top-right and bottom-left corners.
static void DrawBorder(QImage& image, const BorderColours& colours)
{
    const int right = image.width() - 1;
    const int bottom = image.height() - 1;
    auto hLine = [&](int y, int x0, int x1, QRgb c) {
        for (int x = x0; x <= x1; ++x)
            image.setPixel(x, y, c);
    };
    auto vLine = [&](int x, int y0, int y1, QRgb c) {
        for (int y = y0; y <= y1; ++y)
            image.setPixel(x, y, c);
    };
    hLine(0, 0, right - 1, colours.OuterTopLeft);
    vLine(0, 0, bottom - 1, colours.OuterTopLeft);
    hLine(bottom, 0, right, colours.OuterBottomRight);
    vLine(right, 0, bottom, colours.OuterBottomRight);
    hLine(1, 1, right - 2, colours.InnerTopLeft);
    vLine(1, 1, bottom - 2, colours.InnerTopLeft);
    hLine(bottom - 1, 1, right - 1, colours.InnerBottomRight);
    vLine(right - 1, 1, bottom - 1, colours.InnerBottomRight);
}

static QRect InkBox(const QImage& image, QRgb face)
{
    QRect box;
    for (int y = 2; y < image.height() - 2; ++y)
        for (int x = 2; x < image.width() - 2; ++x)
            if (image.pixel(x, y) != face)
                box |= QRect(x, y, 1, 1);
    return box;
}

static QImage MakeButton(const ButtonImage& button, const QFont& font)
{
    QImage image(kButtonWidth, kButtonHeight, QImage::Format_RGB32);
    image.fill(button.Face);

    QPainterPath path;
    path.addText(0, 0, font, QString::fromLatin1(button.Word.Text));
    const QRectF outline = path.boundingRect();
    // Pixels are filled where their centres fall inside, so the target is the whole
    // pixel box; the tiny inset keeps a tangent outline from spilling one row further.
    const QRectF target = QRectF(button.Word.Ink).adjusted(0.02, 0.02, -0.02, -0.02);
    QTransform toInk;
    toInk.translate(target.left(), target.top());
    toInk.scale(target.width() / outline.width(), target.height() / outline.height());
    toInk.translate(-outline.left(), -outline.top());

    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing, kAntialiasText);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(button.WordColour));
        painter.drawPath(toInk.map(path));
    }
    DrawBorder(image, button.Border);
    return image.convertToFormat(QImage::Format_RGB888);
}

// --- the icon ------------------------------------------------------------------------

// The standard 16-colour palette, in its usual index order.
const std::array<QRgb, 16> kPalette{
    qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
    qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(192, 192, 192),
    qRgb(128, 128, 128), qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0),
    qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255),
};
constexpr int kIconBlack = 0;
constexpr int kIconOlive = 3;
constexpr int kIconLightGrey = 7;
constexpr int kIconYellow = 11;
constexpr int kIconTransparent = -1;
constexpr int kIconSize = 32;

static double DistanceToSegment(double px, double py, double ax, double ay, double bx, double by)
{
    const double dx = bx - ax;
    const double dy = by - ay;
    double t = ((px - ax) * dx + (py - ay) * dy) / (dx * dx + dy * dy);
    t = std::clamp(t, 0.0, 1.0);
    return std::hypot(px - (ax + t * dx), py - (ay + t * dy));
}

// Palette index of one icon pixel, or kIconTransparent. Drawn per pixel rather than with
// QPainter so that every pixel is one of the 16 palette colours.
static int IconPixel(int x, int y)
{
    constexpr double cx = 16.0;
    constexpr double cy = 18.0;
    const double px = x + 0.5;
    const double py = y + 0.5;
    const double d = std::hypot(px - cx, py - cy);

    if (d <= 9.6) {
        const double pi = std::acos(-1.0);
        // Hands: one to 12 o'clock, one to 10 o'clock (300 degrees clockwise from 12).
        const double a = 300.0 * pi / 180.0;
        if (DistanceToSegment(px, py, cx, cy, cx, cy - 8.0) <= 1.0
            || DistanceToSegment(px, py, cx, cy, cx + 7.0 * std::sin(a), cy - 7.0 * std::cos(a)) <= 0.75)
            return kIconLightGrey;
        return kIconBlack;
    }
    if (d <= 12.0)
        return kIconYellow;
    if (d <= 13.6)
        return kIconOlive;

    // Crown: a wide cap on a narrow stem above the rim.
    if (y <= 1 && x >= 13 && x <= 18)
        return kIconBlack;
    if (y <= 4 && x >= 15 && x <= 16)
        return kIconBlack;

    // Knobs at the upper left and right, standing out of the rim at 45 degrees.
    for (const double side : {-1.0, 1.0}) {
        const double ux = side * std::sqrt(0.5);
        const double uy = -std::sqrt(0.5);
        const double rx = px - cx;
        const double ry = py - cy;
        const double along = rx * ux + ry * uy;
        const double across = -rx * uy + ry * ux;
        if (along >= 13.0 && along <= 16.6 && std::abs(across) <= 1.7)
            return kIconBlack;
    }
    return kIconTransparent;
}

static QImage MakeIcon()
{
    QImage image(kIconSize, kIconSize, QImage::Format_ARGB32);
    for (int y = 0; y < kIconSize; ++y)
        for (int x = 0; x < kIconSize; ++x) {
            const int index = IconPixel(x, y);
            image.setPixel(x, y, index == kIconTransparent ? qRgba(0, 0, 0, 0) : kPalette[index]);
        }
    return image;
}

static void PutU16(QByteArray& out, std::uint16_t v)
{
    out.append(char(v & 0xFF));
    out.append(char(v >> 8));
}

static void PutU32(QByteArray& out, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        out.append(char((v >> (8 * i)) & 0xFF));
}

// One 32x32 image, 4 bits per pixel with the standard palette and an AND mask, the form
// Windows expects of a classic 16-colour icon. Written by hand: Qt's ICO writer makes
// 32-bit images only.
static QByteArray MakeIco()
{
    constexpr int xorRowBytes = kIconSize / 2;      // two pixels a byte, already 4-aligned
    constexpr int andRowBytes = kIconSize / 8;      // one bit a pixel, already 4-aligned
    constexpr int headerBytes = 40;
    constexpr int paletteBytes = 16 * 4;
    constexpr int imageBytes = headerBytes + paletteBytes + kIconSize * (xorRowBytes + andRowBytes);

    QByteArray out;
    // ICONDIR
    PutU16(out, 0);
    PutU16(out, 1);
    PutU16(out, 1);
    // ICONDIRENTRY
    out.append(char(kIconSize));
    out.append(char(kIconSize));
    out.append(char(16)); // colours
    out.append(char(0));
    PutU16(out, 1); // planes
    PutU16(out, 4); // bits per pixel
    PutU32(out, imageBytes);
    PutU32(out, 6 + 16);
    // BITMAPINFOHEADER; the height counts the XOR and the AND bitmap together.
    PutU32(out, headerBytes);
    PutU32(out, kIconSize);
    PutU32(out, kIconSize * 2);
    PutU16(out, 1);
    PutU16(out, 4);
    PutU32(out, 0); // BI_RGB
    PutU32(out, kIconSize * (xorRowBytes + andRowBytes));
    PutU32(out, 0);
    PutU32(out, 0);
    PutU32(out, 16);
    PutU32(out, 0);
    for (const QRgb c : kPalette) {
        out.append(char(qBlue(c)));
        out.append(char(qGreen(c)));
        out.append(char(qRed(c)));
        out.append(char(0));
    }
    // Both bitmaps run bottom-up; transparent pixels are black in the XOR bitmap.
    for (int y = kIconSize - 1; y >= 0; --y)
        for (int x = 0; x < kIconSize; x += 2) {
            const int left = std::max(IconPixel(x, y), 0);
            const int right = std::max(IconPixel(x + 1, y), 0);
            out.append(char((left << 4) | right));
        }
    for (int y = kIconSize - 1; y >= 0; --y)
        for (int x = 0; x < kIconSize; x += 8) {
            int bits = 0;
            for (int i = 0; i < 8; ++i)
                if (IconPixel(x + i, y) == kIconTransparent)
                    bits |= 0x80 >> i;
            out.append(char(bits));
        }
    Q_ASSERT(out.size() == 6 + 16 + imageBytes);
    return out;
}

static bool WriteFile(const QString& path, const QByteArray& data)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(data) == data.size();
}

int main(int argc, char* argv[])
{
    // Fonts need a GUI application, a screen does not.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QDir outDir(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));
    const QFont font = LetteringFont();

    bool ok = true;
    for (const ButtonImage& button : kButtons) {
        const QImage image = MakeButton(button, font);
        const QRect ink = InkBox(image, button.Face);
        const QString path = outDir.filePath(QString::fromLatin1(button.FileName));
        std::printf("%-11s ink x %d-%d, y %d-%d\n", button.FileName, ink.left(), ink.right(),
                    ink.top(), ink.bottom());
        if (ink != button.Word.Ink) {
            std::fprintf(stderr, "%s: the word's ink misses its box\n", button.FileName);
            ok = false;
        }
        if (!image.save(path, "PNG")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            ok = false;
        }
    }
    if (!MakeIcon().save(outDir.filePath(QStringLiteral("karvelostrum.png")), "PNG")) {
        std::fprintf(stderr, "cannot write karvelostrum.png\n");
        ok = false;
    }
    if (!WriteFile(outDir.filePath(QStringLiteral("karvelostrum.ico")), MakeIco())) {
        std::fprintf(stderr, "cannot write karvelostrum.ico\n");
        ok = false;
    }
    return ok ? 0 : 1;
}
