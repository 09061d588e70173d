#include "BitmapButton.h"

#include <QPainter>

static void InitResources()
{
    Q_INIT_RESOURCE(resources);
}

void RegisterPanelImages()
{
    static const bool registered = (InitResources(), true);
    (void)registered;
}

static QString ImagePath(const QString& imageBase, char suffix)
{
    RegisterPanelImages();
    return QStringLiteral(":/res/%1%2.png").arg(imageBase, QChar::fromLatin1(suffix));
}

BitmapButton::BitmapButton(const QString& imageBase, QWidget* parent)
    : QAbstractButton(parent)
    , m_pixUp(ImagePath(imageBase, 'U'))
    , m_pixDown(ImagePath(imageBase, 'D'))
    , m_pixDisabled(ImagePath(imageBase, 'X'))
{
    // The caption stays for accessibility and for finding the button; it is never drawn.
    setText(imageBase);
    setFocusPolicy(Qt::StrongFocus);
    setFixedSize(kWidth, kHeight);
}

const QPixmap& BitmapButton::CurrentImage() const
{
    if (isDown())
        return m_pixDown;
    if (!isEnabled())
        return m_pixDisabled;
    return m_pixUp;
}

QSize BitmapButton::sizeHint() const
{
    return {kWidth, kHeight};
}

QSize BitmapButton::minimumSizeHint() const
{
    return sizeHint();
}

void BitmapButton::paintEvent(QPaintEvent*)
{
    // No focus rectangle: a focused button shows its normal or disabled image.
    QPainter painter(this);
    painter.drawPixmap(0, 0, CurrentImage());
}
