#pragma once

#include <QAbstractButton>
#include <QPixmap>
#include <QString>

// Makes the images of res/resources.qrc available under ":/res/". The library that holds
// them is static, so nothing would pull them in otherwise; the widgets here call it
// themselves, other users call it before their first use. Safe to call more than once.
void RegisterPanelImages();

// A push button drawn only by its images: "<base>D" while held down, otherwise "<base>X"
// while disabled, otherwise "<base>U", copied 1:1. Its caption is never shown. The size is
// fixed to the 317 x 90 images in device-independent pixels, whatever the dialog font.
class BitmapButton : public QAbstractButton
{
    Q_OBJECT

public:
    static constexpr int kWidth = 317;
    static constexpr int kHeight = 90;

    // imageBase is the caption, "START" or "STOP"; the images are ":/res/<base>U.png" etc.
    explicit BitmapButton(const QString& imageBase, QWidget* parent = nullptr);

    // The image the button shows in its present state (null when it failed to load).
    const QPixmap& CurrentImage() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap m_pixUp;
    QPixmap m_pixDown;
    QPixmap m_pixDisabled;
};
