#pragma once

#include <QPixmap>
#include <QWidget>

namespace hb {

// The cover page: the vessel's picture (the user's splash picture, or a built-in one).
class CoverPage : public QWidget
{
    Q_OBJECT
public:
    explicit CoverPage(QWidget* parent = nullptr);

    // Shows the picture at `path`; false (and the picture unchanged) when it cannot be loaded.
    bool setPicture(const QString& path);
    void setVesselName(const QString& name);
    bool hasUserPicture() const { return !m_picture.isNull(); }

    static QPixmap builtInPicture(const QSize& size);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap m_picture;
    QString m_vesselName;
};

} // namespace hb
