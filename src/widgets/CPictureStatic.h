// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFrame>
#include <QPixmap>

// A framed white panel showing one picture resource, unscaled and centred.
class CPictureStatic : public QFrame {
    Q_OBJECT

public:
    explicit CPictureStatic(QWidget* parent = nullptr);

    // Shows the picture with that resource id; -1 (or an unknown id) shows nothing.
    void SetBitmap(int resourceId);
    int BitmapId() const { return m_bitmapId; }
    QPixmap Bitmap() const { return m_bitmap; }

    // Where a picture of size picture lands in area: centred, but never left of or above it,
    // so a picture too big for the panel shows its top-left part.
    static QPoint PictureOrigin(const QRect& area, const QSize& picture);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int m_bitmapId = -1;
    QPixmap m_bitmap;
};
