#include "app/CoverPage.h"

#include <QImageReader>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace hb {

CoverPage::CoverPage(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Helmbk"));
    setMinimumSize(320, 240);
}

bool CoverPage::setPicture(const QString& path)
{
    QImageReader reader(path);
    reader.setAutoTransform(true);
    const QImage image = reader.read();
    if (image.isNull())
        return false;
    m_picture = QPixmap::fromImage(image);
    update();
    return true;
}

void CoverPage::setVesselName(const QString& name)
{
    m_vesselName = name;
    update();
}

QPixmap CoverPage::builtInPicture(const QSize& size)
{
    // Evening sky, sea and a sloop under sail.
    QPixmap pixmap(size);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal w = size.width(), h = size.height();
    const qreal horizon = h * 0.62;
    QLinearGradient sky(0, 0, 0, horizon);
    sky.setColorAt(0, QColor(0x1d, 0x3a, 0x6b));
    sky.setColorAt(1, QColor(0xf0, 0xb8, 0x7a));
    p.fillRect(QRectF(0, 0, w, horizon), sky);
    QLinearGradient sea(0, horizon, 0, h);
    sea.setColorAt(0, QColor(0x2b, 0x5d, 0x8a));
    sea.setColorAt(1, QColor(0x0c, 0x24, 0x40));
    p.fillRect(QRectF(0, horizon, w, h - horizon), sea);
    p.setPen(QPen(QColor(255, 255, 255, 40), 1));
    for (int i = 1; i < 9; ++i) {
        const qreal y = horizon + (h - horizon) * i / 9.0;
        p.drawLine(QPointF(w * 0.1 * (i % 3), y), QPointF(w * (0.6 + 0.05 * (i % 4)), y));
    }
    const qreal s = std::min(w, h) / 400.0;
    const QPointF bow(w * 0.58, horizon + 18 * s);
    QPainterPath hull;
    hull.moveTo(bow + QPointF(-150 * s, -14 * s));
    hull.lineTo(bow + QPointF(40 * s, -14 * s));
    hull.lineTo(bow + QPointF(10 * s, 8 * s));
    hull.lineTo(bow + QPointF(-130 * s, 8 * s));
    hull.closeSubpath();
    p.fillPath(hull, QColor(0x10, 0x10, 0x18));
    const QPointF mast = bow + QPointF(-70 * s, -14 * s);
    QPainterPath main;
    main.moveTo(mast + QPointF(-4 * s, -4 * s));
    main.lineTo(mast + QPointF(-4 * s, -190 * s));
    main.lineTo(mast + QPointF(-95 * s, -6 * s));
    main.closeSubpath();
    QPainterPath jib;
    jib.moveTo(mast + QPointF(4 * s, -180 * s));
    jib.lineTo(mast + QPointF(100 * s, -4 * s));
    jib.lineTo(mast + QPointF(4 * s, -4 * s));
    jib.closeSubpath();
    p.fillPath(main, QColor(250, 246, 236));
    p.fillPath(jib, QColor(236, 230, 218));
    p.setPen(QPen(QColor(0x10, 0x10, 0x18), 2 * s));
    p.drawLine(mast, mast + QPointF(0, -196 * s));
    return pixmap;
}

void CoverPage::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    if (m_picture.isNull()) {
        p.drawPixmap(0, 0, builtInPicture(size()));
    } else {
        p.fillRect(rect(), Qt::black);
        const QPixmap scaled =
            m_picture.scaled(size(), Qt::KeepAspectRatio, Qt::SmoothTransformation);
        p.drawPixmap((width() - scaled.width()) / 2, (height() - scaled.height()) / 2, scaled);
    }
    QFont title = font();
    title.setPointSizeF(title.pointSizeF() * 2.6);
    title.setBold(true);
    p.setFont(title);
    const QString text = m_vesselName.isEmpty() ? QStringLiteral("Helmbook") : m_vesselName;
    const QRect band(0, height() / 14, width(), QFontMetrics(title).height() * 2);
    p.setPen(QColor(0, 0, 0, 110));
    p.drawText(band.translated(2, 2), Qt::AlignCenter, text);
    p.setPen(Qt::white);
    p.drawText(band, Qt::AlignCenter, text);
}

} // namespace hb
